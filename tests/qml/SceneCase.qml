import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/basic/DefaultStrings.js" as DefaultStrings

// A test case that stands where the scene's root stands for a control: it
// holds the global look, the key stream signal and a key code translator.
// A test file names its SceneCase "mainIten", as the scene names its root.
TestCase {
    id: sceneCase

    when: windowShown
    visible: true
    width: 1000
    height: 600

    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 800
    property var globalSetting_stringList: DefaultStrings.list
    property string globalSetting_fontFamily: "Arial"
    property bool isEnglish: true
    property int skin_No: 1
    readonly property string skinFolder: "file:modules/img/skin" + skin_No + "/"
    property url sourceSlider_BASE: skinFolder + "common/slider_BASE.png"
    property url sourceSlider_LgSp: skinFolder + "common/slider_LgSp.png"
    property url sourceSlider_FILLER_0: skinFolder + "common/slider_FILLER_0.png"
    property url sourceSlider_FILLER_1: skinFolder + "common/slider_FILLER_1.png"
    property url sourceSlider_11_BASE: skinFolder + "common/slider_11_BASE.png"
    property url sourceSlider_11_FILLER_0: skinFolder + "common/slider_11_FILLER_0.png"
    property url sourceSlider_11_FILLER_1: skinFolder + "common/slider_11_FILLER_1.png"
    property url sourceFilelist_BASE: skinFolder + "common/filelist_BASE.png"
    property url sourceDraw_line: skinFolder + "common/draw_line.png"
    property url sourceCheckbox_0: skinFolder + "common/checkbox_0.png"
    property url sourceCheckbox_1: skinFolder + "common/checkbox_1.png"
    property url sourceApply_0: skinFolder + "common/apply_0.png"
    property url sourceApply_1: skinFolder + "common/apply_1.png"
    property url sourceReset_0: skinFolder + "common/reset_0.png"
    property url sourceReset_1: skinFolder + "common/reset_1.png"
    property url sourceBtnGroup_4_BASE: skinFolder + "common/btnGroup_4_BASE.png"
    property url sourceBtnGroup_8_BASE: skinFolder + "common/btnGroup_8_BASE.png"
    property url sourceBtnGroup_FILLER_0: skinFolder + "common/btnGroup_FILLER_0.png"
    property url sourceBtnGroup_FILLER_1: skinFolder + "common/btnGroup_FILLER_1.png"

    property alias _KeyCodeString: translator

    signal msg_KB(bool isDown, int usbCode)

    KeyCodeString { id: translator }

    // Names for a few USB codes: A (4), B (5), C (6), ENTER (40), L-CTRL (224).
    function useSmallKeyTable() {
        translator.initUI([], ["A", "B", "C", "ENTER", "L-CTRL"], [4, 5, 6, 40, 224])
    }

    function init() {
        ui_View.reset()
        animation_speed = 800
        isEnglish = true
        useSmallKeyTable()
    }

    // A scene file that warned (a script error, a missing image) failed.
    function cleanup() {
        compare(ui_View.sceneWarnings, [], "warnings from the scene")
    }

    function calls(name) { return ui_View.journal.argsOf(name) }
    function callNames(prefix) { return ui_View.journal.names(prefix) }
}
