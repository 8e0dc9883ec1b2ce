#pragma once
#include "tools/skinpainter/skin_theme.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Drawing helpers shared by all painters: the skin's outline shapes, glows,
// bevels and textures.
namespace kit {

// The outline of a shape in the skin's corner style; `size` is the corner
// radius or cut.
QPainterPath outline(const SkinTheme &theme, const QRectF &rect, qreal size);

QColor withAlpha(QColor color, int alpha);
QColor mix(const QColor &a, const QColor &b, qreal t);

// A soft glow along a path: several widening strokes of falling alpha.
void glow(QPainter &p, const QPainterPath &path, const QColor &color, qreal width, int layers = 4);

// A raised plate: gradient fill, a light top edge and a dark outline.
void plate(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size, bool lit);

// A recessed field: dark fill with an inner shadow at the top.
void well(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size);

// A lit cell of sliders and button groups: an accent gradient with a glow.
void litCell(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size);
void darkCell(QPainter &p, const SkinTheme &theme, const QRectF &rect, qreal size);

// The skin's surface texture over `rect`, clipped to `clip`.
void texture(QPainter &p, const SkinTheme &theme, const QRectF &rect, const QPainterPath &clip);

// Fine deterministic grain, so large surfaces do not look flat.
void grain(QPainter &p, const QRectF &rect, quint32 seed, int alpha);

} // namespace kit
