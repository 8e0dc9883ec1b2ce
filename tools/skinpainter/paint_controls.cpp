#include "tools/skinpainter/painters.h"

#include "tools/skinpainter/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>

void paintStrip(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    kit::well(p, t, r, 5);
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, kit::withAlpha(t.accent, 0));
    g.setColorAt(0.5, kit::withAlpha(t.accent, 110));
    g.setColorAt(1, kit::withAlpha(t.accent, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(r.left() + 6, r.bottom() - 1.5, r.width() - 12, 1));
    p.restore();
}

void paintCell(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit)
{
    if (lit)
        kit::litCell(p, t, r, 3);
    else
        kit::darkCell(p, t, r, 3);
}

void paintGroupCell(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit)
{
    if (!lit) {
        kit::darkCell(p, t, r, 3);
        return;
    }
    const QRectF cell = r.adjusted(1.5, 1.5, -1.5, -1.5);
    const QPainterPath shape = kit::outline(t, cell, 3);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(t.well);
    p.drawPath(shape);
    p.setBrush(kit::withAlpha(t.accent, 46));
    p.drawPath(shape);
    kit::glow(p, shape, t.accent, 1.2, 2);
    p.restore();
}

void paintFileListBase(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    kit::plate(p, t, r, 6, false);
    kit::well(p, t, r.adjusted(1, 2, -1, -2), 4);
}

void paintLine(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, kit::withAlpha(t.edge, 0));
    g.setColorAt(0.5, kit::withAlpha(t.edge, 220));
    g.setColorAt(1, kit::withAlpha(t.edge, 0));
    p.fillRect(r, g);
}

void paintField(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    kit::well(p, t, r, 4);
}

void paintFrameBox(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    p.setBrush(kit::withAlpha(Qt::black, 70));
    p.setPen(QPen(kit::withAlpha(t.edge, 200), 1));
    p.drawPath(kit::outline(t, box, 5));
    // Lit corner ticks.
    const qreal k = std::min<qreal>(6, box.width() / 4);
    QPainterPath ticks;
    ticks.moveTo(box.left(), box.top() + k);
    ticks.lineTo(box.left(), box.top() + 2);
    ticks.moveTo(box.left() + 2, box.top());
    ticks.lineTo(box.left() + k, box.top());
    ticks.moveTo(box.right(), box.bottom() - k);
    ticks.lineTo(box.right(), box.bottom() - 2);
    ticks.moveTo(box.right() - 2, box.bottom());
    ticks.lineTo(box.right() - k, box.bottom());
    p.setPen(QPen(t.accent, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ticks);
    p.restore();
}

void paintCheckbox(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit)
{
    kit::well(p, t, r, 3);
    if (!lit)
        return;
    p.save();
    const QRectF inner = r.adjusted(3, 3, -3, -3);
    kit::litCell(p, t, inner.adjusted(-1, -1, 1, 1), 2);
    QPainterPath tick;
    tick.moveTo(inner.left() + 1.5, inner.center().y());
    tick.lineTo(inner.center().x() - 0.5, inner.bottom() - 1.5);
    tick.lineTo(inner.right() - 1, inner.top() + 1.5);
    QPen pen(t.well, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.restore();
}

void paintGroupBase(QPainter &p, const QRectF &r, const SkinTheme &t, int columns, int rows)
{
    kit::well(p, t, r, 4);
    p.save();
    p.setPen(QPen(kit::withAlpha(t.edge, 90), 1));
    for (int c = 1; c < columns; ++c) {
        const qreal x = 3 + c * 37 - 0.5;
        p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
    }
    for (int row = 1; row < rows; ++row) {
        const qreal y = 2 + row * 21 - 0.5;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
    p.restore();
}
