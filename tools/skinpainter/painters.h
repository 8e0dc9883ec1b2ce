#pragma once
#include "tools/skinpainter/skin_theme.h"

#include <QRectF>

class QPainter;

// The painters of the skin images, by area of the window. Each paints into
// `r`, the whole image; `lit` selects the hovered or selected picture of a
// _0/_1 pair.

// Window, frame and decorations (paint_frame.cpp).
void paintMainBackground(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintPageBackground(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintFrame(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintLogo(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintDecorationLink(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintDecorationRight(QPainter &p, const QRectF &r, const SkinTheme &t);

// Bars and side menus (paint_bars.cpp).
void paintTopBar(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintBottomBar(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintProfileContainer(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintProfileLamp(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit);
void paintFunctionPlate(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit);

// Page and panel backgrounds (paint_panels.cpp).
void paintSettingsPanel(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintKeyPage(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintColorPage(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintCommonPage(QPainter &p, const QRectF &r, const SkinTheme &t);

// Icons of buttons (paint_icons.cpp).
enum class Icon {
    Setting, Minimize, Close, KeyDefine, Macro, Color, Reset, Apply, Add, Delete, Record, Stop,
    Trash, Cut, Paste, Copy
};
void paintIconButton(QPainter &p, const QRectF &r, const SkinTheme &t, Icon icon, bool lit);
void paintMenuIcon(QPainter &p, const QRectF &r, const SkinTheme &t, Icon icon, bool lit);
void paintTrayEmblem(QPainter &p, const QRectF &r, const SkinTheme &t);

// Strips, cells, fields and frames of the controls (paint_controls.cpp).
void paintStrip(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintCell(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit);
// A button group cell carries a text in the user's highlight colour, so its
// lit state is an outline, not a fill.
void paintGroupCell(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit);
void paintFileListBase(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintLine(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintField(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintFrameBox(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintCheckbox(QPainter &p, const QRectF &r, const SkinTheme &t, bool lit);
void paintGroupBase(QPainter &p, const QRectF &r, const SkinTheme &t, int columns, int rows);

// Key caps (paint_keycaps.cpp).
void paintKeyCap(QPainter &p, const QRectF &r, const SkinTheme &t);
void paintKeySelection(QPainter &p, const QRectF &r, const SkinTheme &t);
