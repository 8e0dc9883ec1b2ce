#include "tools/skinpainter/skin_theme.h"

const std::vector<SkinTheme> &skinThemes()
{
    static const std::vector<SkinTheme> themes = {
        {
            1, QStringLiteral("Graphite"), CornerStyle::Rounded, Texture::HexMesh, 16.0,
            QColor(0x1b, 0x21, 0x2b),        // windowTop
            QColor(0x07, 0x09, 0x0d),        // windowBottom
            QColor(0x2a, 0xe8, 0xff, 22),    // textureInk
            QColor(0x0a, 0x0f, 0x16, 215),   // panel
            QColor(0x2a, 0xd8, 0xf0, 90),    // panelEdge
            QColor(0x1c, 0x23, 0x2e),        // plate
            QColor(0x33, 0x3e, 0x4e),        // plateLight
            QColor(0x05, 0x07, 0x0a),        // well
            QColor(0x4a, 0x58, 0x6a),        // edge
            QColor(0x00, 0xe5, 0xff),        // accent
            QColor(0x8c, 0xf6, 0xff),        // accentHot
            QColor(0x00, 0x5f, 0x8a),        // accentDeep
            QColor(0x9a, 0xa8, 0xb8),        // glyph
            QColor(0xff, 0x3b, 0x4e),        // danger
            QColor(0x2b, 0x31, 0x3b),        // keyTop
            QColor(0x11, 0x14, 0x19),        // keySide
        },
        {
            2, QStringLiteral("Ember"), CornerStyle::Chamfered, Texture::CarbonWeave, 14.0,
            QColor(0x2a, 0x1a, 0x15),        // windowTop
            QColor(0x0b, 0x07, 0x06),        // windowBottom
            QColor(0xff, 0x8a, 0x3d, 16),    // textureInk
            QColor(0x14, 0x0c, 0x0a, 215),   // panel
            QColor(0xff, 0x8a, 0x3d, 95),    // panelEdge
            QColor(0x2b, 0x1d, 0x19),        // plate
            QColor(0x4a, 0x33, 0x2b),        // plateLight
            QColor(0x0a, 0x06, 0x05),        // well
            QColor(0x6e, 0x4d, 0x40),        // edge
            QColor(0xff, 0x7a, 0x1a),        // accent
            QColor(0xff, 0xc0, 0x6e),        // accentHot
            QColor(0x8a, 0x1c, 0x10),        // accentDeep
            QColor(0xc4, 0xa8, 0x98),        // glyph
            QColor(0xff, 0x2d, 0x2d),        // danger
            QColor(0x36, 0x29, 0x25),        // keyTop
            QColor(0x16, 0x0f, 0x0d),        // keySide
        },
    };
    return themes;
}
