#include "tools/skinpainter/painters.h"

#include "tools/skinpainter/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>

// A key cap: a darker skirt and a lighter, slightly dished top face, so the
// coloured label on it stands out.
void paintKeyCap(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF skirt = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    QLinearGradient side(skirt.topLeft(), skirt.bottomLeft());
    side.setColorAt(0, kit::mix(t.keySide, t.keyTop, 0.4));
    side.setColorAt(1, t.keySide);
    p.setPen(QPen(kit::withAlpha(Qt::black, 200), 1));
    p.setBrush(side);
    p.drawPath(kit::outline(t, skirt, 4));

    const QRectF face = skirt.adjusted(2.5, 1.5, -2.5, -4.5);
    QLinearGradient top(face.topLeft(), face.bottomLeft());
    top.setColorAt(0, kit::mix(t.keyTop, Qt::white, 0.12));
    top.setColorAt(0.5, t.keyTop);
    top.setColorAt(1, kit::mix(t.keyTop, Qt::black, 0.15));
    p.setPen(QPen(kit::withAlpha(Qt::white, 22), 1));
    p.setBrush(top);
    p.drawPath(kit::outline(t, face, 3));
    p.restore();
}

// The selection frame drawn over a cap: a lit outline, open inside.
void paintKeySelection(QPainter &p, const QRectF &r, const SkinTheme &t)
{
    const QRectF frame = r.adjusted(1.5, 1.5, -1.5, -1.5);
    const QPainterPath shape = kit::outline(t, frame, 4);
    p.save();
    p.setBrush(kit::withAlpha(t.accent, 34));
    p.setPen(Qt::NoPen);
    p.drawPath(shape);
    kit::glow(p, shape, t.accent, 1.6, 2);
    p.restore();
}
