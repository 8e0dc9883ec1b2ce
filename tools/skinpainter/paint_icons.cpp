#include "tools/skinpainter/painters.h"

#include "tools/skinpainter/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

QPen glyphPen(const QColor &color, qreal width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Draws the glyph of `icon` into the square `b` in `ink`.
void glyph(QPainter &p, const QRectF &b, const SkinTheme &t, Icon icon, const QColor &ink)
{
    const qreal s = b.width();
    const QPointF c = b.center();
    const qreal w = std::max<qreal>(1.4, s / 9);
    p.save();
    p.setPen(glyphPen(ink, w));
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case Icon::Setting: {
        // A cog: a ring with eight teeth.
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * s * 0.28,
                       c + QPointF(std::cos(a), std::sin(a)) * s * 0.44);
        }
        p.drawEllipse(c, s * 0.27, s * 0.27);
        p.drawEllipse(c, s * 0.1, s * 0.1);
        break;
    }
    case Icon::Minimize:
        p.drawLine(QPointF(b.left() + s * 0.25, c.y() + s * 0.15), QPointF(b.right() - s * 0.25, c.y() + s * 0.15));
        break;
    case Icon::Close:
    case Icon::Delete:
        p.drawLine(b.topLeft() + QPointF(s * 0.3, s * 0.3), b.bottomRight() - QPointF(s * 0.3, s * 0.3));
        p.drawLine(b.topRight() + QPointF(-s * 0.3, s * 0.3), b.bottomLeft() + QPointF(s * 0.3, -s * 0.3));
        break;
    case Icon::Add:
        p.drawLine(QPointF(c.x(), b.top() + s * 0.27), QPointF(c.x(), b.bottom() - s * 0.27));
        p.drawLine(QPointF(b.left() + s * 0.27, c.y()), QPointF(b.right() - s * 0.27, c.y()));
        break;
    case Icon::Reset: {
        // A circling arrow.
        const QRectF arc(c.x() - s * 0.26, c.y() - s * 0.26, s * 0.52, s * 0.52);
        p.drawArc(arc, 60 * 16, 270 * 16);
        const QPointF tip(c.x() + s * 0.13, c.y() - s * 0.225);
        QPainterPath head;
        head.moveTo(tip + QPointF(s * 0.14, -s * 0.05));
        head.lineTo(tip);
        head.lineTo(tip + QPointF(s * 0.05, s * 0.15));
        p.drawPath(head);
        break;
    }
    case Icon::Apply: {
        QPainterPath tick;
        tick.moveTo(b.left() + s * 0.27, c.y());
        tick.lineTo(c.x() - s * 0.05, b.bottom() - s * 0.3);
        tick.lineTo(b.right() - s * 0.25, b.top() + s * 0.3);
        p.drawPath(tick);
        break;
    }
    case Icon::Record:
        p.setPen(Qt::NoPen);
        p.setBrush(t.danger);
        p.drawEllipse(c, s * 0.22, s * 0.22);
        p.setBrush(kit::withAlpha(Qt::white, 120));
        p.drawEllipse(c - QPointF(s * 0.07, s * 0.07), s * 0.06, s * 0.06);
        break;
    case Icon::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(c.x() - s * 0.18, c.y() - s * 0.18, s * 0.36, s * 0.36));
        break;
    case Icon::Trash: {
        const QRectF can(c.x() - s * 0.18, c.y() - s * 0.12, s * 0.36, s * 0.4);
        p.drawRect(can);
        p.drawLine(QPointF(can.left() - s * 0.07, can.top() - s * 0.07),
                   QPointF(can.right() + s * 0.07, can.top() - s * 0.07));
        p.drawLine(QPointF(c.x() - s * 0.07, can.top() - s * 0.15), QPointF(c.x() + s * 0.07, can.top() - s * 0.15));
        break;
    }
    case Icon::Cut: {
        const qreal r = s * 0.1;
        p.drawEllipse(QPointF(c.x() - s * 0.16, b.bottom() - s * 0.27), r, r);
        p.drawEllipse(QPointF(c.x() + s * 0.16, b.bottom() - s * 0.27), r, r);
        p.drawLine(QPointF(c.x() - s * 0.1, b.bottom() - s * 0.35), QPointF(c.x() + s * 0.14, b.top() + s * 0.22));
        p.drawLine(QPointF(c.x() + s * 0.1, b.bottom() - s * 0.35), QPointF(c.x() - s * 0.14, b.top() + s * 0.22));
        break;
    }
    case Icon::Paste: {
        const QRectF board(c.x() - s * 0.2, c.y() - s * 0.2, s * 0.4, s * 0.46);
        p.drawRect(board);
        p.setBrush(ink);
        p.drawRect(QRectF(c.x() - s * 0.09, board.top() - s * 0.06, s * 0.18, s * 0.1));
        break;
    }
    case Icon::Copy:
        p.drawRect(QRectF(c.x() - s * 0.22, c.y() - s * 0.2, s * 0.3, s * 0.34));
        p.drawRect(QRectF(c.x() - s * 0.06, c.y() - s * 0.06, s * 0.3, s * 0.34));
        break;
    case Icon::KeyDefine: {
        // A key cap seen from above, with a letter-like mark.
        const QRectF cap(b.left() + s * 0.14, b.top() + s * 0.18, s * 0.72, s * 0.62);
        p.drawPath(kit::outline(t, cap, s * 0.12));
        p.drawPath(kit::outline(t, cap.adjusted(s * 0.12, s * 0.08, -s * 0.12, -s * 0.2), s * 0.06));
        break;
    }
    case Icon::Macro: {
        // A play mark inside a looping arrow.
        const QRectF arc(c.x() - s * 0.34, c.y() - s * 0.34, s * 0.68, s * 0.68);
        p.drawArc(arc, 100 * 16, 300 * 16);
        QPainterPath play;
        play.moveTo(c.x() - s * 0.1, c.y() - s * 0.15);
        play.lineTo(c.x() + s * 0.16, c.y());
        play.lineTo(c.x() - s * 0.1, c.y() + s * 0.15);
        play.closeSubpath();
        p.setBrush(ink);
        p.drawPath(play);
        break;
    }
    case Icon::Color: {
        // Three overlapping lights: red, green and blue.
        p.setPen(Qt::NoPen);
        const qreal r = s * 0.2;
        const QColor lights[] = {QColor(255, 60, 70), QColor(60, 230, 110), QColor(70, 130, 255)};
        const QPointF at[] = {c + QPointF(0, -s * 0.12), c + QPointF(-s * 0.13, s * 0.1), c + QPointF(s * 0.13, s * 0.1)};
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        for (int i = 0; i < 3; ++i) {
            QColor light = lights[i];
            light.setAlpha(ink == t.glyph ? 150 : 255);
            p.setBrush(light);
            p.drawEllipse(at[i], r, r);
        }
        break;
    }
    }
    p.restore();
}

} // namespace

void paintIconButton(QPainter &p, const QRectF &r, const SkinTheme &t, Icon icon, bool lit)
{
    const QRectF base = r.adjusted(1, 1, -1, -1);
    const QPainterPath shape = kit::outline(t, base, base.width() * 0.28);
    QLinearGradient g(base.topLeft(), base.bottomLeft());
    g.setColorAt(0, lit ? kit::mix(t.plateLight, t.accent, 0.25) : t.plateLight);
    g.setColorAt(1, kit::mix(t.plate, Qt::black, 0.4));
    p.save();
    p.setPen(QPen(lit ? t.accent : t.edge, 1));
    p.setBrush(g);
    p.drawPath(shape);
    p.restore();
    const QColor ink = lit ? t.accentHot : t.glyph;
    if (lit) {
        p.save();
        p.setOpacity(0.5);
        glyph(p, base.adjusted(-0.5, -0.5, 0.5, 0.5), t, icon, t.accent);
        p.restore();
    }
    glyph(p, base, t, icon, ink);
}

void paintMenuIcon(QPainter &p, const QRectF &r, const SkinTheme &t, Icon icon, bool lit)
{
    if (lit) {
        QRadialGradient halo(r.center(), r.width() * 0.6);
        halo.setColorAt(0, kit::withAlpha(t.accent, 90));
        halo.setColorAt(1, kit::withAlpha(t.accent, 0));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(r);
        p.restore();
    }
    glyph(p, r.adjusted(1, 1, -1, -1), t, icon, lit ? t.accentHot : t.glyph);
}

void paintTrayEmblem(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF box = r.adjusted(r.width() * 0.04, r.width() * 0.04, -r.width() * 0.04, -r.width() * 0.04);
    const QPainterPath shape = kit::outline(t, box, box.width() * 0.22);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, t.plateLight);
    g.setColorAt(1, t.windowBottom);
    p.save();
    p.setPen(QPen(t.accent, std::max<qreal>(1, r.width() / 16)));
    p.setBrush(g);
    p.drawPath(shape);
    // A "Z" in light.
    QPainterPath z;
    const qreal m = box.width() * 0.26;
    z.moveTo(box.left() + m, box.top() + m);
    z.lineTo(box.right() - m, box.top() + m);
    z.lineTo(box.left() + m, box.bottom() - m);
    z.lineTo(box.right() - m, box.bottom() - m);
    p.setPen(glyphPen(t.accentHot, std::max<qreal>(1.5, r.width() / 9)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);
    p.restore();
}
