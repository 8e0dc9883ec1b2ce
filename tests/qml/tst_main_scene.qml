import QtQuick
import QtTest

// The root's other duties: the key stream, ignored mouse events, skins,
// translations, the bars and the function menu, the web link, window
// dragging and minimising.
MainSceneCase {
    name: "MainScene"

    Component { id: spyComponent; SignalSpy {} }
    Component { id: imageComponent; Image { asynchronous: false } }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, this, { target: target, signalName: signalName })
    }

    function test_keyStream() {
        var root = spy(scene, "msg_KB")
        var main = spy(item("main_T7"), "msg_KB")
        scene.detectKeyboard(true, 30)
        scene.detectKeyboard(false, 30)
        compare(root.count, 2)
        compare(root.signalArguments[0][0], true)
        compare(root.signalArguments[0][1], 30)
        compare(root.signalArguments[1][0], false)
        compare(main.count, 2, "the main area passes every event on")
        compare(item("main_T7").lastPressKeyCode, 30)
        scene.detectKeyboard(false, 31)
        compare(item("main_T7").lastPressKeyCode, 30, "only presses are remembered")
        compare(scene.keyEvents, 3)
    }

    function test_keyStreamDropsOddCodes() {
        var root = spy(scene, "msg_KB")
        scene.detectKeyboard(true, "x")
        scene.detectKeyboard(true, undefined)
        compare(root.count, 0)
        scene.detectKeyboard("yes", "7")
        compare(root.count, 1)
        compare(root.signalArguments[0][1], 7)
    }

    function test_mouseEventsChangeNothing() {
        startScene(10)
        var before = [item("pageArea").curID, item("fnItem").currentIndex, item("pfItem").currentIndex]
        scene.detectMouse(true, 0xF0, 4294967196, 5)
        scene.detectMouse(false, 0xF1, 10, 10)
        compare(callNames(), [], "no native call")
        compare([item("pageArea").curID, item("fnItem").currentIndex, item("pfItem").currentIndex], before)
        compare(scene.mouseEvents, 2)
    }

    function test_everyImagePropertyLoadsInBothSkins() {
        var names = Object.keys(scene).filter(function(k) {
            return k.indexOf("source") === 0 && k !== "sourceCustomBackground" && typeof scene[k] !== "function"
        })
        verify(names.length >= 70, names.length + " image properties")
        for (var skin = 1; skin <= 2; ++skin) {
            settings().skin_No = skin
            for (var i = 0; i < names.length; ++i) {
                var url = String(scene[names[i]])
                verify(url.indexOf("file:modules/img/skin" + skin + "/") === 0, names[i] + " " + url)
                var image = createTemporaryObject(imageComponent, this, { source: url })
                compare(image.status, Image.Ready, names[i] + " " + url)
            }
            var cap = createTemporaryObject(imageComponent, this, { source: scene.keyCapSource(1, false) })
            compare(cap.status, Image.Ready)
            var frame = createTemporaryObject(imageComponent, this, { source: scene.keyCapSource(9, true) })
            compare(frame.status, Image.Ready)
            compare(String(frame.source), "file:modules/img/skin" + skin + "/model_kb/k9-1.png")
        }
    }

    function test_skinChange() {
        startScene(10)
        mouseClick(item("fnEntry0"))
        var icon = item("fnIcon0")
        verify(String(icon.source).indexOf("/skin1/list_fn/fnKeydefine_1.png") > 0)
        settings().skin_No = 2
        verify(String(item("backgroundImage").source).indexOf("/skin2/") > 0, "bound images follow at once")
        scene.setSkin()
        for (var i = 0; i < 4; ++i)
            verify(String(item("fnIcon" + i).source).indexOf("/skin2/list_fn/") > 0, "icon " + i)
        verify(String(item("fnIcon3").source).endsWith("fnColor_0.png"), "entries 2 and 3 share the colour icon")
    }

    function test_translation() {
        var strings = settings()._StringList.slice()
        strings[74] = "TASTEN"
        strings[75] = "MAKRO"
        strings[76] = "FARBE"
        strings[86] = "LICHT"
        strings[113] = "ALLES ZURÜCK"
        settings()._StringList = strings
        compare(item("fnLabel3").text, "BACKLIGHTING", "list texts change only when translated")
        scene.translateStrings("007000")
        compare([item("fnLabel0").text, item("fnLabel1").text, item("fnLabel2").text, item("fnLabel3").text],
                ["TASTEN", "MAKRO", "FARBE", "LICHT"])
        compare(scene.globalSetting_stringList[113], "ALLES ZURÜCK", "bound texts follow by themselves")
    }

    function test_shortOrOddLanguageListsAreCompleted() {
        settings()._StringList = ["Nazli", "گزینه‌ها", null, 42]
        var list = scene.globalSetting_stringList
        compare(list.length, 115)
        compare(list[0], "Nazli")
        compare(list[1], "گزینه‌ها")
        compare(list[2], "LOOP", "a missing entry keeps its default text")
        compare(list[3], "42")
        compare(list[114], "ALL SAVE")
        settings()._StringList = "not a list"
        compare(scene.globalSetting_stringList[113], "ALL RESET")
    }

    function test_defaultStrings() {
        var list = scene.globalSetting_stringList
        compare(list.length, 115)
        compare(list[0], "Arial")
        compare(list[1], "OPTIONS")
        compare(list[49], "COMBO KEY")
        compare(list[86], "SENSOR")
        compare(list[112], "RENAME")
        compare(scene.globalSetting_fontFamily, "Arial")
    }

    function test_rightToLeftFunctionLabels() {
        startScene(10)
        var icon = item("fnIcon1"), label = item("fnLabel1")
        compare(label.x, icon.x + icon.width + 15)
        scene.isEnglish = false
        compare(label.x + label.implicitWidth, icon.x + icon.width + 100, "right-aligned 100 px past the icon")
    }

    function test_webLink() {
        startScene(10)
        mouseClick(item("decorationLink"))
        compare(sounds(), [0x03])
        compare(calls("ui_View.openUrl"), [[scene.globalSetting_url]])
        var deco = item("decorationLeft")
        compare(deco.x + deco.width / 2, 78)
        compare(deco.y + deco.height / 2, 93)
    }

    function test_draggingTheWindow() {
        startScene(10)
        var drag = item("dragArea")
        mousePress(drag, 500, 330)
        mouseMove(drag, 503, 328)
        mouseRelease(drag, 503, 328)
        compare(callNames("ui_Ctl."), ["ui_Ctl.onXChanged", "ui_Ctl.onYChanged"],
                "first horizontally, then vertically")
        compare(calls("ui_Ctl.onXChanged"), [[3]])
        compare(calls("ui_Ctl.onYChanged"), [[-2]])
        mouseMove(drag, 520, 340)
        compare(ui_View.journal.count("ui_Ctl.onXChanged"), 1, "only while the button is held")
    }

    function test_minimise() {
        startScene(10)
        mouseClick(item("minimizeButton"))
        compare(callNames("ui_Ctl."), ["ui_Ctl.onMinimize"])
        compare(sounds(), [0x04])
    }

    function test_allResetAndAllSave() {
        startScene(10)
        var dn = item("dnItem")
        var order = []
        var log = function(what) { return function() { order.push(what) } }
        dn.btnTotalResetClicked.connect(log("reset"))
        dn.btnTotalLedApplyClicked.connect(log("led"))
        dn.btnTotalBlgApplyClicked.connect(log("backlight"))
        dn.btnTotalKeyApplyClicked.connect(log("keys"))
        mouseClick(item("allResetButton"))
        compare(order, ["reset"])
        verify(scene.received.indexOf("setProtectUI 800") >= 0)
        compare(item("protectTimer").interval, 800)
        compare(calls("ui_View.setEnabled"), [[false]], "busy first")
        mouseClick(item("allSaveButton"))
        compare(order, ["reset", "led", "backlight", "keys"], "colour page, backlighting page, then keys")
        compare(item("protectTimer").interval, 2000)
        compare(dn.y, 600 - dn.height)
    }

    function test_zzzTerlow() {
        startScene(10)
        scene.zzzTerlow()
        verify(scene.received.indexOf("zzzTerlow") >= 0)
    }

    function test_profileSwitchTellsTheKeyboardFirst() {
        startScene(10)
        mouseClick(item("pfEntry0"))
        compare(callNames("ui_View."), ["ui_View.ui_21H_SetCurrentProfile", "ui_View.syncLed"])
    }
}
