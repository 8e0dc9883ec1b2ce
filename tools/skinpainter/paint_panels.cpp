#include "tools/skinpainter/painters.h"

#include "tools/skinpainter/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// A translucent panel with a lit border and a title band.
void panel(QPainter &p, const QRectF &r, const SkinTheme &t, qreal band, int alpha = -1)
{
    const QRectF box = r.adjusted(1, 1, -1, -1);
    const QPainterPath shape = kit::outline(t, box, 12);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(alpha < 0 ? t.panel : kit::withAlpha(t.panel, alpha));
    p.drawPath(shape);
    p.setClipPath(shape);
    kit::grain(p, box, 0x9a9e1u + quint32(r.width()), 8);
    if (band > 0) {
        QLinearGradient g(0, box.top(), 0, box.top() + band);
        g.setColorAt(0, kit::withAlpha(t.accent, 60));
        g.setColorAt(1, kit::withAlpha(t.accent, 0));
        p.setBrush(g);
        p.drawRect(QRectF(box.left(), box.top(), box.width(), band));
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(t.panelEdge, 1));
    p.drawPath(shape);
    // Bright ticks on the top corners.
    QPainterPath ticks;
    ticks.moveTo(box.left() + 14, box.top() + 0.5);
    ticks.lineTo(box.left() + 70, box.top() + 0.5);
    ticks.moveTo(box.right() - 70, box.top() + 0.5);
    ticks.lineTo(box.right() - 14, box.top() + 0.5);
    kit::glow(p, ticks, t.accent, 1.5, 3);
    p.restore();
}

void separator(QPainter &p, const SkinTheme &t, qreal x0, qreal x1, qreal y)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, kit::withAlpha(t.panelEdge, 0));
    g.setColorAt(0.5, t.panelEdge);
    g.setColorAt(1, kit::withAlpha(t.panelEdge, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(x0, y, x1 - x0, 1));
    p.restore();
}

} // namespace

void paintSettingsPanel(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    // The settings panel lies over the function menu: nearly opaque.
    panel(p, r, t, 30, 245);
    separator(p, t, 16, r.width() - 16, 150);
    separator(p, t, 16, r.width() - 16, r.height() - 44);
}

// The key definition and colour pages hold the 738 x 250 keyboard picture
// at the top and their controls below it.
void paintKeyPage(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    panel(p, r, t, 0);
    kit::well(p, t, QRectF(8, 8, r.width() - 16, 262), 10);
    separator(p, t, 20, r.width() - 20, 282);
}

void paintColorPage(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    panel(p, r, t, 0);
    kit::well(p, t, QRectF(8, 8, r.width() - 16, 262), 10);
    separator(p, t, 20, r.width() - 20, 282);
}

void paintCommonPage(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    panel(p, r, t, 36);
    separator(p, t, 20, r.width() - 20, 40);
}
