#pragma once
#include <QColor>
#include <QString>

#include <vector>

// How the outlines of a skin are cut.
enum class CornerStyle { Rounded, Chamfered };

// The surface texture of a skin's window background.
enum class Texture { HexMesh, CarbonWeave };

// The colours and shapes of one skin. Every image of the skin is painted
// from these values only, so a skin is changed here and nowhere else.
struct SkinTheme
{
    int number;            // the folder is skin<number>
    QString name;
    CornerStyle corners;
    Texture texture;
    qreal radius;          // corner radius (Rounded) or cut (Chamfered) of large shapes

    QColor windowTop;      // the window background gradient
    QColor windowBottom;
    QColor textureInk;     // the background texture's lines
    QColor panel;          // page and panel fill (translucent)
    QColor panelEdge;      // their thin border
    QColor plate;          // bars, buttons and strips
    QColor plateLight;     // the lit top of plates
    QColor well;           // recessed fields
    QColor edge;           // muted outlines
    QColor accent;         // highlights and lit cells
    QColor accentHot;      // hovered and selected images
    QColor accentDeep;     // the dark end of accent gradients
    QColor glyph;          // icons at rest
    QColor danger;         // the record button
    QColor keyTop;         // key caps
    QColor keySide;
};

// The skins the program ships, skin1 first.
const std::vector<SkinTheme> &skinThemes();
