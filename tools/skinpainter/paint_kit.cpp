#include "tools/skinpainter/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace kit {

QPainterPath outline(const SkinTheme &theme, const QRectF &r, qreal size)
{
    QPainterPath path;
    const qreal s = std::min({size, r.width() / 2, r.height() / 2});
    if (theme.corners == CornerStyle::Rounded) {
        path.addRoundedRect(r, s, s);
        return path;
    }
    path.moveTo(r.left() + s, r.top());
    path.lineTo(r.right() - s, r.top());
    path.lineTo(r.right(), r.top() + s);
    path.lineTo(r.right(), r.bottom() - s);
    path.lineTo(r.right() - s, r.bottom());
    path.lineTo(r.left() + s, r.bottom());
    path.lineTo(r.left(), r.bottom() - s);
    path.lineTo(r.left(), r.top() + s);
    path.closeSubpath();
    return path;
}

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(std::clamp(alpha, 0, 255));
    return color;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

void glow(QPainter &p, const QPainterPath &path, const QColor &color, qreal width, int layers)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = layers; i >= 1; --i) {
        const qreal w = width * i / layers * 2.5;
        QPen pen(withAlpha(color, color.alpha() * 40 / (i * 60 + 40)), w);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawPath(path);
    }
    QPen core(color, width);
    core.setJoinStyle(Qt::RoundJoin);
    p.setPen(core);
    p.drawPath(path);
    p.restore();
}

void plate(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size, bool lit)
{
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = outline(theme, r, size);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    const QColor top = lit ? mix(theme.plateLight, theme.accent, 0.18) : theme.plateLight;
    g.setColorAt(0.0, top);
    g.setColorAt(0.45, theme.plate);
    g.setColorAt(1.0, mix(theme.plate, Qt::black, 0.45));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    // The light catches the upper edge.
    p.setClipPath(path);
    p.setPen(QPen(withAlpha(Qt::white, lit ? 60 : 34), 1));
    p.drawLine(QPointF(r.left() + size, r.top() + 1), QPointF(r.right() - size, r.top() + 1));
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lit ? theme.accent : withAlpha(theme.edge, 200), 1));
    p.drawPath(path);
    p.restore();
}

void well(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size)
{
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = outline(theme, r, size);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(theme.well);
    p.drawPath(path);
    p.setClipPath(path);
    QLinearGradient shade(r.topLeft(), QPointF(r.left(), r.top() + std::min<qreal>(8, r.height() / 2)));
    shade.setColorAt(0, withAlpha(Qt::black, 150));
    shade.setColorAt(1, withAlpha(Qt::black, 0));
    p.setBrush(shade);
    p.drawRect(r);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(theme.edge, 170), 1));
    p.drawPath(path);
    // A faint reflection on the lower edge gives the field its depth.
    p.setPen(QPen(withAlpha(Qt::white, 18), 1));
    p.drawLine(QPointF(r.left() + size, r.bottom() + 0.5), QPointF(r.right() - size, r.bottom() + 0.5));
    p.restore();
}

void litCell(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size)
{
    const QRectF r = rect.adjusted(1, 1, -1, -1);
    const QPainterPath path = outline(theme, r, size);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, theme.accentHot);
    g.setColorAt(0.5, theme.accent);
    g.setColorAt(1, theme.accentDeep);
    p.save();
    glow(p, path, withAlpha(theme.accent, 160), 1.0, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.setPen(QPen(withAlpha(Qt::white, 110), 1));
    p.drawLine(QPointF(r.left() + 2, r.top() + 1.5), QPointF(r.right() - 2, r.top() + 1.5));
    p.restore();
}

void darkCell(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size)
{
    const QRectF r = rect.adjusted(1.5, 1.5, -1.5, -1.5);
    const QPainterPath path = outline(theme, r, size);
    // Light enough that a dark mark drawn on it (the direction pad's
    // arrows) still reads.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, mix(theme.plateLight, theme.edge, 0.35));
    g.setColorAt(1, mix(theme.plate, theme.plateLight, 0.3));
    p.save();
    p.setPen(QPen(withAlpha(theme.edge, 190), 1));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

namespace {

void hexMesh(QPainter &p, const SkinTheme &theme, const QRectF &rect)
{
    const qreal side = 14;
    const qreal w = std::sqrt(3.0) * side;
    const qreal h = 1.5 * side;
    p.setPen(QPen(theme.textureInk, 1));
    p.setBrush(Qt::NoBrush);
    int row = 0;
    for (qreal y = rect.top() - side; y < rect.bottom() + side; y += h, ++row) {
        const qreal shift = (row % 2) ? w / 2 : 0;
        for (qreal x = rect.left() - w + shift; x < rect.right() + w; x += w) {
            QPainterPath hex;
            for (int k = 0; k < 6; ++k) {
                const qreal a = (60.0 * k - 30.0) * M_PI / 180.0;
                const QPointF pt(x + side * std::cos(a), y + side * std::sin(a));
                if (k == 0)
                    hex.moveTo(pt);
                else
                    hex.lineTo(pt);
            }
            hex.closeSubpath();
            p.drawPath(hex);
        }
    }
}

void carbonWeave(QPainter &p, const SkinTheme &theme, const QRectF &rect)
{
    const int cell = 8;
    p.setPen(Qt::NoPen);
    for (int y = int(rect.top()); y < rect.bottom(); y += cell) {
        for (int x = int(rect.left()); x < rect.right(); x += cell) {
            const bool across = ((x / cell) + (y / cell)) % 2 == 0;
            QLinearGradient g(across ? QPointF(x, y) : QPointF(x, y),
                              across ? QPointF(x, y + cell) : QPointF(x + cell, y));
            g.setColorAt(0, withAlpha(theme.textureInk, theme.textureInk.alpha() * 2));
            g.setColorAt(0.5, withAlpha(theme.textureInk, 0));
            g.setColorAt(1, withAlpha(Qt::black, 60));
            p.setBrush(g);
            p.drawRect(QRectF(x, y, cell - 1, cell - 1));
        }
    }
}

} // namespace

void texture(QPainter &p, const SkinTheme &theme, const QRectF &rect, const QPainterPath &clip)
{
    p.save();
    p.setClipPath(clip);
    if (theme.texture == Texture::HexMesh)
        hexMesh(p, theme, rect);
    else
        carbonWeave(p, theme, rect);
    p.restore();
}

void grain(QPainter &p, const QRectF &rect, quint32 seed, int alpha)
{
    // A small linear congruential generator: the same seed paints the same
    // grain on every build.
    quint32 state = seed;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    p.save();
    const int count = int(rect.width() * rect.height() / 9);
    for (int i = 0; i < count; ++i) {
        const qreal x = rect.left() + (next() % 100000) / 100000.0 * rect.width();
        const qreal y = rect.top() + (next() % 100000) / 100000.0 * rect.height();
        const bool light = next() % 2;
        p.setPen(withAlpha(light ? Qt::white : Qt::black, int(next() % unsigned(alpha + 1))));
        p.drawPoint(QPointF(x, y));
    }
    p.restore();
}

} // namespace kit
