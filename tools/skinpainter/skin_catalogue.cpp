#include "tools/skinpainter/skin_catalogue.h"

#include "tools/skinpainter/painters.h"

namespace {

// A plain image.
void add(std::vector<SkinImage> &list, const char *path, QSize size, PaintFunction paint)
{
    list.push_back({QString::fromLatin1(path), size, std::move(paint)});
}

// A _0/_1 pair: the picture at rest and the hovered or selected one.
template<typename Painter>
void pair(std::vector<SkinImage> &list, const char *stem, QSize size, Painter paint)
{
    const QString base = QString::fromLatin1(stem);
    list.push_back({base + QStringLiteral("_0.png"), size,
                    [paint](QPainter &p, const QRectF &r, const SkinTheme &t) { paint(p, r, t, false); }});
    list.push_back({base + QStringLiteral("_1.png"), size,
                    [paint](QPainter &p, const QRectF &r, const SkinTheme &t) { paint(p, r, t, true); }});
}

auto iconButton(Icon icon)
{
    return [icon](QPainter &p, const QRectF &r, const SkinTheme &t, bool lit) {
        paintIconButton(p, r, t, icon, lit);
    };
}

auto menuIcon(Icon icon)
{
    return [icon](QPainter &p, const QRectF &r, const SkinTheme &t, bool lit) {
        paintMenuIcon(p, r, t, icon, lit);
    };
}

auto groupBase(int columns, int rows)
{
    return [columns, rows](QPainter &p, const QRectF &r, const SkinTheme &t) {
        paintGroupBase(p, r, t, columns, rows);
    };
}

} // namespace

std::vector<SkinImage> skinCatalogue(const QMap<int, QSize> &capSizes)
{
    std::vector<SkinImage> list;

    // The window: backgrounds, frame, logo and decorations.
    add(list, "background_main.png", {1000, 600}, paintMainBackground);
    add(list, "background.png", {1000, 600}, paintPageBackground);
    add(list, "frame/frameBackground.png", {1000, 600}, paintFrame);
    add(list, "frame/web_0.png", {240, 44}, paintLogo);
    add(list, "frame/decoration1.png", {136, 52}, paintDecorationLink);
    add(list, "frame/decoration2.png", {136, 52}, paintDecorationRight);

    // Top bar and its three buttons.
    add(list, "list_up/listUpContainer.png", {984, 34}, paintTopBar);
    pair(list, "list_up/applicationSetting", {24, 24}, iconButton(Icon::Setting));
    pair(list, "list_up/applicationMinimize", {24, 24}, iconButton(Icon::Minimize));
    pair(list, "list_up/applicationClose", {24, 24}, iconButton(Icon::Close));

    // Bottom bar.
    add(list, "list_dn/listDnContainer.png", {982, 36}, paintBottomBar);

    // Profile menu.
    add(list, "list_pf/listPfContainer.png", {80, 380}, paintProfileContainer);
    pair(list, "list_pf/profileFW", {18, 18}, paintProfileLamp);

    // Function menu: entry plates and icons.
    pair(list, "list_fn/listFnBtn", {150, 37}, paintFunctionPlate);
    pair(list, "list_fn/fnKeydefine", {26, 26}, menuIcon(Icon::KeyDefine));
    pair(list, "list_fn/fnMacro", {26, 26}, menuIcon(Icon::Macro));
    pair(list, "list_fn/fnColor", {26, 26}, menuIcon(Icon::Color));

    // Backgrounds of the settings panel and the pages.
    add(list, "list_center/globalsettingBackground.png", {340, 420}, paintSettingsPanel);
    add(list, "list_center/fnKeydefineBackground.png", {759, 442}, paintKeyPage);
    add(list, "list_center/fnColorBackground.png", {759, 442}, paintColorPage);
    add(list, "list_center/fnCommonBackground.png", {759, 396}, paintCommonPage);

    // Controls. The strip of the 7-step slider is 141 x 21 at (5, 1) of its
    // base; cells are 19 x 19 on a 20 px pitch.
    add(list, "common/slider_BASE.png", {151, 23}, paintStrip);
    add(list, "common/slider_LgSp.png", {91, 23}, paintStrip);
    pair(list, "common/slider_FILLER", {19, 19}, paintCell);
    add(list, "common/filelist_BASE.png", {155, 206}, paintFileListBase);
    add(list, "common/draw_line.png", {151, 1}, paintLine);
    add(list, "common/draw_inputValue.png", {52, 18}, paintField);
    add(list, "common/draw_paletteIndex.png", {150, 25}, paintField);
    add(list, "common/draw_palette.png", {100, 14}, paintFrameBox);
    pair(list, "common/checkbox", {15, 15}, paintCheckbox);
    pair(list, "common/reset", {21, 21}, iconButton(Icon::Reset));
    pair(list, "common/apply", {21, 21}, iconButton(Icon::Apply));
    add(list, "common/fram_2btn.png", {56, 27}, paintFrameBox);
    pair(list, "common/add", {21, 21}, iconButton(Icon::Add));
    pair(list, "common/delete", {21, 21}, iconButton(Icon::Delete));
    pair(list, "common/record", {21, 21}, iconButton(Icon::Record));
    pair(list, "common/stop", {21, 21}, iconButton(Icon::Stop));
    pair(list, "common/solid-delete", {21, 21}, iconButton(Icon::Trash));
    pair(list, "common/solid-cut", {21, 21}, iconButton(Icon::Cut));
    pair(list, "common/solid-paste", {21, 21}, iconButton(Icon::Paste));
    pair(list, "common/solid-copy", {21, 21}, iconButton(Icon::Copy));
    add(list, "common/btnFileListFrame.png", {25, 25}, paintFrameBox);
    add(list, "common/btnFrame.png", {25, 25}, paintFrameBox);
    // Button groups: cells of 36 x 20 on a 37 px pitch from (3, 2); rows 21
    // px apart.
    add(list, "common/btnGroup_4_BASE.png", {153, 24}, groupBase(4, 1));
    add(list, "common/btnGroup_8_BASE.png", {153, 45}, groupBase(4, 2));
    pair(list, "common/btnGroup_FILLER", {36, 20}, paintGroupCell);
    // The 11-step slider: cells of 26 x 19 on a 28 px pitch.
    add(list, "common/slider_11_BASE.png", {319, 23}, paintStrip);
    pair(list, "common/slider_11_FILLER", {26, 19}, paintCell);

    // Key caps: the cap and its selection frame, per key type.
    for (auto it = capSizes.cbegin(); it != capSizes.cend(); ++it) {
        const QString stem = QStringLiteral("model_kb/k%1").arg(it.key());
        list.push_back({stem + QStringLiteral("-0.png"), it.value(), paintKeyCap});
        list.push_back({stem + QStringLiteral("-1.png"), it.value(), paintKeySelection});
    }
    return list;
}
