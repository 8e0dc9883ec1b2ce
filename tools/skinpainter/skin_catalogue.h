#pragma once
#include "tools/skinpainter/skin_theme.h"

#include <QMap>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

using PaintFunction = std::function<void(QPainter &, const QRectF &, const SkinTheme &)>;

// One image of a skin folder: its path inside the folder, its size and how
// it is painted.
struct SkinImage
{
    QString path;
    QSize size;
    PaintFunction paint;
};

// Every image of a skin folder. `capSizes` maps each key type of the layout
// to the size of its key cap.
std::vector<SkinImage> skinCatalogue(const QMap<int, QSize> &capSizes);
