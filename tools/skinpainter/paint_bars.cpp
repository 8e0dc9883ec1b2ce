#include "tools/skinpainter/painters.h"

#include "tools/skinpainter/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

// A thin accent line that fades out towards both ends.
void fadingLine(QPainter &p, const SkinTheme &t, qreal x0, qreal x1, qreal y, int alpha)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, kit::withAlpha(t.accent, 0));
    g.setColorAt(0.5, kit::withAlpha(t.accent, alpha));
    g.setColorAt(1, kit::withAlpha(t.accent, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(x0, y, x1 - x0, 1.5));
    p.restore();
}

} // namespace

void paintTopBar(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF bar = r.adjusted(0, 4, 0, -4);
    kit::plate(p, t, bar, 8, false);
    // The raised middle behind the logo.
    const qreal notch = 300;
    QPainterPath middle;
    const qreal cx = r.center().x();
    middle.moveTo(cx - notch / 2 - 18, bar.bottom());
    middle.lineTo(cx - notch / 2, r.top());
    middle.lineTo(cx + notch / 2, r.top());
    middle.lineTo(cx + notch / 2 + 18, bar.bottom());
    middle.closeSubpath();
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, t.plateLight);
    g.setColorAt(1, kit::mix(t.plate, Qt::black, 0.5));
    p.save();
    p.setPen(QPen(kit::withAlpha(t.edge, 220), 1));
    p.setBrush(g);
    p.drawPath(middle);
    p.restore();
    fadingLine(p, t, cx - notch / 2, cx + notch / 2, r.bottom() - 6, 230);
    fadingLine(p, t, r.left() + 20, cx - notch / 2 - 30, bar.bottom() - 2, 120);
    fadingLine(p, t, cx + notch / 2 + 30, r.right() - 20, bar.bottom() - 2, 120);
    // The well that holds the three window buttons.
    kit::well(p, t, QRectF(r.right() - 106, bar.top() + 2, 100, bar.height() - 4), 6);
}

void paintBottomBar(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF bar = r.adjusted(0, 3, 0, -3);
    kit::plate(p, t, bar, 8, false);
    fadingLine(p, t, r.left() + 30, r.right() - 30, bar.top() + 2, 170);
    // Dotted ornament at the left end.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        p.setBrush(kit::withAlpha(t.accent, 200 - i * 12));
        p.drawEllipse(QPointF(r.left() + 26 + i * 9, r.center().y()), 1.6, 1.6);
    }
    p.restore();
    // The well behind ALL RESET and ALL SAVE.
    kit::well(p, t, QRectF(r.right() - 250, bar.top() + 4, 232, bar.height() - 8), 6);
}

void paintProfileContainer(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    kit::plate(p, t, r.adjusted(0, 0, 0, 0), 10, false);
    // A stack of layers: the sign of profiles.
    p.save();
    const QPointF c(r.center().x() + 8, 64);
    for (int i = 2; i >= 0; --i) {
        QPainterPath layer;
        const qreal y = c.y() + i * 6;
        layer.moveTo(c.x() - 16, y);
        layer.lineTo(c.x(), y - 7);
        layer.lineTo(c.x() + 16, y);
        layer.lineTo(c.x(), y + 7);
        layer.closeSubpath();
        p.setPen(QPen(kit::withAlpha(t.accent, 255 - i * 60), 1.4));
        p.setBrush(kit::withAlpha(t.accent, 40 - i * 10));
        p.drawPath(layer);
    }
    p.restore();
    // The list area of ten entries.
    const QRectF list(18, 93, r.width() - 24, 26 * 10 + 8);
    kit::well(p, t, list, 6);
    p.save();
    for (int i = 1; i < 10; ++i) {
        p.setPen(QPen(kit::withAlpha(t.edge, 70), 1));
        p.drawLine(QPointF(list.left() + 6, 97 + i * 26 + 0.5), QPointF(list.right() - 6, 97 + i * 26 + 0.5));
    }
    p.restore();
    fadingLine(p, t, r.left() + 10, r.right() - 10, r.bottom() - 10, 200);
}

void paintProfileLamp(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit)
{
    const QPointF c = r.center();
    p.save();
    p.setPen(QPen(lit ? t.accent : t.edge, 1.2));
    p.setBrush(t.well);
    p.drawEllipse(c, 6.5, 6.5);
    if (lit) {
        QRadialGradient g(c, 8);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.35, t.accentHot);
        g.setColorAt(0.7, t.accent);
        g.setColorAt(1, kit::withAlpha(t.accent, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 8.5, 8.5);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kit::withAlpha(t.accentDeep, 200));
        p.drawEllipse(c, 3, 3);
    }
    p.restore();
}

void paintFunctionPlate(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit)
{
    const QRectF plate = r.adjusted(1, 1, -1, -1);
    kit::plate(p, t, plate, 7, lit);
    p.save();
    // The marker at the left edge.
    const QRectF marker(plate.left() + 2, plate.top() + 7, 3, plate.height() - 14);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? t.accentHot : kit::withAlpha(t.accent, 110));
    p.drawRect(marker);
    if (lit)
        kit::glow(p, kit::outline(t, plate, 7), kit::withAlpha(t.accent, 170), 1.0, 4);
    p.restore();
}
