import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The key fields (drop box, key detection, combination capture) and the
// clickable marks (two-state button, check box, option button).
SceneCase {
    id: mainIten
    name: "KeyControls"

    KeyInput { id: dropBox; x: 20; y: 20 }
    KeyInput_2 { id: detector; x: 20; y: 60 }
    ComboBox { id: combo; x: 20; y: 100 }
    Checkbox { id: check; x: 20; y: 140; chkStr: "GAMING MODE" }
    RadioButton { id: radio; x: 20; y: 170; chkStr: "ONE"; index: 3 }
    Button_2state {
        id: button
        x: 20; y: 200
        source0: sourceApply_0
        source1: sourceApply_1
        property int soundsAtClick: -1
        onClicked: soundsAtClick = ui_View.journal.count("ui_View.playMedia_Index")
    }
    Item { id: away; x: 600; y: 500; width: 10; height: 10 }

    SignalSpy { id: clearSpy; target: dropBox; signalName: "clearKey" }
    SignalSpy { id: completeSpy; target: detector; signalName: "inputComplete" }
    SignalSpy { id: comboSpy; target: combo; signalName: "clearKey" }
    SignalSpy { id: checkSpy; target: check; signalName: "clicked" }
    SignalSpy { id: radioSpy; target: radio; signalName: "clicked" }
    SignalSpy { id: buttonSpy; target: button; signalName: "clicked" }

    function init() {
        ui_View.reset()
        useSmallKeyTable()
        // A test click presses without moving the pointer there first, which
        // leaves a stale hover behind; crossing the field and leaving it
        // again, as a real pointer does, settles it.
        mouseMove(dropBox)
        mouseMove(away)
        for (const spy of [clearSpy, completeSpy, comboSpy, checkSpy, radioSpy, buttonSpy])
            spy.clear()
        dropBox.keycodeUSB = -1
        dropBox.keyname = ""
        dropBox.isIn = false
        detector.setKeycodeUSB(0)
        combo.isIn = false
        combo.keyname = "【 COMBO KEYS 】"
        combo.keyCount = 0
        combo.keycodeUSB0 = 0
        combo.keycodeUSB1 = 0
        combo.keycodeUSB2 = 0
        check.isSelect = false
        check.enabled = true
        radio.isSelect = false
        button.enabled = true
        button.soundsAtClick = -1
    }

    function sounds() {
        return calls("ui_View.playMedia_Index").map(function(args) { return args[0] })
    }

    // ---- KeyInput

    function test_dropBoxShowsTheKey() {
        var text = findChild(dropBox, "keyInputText")
        compare(text.text, "【 KEYS 】")
        dropBox.setKeycodeUSB(5)
        compare(dropBox.keycodeUSB, 5)
        compare(dropBox.keyname, "B")
        compare(text.text, "B")
        mouseMove(dropBox)
        compare(text.text, "╳", "the cancel mark while hovered")
        mouseMove(away)
        compare(text.text, "B")
    }

    function test_dropBoxWithUnnamedCode() {
        dropBox.setKeycodeUSB(5)
        dropBox.setKeycodeUSB(99)
        compare(dropBox.keycodeUSB, -1)
        compare(dropBox.keyname, "")
        compare(findChild(dropBox, "keyInputText").text, "【 KEYS 】")
    }

    function test_dropBoxClickClears() {
        dropBox.setKeycodeUSB(4)
        mouseClick(dropBox)
        compare(dropBox.keycodeUSB, -1)
        compare(clearSpy.count, 1)
        compare(sounds(), [], "no click sound")
    }

    function test_dropBoxBorderWhileAKeyIsOver() {
        var normal = String(dropBox.border.color)
        dropBox.isIn = true
        verify(!Qt.colorEqual(dropBox.border.color, normal))
        verify(Qt.colorEqual(dropBox.border.color, globalSetting_color))
    }

    // ---- KeyInput_2

    function test_detectorTakesTheFirstEventWhileWaiting() {
        detector.detectKeyboard(true, 4)
        compare(completeSpy.count, 0, "not waiting: nothing taken")
        mouseClick(detector)
        compare(detector.isSelect, true)
        detector.detectKeyboard(false, 5)
        compare(detector.isSelect, false)
        compare(detector.tmpKeycodeUSB, 5, "a release counts too")
        compare(detector.tmpKeyString, "B")
        compare(completeSpy.count, 1)
        compare(completeSpy.signalArguments[0][0], 5)
        compare(detector.text.text, "KEY 【 B 】")
        detector.detectKeyboard(true, 6)
        compare(detector.tmpKeycodeUSB, 5, "only the first event")
    }

    function test_detectorToggles() {
        detector.setKeycodeUSB(4)
        mouseClick(detector)
        compare(detector.isSelect, true)
        compare(detector.tmpKeycodeUSB, 0, "a click clears the key")
        mouseClick(detector)
        compare(detector.isSelect, false, "a second click stops waiting")
        compare(detector.tmpKeycodeUSB, 0)
        compare(detector.text.text, "KEY【 PRESS ANY 】")
    }

    function test_detectorWithUnnamedOrNegativeCode_data() {
        return [ { tag: "unnamed", code: 77 }, { tag: "negative", code: -3 }, { tag: "not a number", code: "x" } ]
    }

    function test_detectorWithUnnamedOrNegativeCode(data) {
        mouseClick(detector)
        detector.detectKeyboard(true, data.code)
        compare(detector.isSelect, false)
        compare(detector.tmpKeycodeUSB, 0)
        compare(detector.tmpKeyString, "")
        compare(completeSpy.count, 1)
    }

    // ---- ComboBox

    function test_comboCollectsThreePresses() {
        msg_KB(true, 4)
        compare(combo.keyCount, 0, "presses before the click are not captured")
        mouseClick(findChild(combo, "comboField"))
        compare(combo.isIn, true)
        compare(combo.keyname, "【 COMBO KEY 】")
        msg_KB(true, 224)
        msg_KB(false, 224)
        msg_KB(true, 4)
        msg_KB(false, 4)
        msg_KB(true, 6)
        msg_KB(true, 40)
        compare(combo.keyCount, 3)
        compare([combo.keycodeUSB0, combo.keycodeUSB1, combo.keycodeUSB2], [224, 4, 6])
        compare(combo.keyname, "L-CTRL+A+C", "releases never count; a fourth press changes nothing")
        mouseClick(findChild(combo, "comboApply"))
        compare(combo.isIn, false)
        compare(comboSpy.count, 1)
        msg_KB(true, 5)
        compare(combo.keyname, "L-CTRL+A+C", "after the capture ends")
    }

    function test_comboRestartClearsTheCodes() {
        mouseClick(findChild(combo, "comboField"))
        msg_KB(true, 4)
        mouseClick(findChild(combo, "comboField"))
        compare(combo.keyCount, 0)
        compare(combo.keycodeUSB0, 0)
        compare(combo.keyname, "【 COMBO KEY 】")
    }

    function test_comboUnnamedKeyShowsItsCode() {
        mouseClick(findChild(combo, "comboField"))
        msg_KB(true, 0x87)
        msg_KB(true, 5)
        compare(combo.keyname, "0x87+B")
        compare(combo.keycodeUSB0, 0x87)
    }

    function test_comboShowsStoredKeys_data() {
        return [
            { tag: "base and one", codes: [4, 5, 0], shown: "A+B" },
            { tag: "base and two", codes: [4, 5, 6], shown: "A+B+C" },
            { tag: "base only", codes: [4, 0, 0], shown: "before" },
            { tag: "unnamed base", codes: [99, 5, 6], shown: "before" },
        ]
    }

    function test_comboShowsStoredKeys(data) {
        combo.keyname = "before"
        combo.keycodeUSB0 = 1
        combo.setKeycodeUSB(data.codes[0], data.codes[1], data.codes[2])
        compare(combo.keyname, data.shown)
        compare(combo.keycodeUSB0, 1, "the stored codes stay")
        compare(combo.keyCount, 0)
    }

    function test_comboTextFadesWhilePressed() {
        var field = findChild(combo, "comboField")
        var text = findChild(combo, "comboText")
        mousePress(field)
        compare(text.opacity, 0.5)
        mouseRelease(field)
        compare(text.opacity, 1)
    }

    // ---- Checkbox, RadioButton, Button_2state

    function test_checkboxToggles() {
        mouseClick(check)
        compare(check.isSelect, true)
        compare(checkSpy.signalArguments[0][0], true, "the new state")
        mouseClick(check)
        compare(check.isSelect, false)
        compare(checkSpy.signalArguments[1][0], false)
        compare(sounds(), [4, 4])
    }

    function test_checkboxDisabled() {
        check.enabled = false
        compare(check.opacity, 0.2)
        mouseClick(check)
        compare(check.isSelect, false)
        compare(checkSpy.count, 0)
        compare(sounds(), [])
    }

    function test_radioLeavesTheChoiceToItsOwner() {
        mouseClick(radio)
        compare(radioSpy.count, 1)
        compare(radioSpy.signalArguments[0][0], 3)
        compare(radio.isSelect, false)
        compare(sounds(), [4])
    }

    function test_buttonPlaysItsSoundFirst() {
        mouseClick(button)
        compare(buttonSpy.count, 1)
        compare(button.soundsAtClick, 1, "the sound is asked for before clicked is emitted")
        compare(sounds(), [4])
    }

    function test_buttonImagesAndOpacity() {
        verify(String(button.source).endsWith("apply_0.png"))
        mouseMove(button)
        verify(String(button.source).endsWith("apply_1.png"), "hovered")
        mousePress(button)
        compare(button.opacity, 0.2, "pressed")
        mouseRelease(button)
        compare(button.opacity, 1)
        button.enabled = false
        compare(button.opacity, 0.2)
        verify(String(button.source).endsWith("apply_0.png"), "no hover image while disabled")
        mouseClick(button)
        compare(buttonSpy.count, 1)
    }
}
