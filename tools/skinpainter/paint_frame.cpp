#include "tools/skinpainter/painters.h"

#include "tools/skinpainter/paint_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

// The window's own shape inside the 1000 x 600 scene; what lies outside is
// transparent, so the desktop shows around it.
QPainterPath windowShape(const SkinTheme &t, const QRectF &r)
{
    return kit::outline(t, r.adjusted(3, 3, -3, -3), t.radius);
}

void paintWindowBase(QPainter &p, const QRectF &r, const SkinTheme &t, quint32 seed)
{
    const QPainterPath shape = windowShape(t, r);
    QRadialGradient base(QPointF(r.center().x(), r.height() * 0.38), r.width() * 0.7);
    base.setColorAt(0, t.windowTop);
    base.setColorAt(1, t.windowBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawPath(shape);

    kit::texture(p, t, r, shape);

    p.save();
    p.setClipPath(shape);
    // A broad diagonal sheen across the upper left.
    QLinearGradient sheen(QPointF(0, 0), QPointF(r.width() * 0.6, r.height()));
    sheen.setColorAt(0.0, kit::withAlpha(Qt::white, 0));
    sheen.setColorAt(0.35, kit::withAlpha(Qt::white, 12));
    sheen.setColorAt(0.5, kit::withAlpha(Qt::white, 0));
    p.setBrush(sheen);
    p.drawRect(r);
    // Darker towards the edges, so the middle carries the eye.
    QRadialGradient vignette(r.center(), r.width() * 0.62);
    vignette.setColorAt(0.55, kit::withAlpha(Qt::black, 0));
    vignette.setColorAt(1.0, kit::withAlpha(Qt::black, 170));
    p.setBrush(vignette);
    p.drawRect(r);
    kit::grain(p, r, seed, 10);
    p.restore();
}

// A keyboard drawn in light: the picture of the main screen.
void paintKeyboardEmblem(QPainter &p, const SkinTheme &t, const QRectF &area)
{
    const QRectF body(area.center().x() - 270, area.center().y() - 95, 540, 170);
    p.save();
    // Its glow on the floor below.
    QRadialGradient pool(QPointF(body.center().x(), body.bottom() + 30), 330);
    pool.setColorAt(0, kit::withAlpha(t.accent, 46));
    pool.setColorAt(1, kit::withAlpha(t.accent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(QPointF(body.center().x(), body.bottom() + 30), 330, 70);

    const QPainterPath outline = kit::outline(t, body, 14);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, kit::withAlpha(t.plateLight, 150));
    fill.setColorAt(1, kit::withAlpha(t.windowBottom, 200));
    p.setBrush(fill);
    p.drawPath(outline);
    kit::glow(p, outline, kit::withAlpha(t.accent, 150), 1.2, 5);

    // Six rows of keys; the bottom row holds the space bar.
    const qreal unit = 30;
    const qreal gap = 4;
    const int rowKeys[] = {15, 15, 14, 13, 12, 8};
    for (int row = 0; row < 6; ++row) {
        const qreal y = body.top() + 14 + row * (unit * 0.72 + gap);
        const int keys = rowKeys[row];
        const qreal rowWidth = body.width() - 28;
        const qreal keyWidth = (rowWidth - (keys - 1) * gap) / keys;
        for (int k = 0; k < keys; ++k) {
            qreal w = keyWidth;
            qreal x = body.left() + 14 + k * (keyWidth + gap);
            if (row == 5 && k == 3) {
                w = keyWidth * 3 + gap * 2;
            } else if (row == 5 && k > 3) {
                x += (keyWidth + gap) * 2;
                if (x + w > body.right() - 14)
                    continue;
            }
            const QRectF key(x, y, w, unit * 0.72);
            const qreal lightness = 0.35 + 0.65 * (0.5 + 0.5 * std::sin((k + row * 1.7) * 0.55));
            p.setBrush(kit::withAlpha(t.keyTop, 230));
            p.setPen(QPen(kit::withAlpha(t.accent, int(40 + 120 * lightness)), 1));
            p.drawPath(kit::outline(t, key, 3));
        }
    }
    p.restore();
}

} // namespace

void paintMainBackground(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    paintWindowBase(p, r, t, 0x5eed0001u + quint32(t.number));
    paintKeyboardEmblem(p, t, QRectF(171, 96, 759, 442));
}

void paintPageBackground(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    paintWindowBase(p, r, t, 0x5eed0101u + quint32(t.number));
    // A soft light behind the page area.
    QRadialGradient halo(QPointF(550, 317), 430);
    halo.setColorAt(0, kit::withAlpha(t.accent, 26));
    halo.setColorAt(1, kit::withAlpha(t.accent, 0));
    p.save();
    p.setClipPath(windowShape(t, r));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawRect(r);
    p.restore();
}

void paintFrame(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QPainterPath shape = windowShape(t, r);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kit::withAlpha(Qt::black, 200), 3));
    p.drawPath(shape);
    p.setPen(QPen(kit::withAlpha(t.edge, 230), 1.2));
    p.drawPath(kit::outline(t, r.adjusted(4.5, 4.5, -4.5, -4.5), t.radius - 1));

    // Bright corner pieces.
    const qreal len = 60;
    auto corner = [&](QPointF at, qreal dx, qreal dy) {
        QPainterPath piece;
        if (t.corners == CornerStyle::Rounded) {
            piece.moveTo(at + QPointF(dx * len, 0));
            piece.lineTo(at + QPointF(dx * t.radius, 0));
            piece.quadTo(at, at + QPointF(0, dy * t.radius));
            piece.lineTo(at + QPointF(0, dy * len));
        } else {
            piece.moveTo(at + QPointF(dx * len, 0));
            piece.lineTo(at + QPointF(dx * t.radius, 0));
            piece.lineTo(at + QPointF(0, dy * t.radius));
            piece.lineTo(at + QPointF(0, dy * len));
        }
        kit::glow(p, piece, t.accent, 2.0, 5);
    };
    const QRectF in = r.adjusted(5, 5, -5, -5);
    corner(in.topLeft(), 1, 1);
    corner(in.topRight(), -1, 1);
    corner(in.bottomLeft(), 1, -1);
    corner(in.bottomRight(), -1, -1);

    // Marks along the left and right edges.
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.center().y() - 40 + i * 40;
        QPainterPath left;
        left.moveTo(in.left() + 1, y - 12);
        left.lineTo(in.left() + 1, y + 12);
        QPainterPath right;
        right.moveTo(in.right() - 1, y - 12);
        right.lineTo(in.right() - 1, y + 12);
        kit::glow(p, left, kit::withAlpha(t.accent, 150 - i * 30), 1.6, 3);
        kit::glow(p, right, kit::withAlpha(t.accent, 150 - i * 30), 1.6, 3);
    }
    p.restore();
}

void paintLogo(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(t.corners == CornerStyle::Chamfered);
    font.setPixelSize(27);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("ZR770"));
    const QRectF box = text.boundingRect();
    text.translate(r.center().x() - box.center().x(), r.top() + 4 - box.top());

    p.save();
    kit::glow(p, text, kit::withAlpha(t.accent, 120), 1.0, 5);
    QLinearGradient fill(text.boundingRect().topLeft(), text.boundingRect().bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(0.55, t.accentHot);
    fill.setColorAt(1, t.accent);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);

    // An underline that fades out at both ends.
    QLinearGradient line(r.left(), 0, r.right(), 0);
    line.setColorAt(0, kit::withAlpha(t.accent, 0));
    line.setColorAt(0.5, t.accent);
    line.setColorAt(1, kit::withAlpha(t.accent, 0));
    p.setBrush(line);
    p.drawRect(QRectF(r.left() + 20, r.bottom() - 6, r.width() - 40, 2));
    p.restore();
}

void paintDecorationLink(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF badge(r.left() + 4, r.top() + 6, r.width() - 8, r.height() - 12);
    kit::plate(p, t, badge, 8, false);
    p.save();
    // A globe: the link to the maker's site.
    const QPointF c(badge.left() + 22, badge.center().y());
    const qreal rad = 12;
    QPen pen(t.accent, 1.5);
    p.setPen(pen);
    p.setBrush(kit::withAlpha(t.accent, 30));
    p.drawEllipse(c, rad, rad);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rad * 0.45, rad);
    p.drawLine(QPointF(c.x() - rad, c.y()), QPointF(c.x() + rad, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - rad), QPointF(c.x(), c.y() + rad));
    // Lines leading outwards, like a circuit.
    for (int i = 0; i < 3; ++i) {
        const qreal y = badge.top() + 11 + i * 8;
        const qreal x0 = badge.left() + 42;
        const qreal x1 = badge.right() - 12 - i * 14;
        p.setPen(QPen(kit::withAlpha(t.accent, 200 - i * 50), 1.5));
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
        p.setBrush(t.accent);
        p.drawEllipse(QPointF(x1, y), 2, 2);
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

void paintDecorationRight(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF badge(r.left() + 4, r.top() + 6, r.width() - 8, r.height() - 12);
    kit::plate(p, t, badge, 8, false);
    p.save();
    // Level bars, rising to the right.
    for (int i = 0; i < 7; ++i) {
        const qreal h = 6 + i * 3.2;
        const QRectF bar(badge.right() - 18 - (6 - i) * 9, badge.bottom() - 7 - h, 6, h);
        p.setPen(Qt::NoPen);
        p.setBrush(kit::withAlpha(t.accent, 70 + i * 26));
        p.drawRect(bar);
    }
    for (int i = 0; i < 3; ++i) {
        const qreal y = badge.top() + 11 + i * 8;
        p.setPen(QPen(kit::withAlpha(t.accent, 200 - i * 50), 1.5));
        p.drawLine(QPointF(badge.left() + 12 + i * 10, y), QPointF(badge.left() + 44, y));
    }
    p.restore();
}
