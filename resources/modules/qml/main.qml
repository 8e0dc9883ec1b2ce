import QtQuick
import "basic"
import "basic/DefaultStrings.js" as DefaultStrings
import "common"
import "T7"

// The scene's root: the global look every page and control binds to, the
// functions native code calls by name, the start-up and closing animations,
// window dragging and the slide-in settings panel.
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false
    // The closing animation rolls the scene up from the bottom.
    clip: height < 600

    // ---- Global look. The settings page holds the values; everything else
    // ---- reads them from here.
    property int globalSetting_size: globalSettingPage._Size
    property color globalSetting_color: globalSettingPage._Color
    property color globalSetting_color_enable: globalSettingPage._ColorEnable
    property color globalSetting_color_disable: globalSettingPage._ColorDisable
    property int animation_speed: globalSettingPage._AnimationSpeed
    property var globalSetting_stringList: completeStrings(globalSettingPage._StringList)
    property string globalSetting_fontFamily: globalSettingPage._FontFamily
    property string globalSetting_url: "https://www.orvex.example/zr770"
    property bool isMainBackground: main_T7.isMainBackground
    // False while the right-to-left language is chosen.
    property bool isEnglish: true
    property int skin_No: globalSettingPage.skin_No
    property bool isCustomBackground: globalSettingPage.isCustomBackground
    property url sourceCustomBackground: ""

    // ---- Skin images, relative to the program's folder; every image follows
    // ---- a change of skin_No at once.
    readonly property string skinFolder: "file:modules/img/skin" + skin_No + "/"
    property url sourceBackground_main: skinFolder + "background_main.png"
    property url sourceBackground: skinFolder + "background.png"
    property url sourceWeb_0: skinFolder + "frame/web_0.png"
    property url sourceFrameBackground: skinFolder + "frame/frameBackground.png"
    property url sourceDecoration1: skinFolder + "frame/decoration1.png"
    property url sourceDecoration2: skinFolder + "frame/decoration2.png"
    property url sourceListUpContainer: skinFolder + "list_up/listUpContainer.png"
    property url sourceApplicationSetting_0: skinFolder + "list_up/applicationSetting_0.png"
    property url sourceApplicationSetting_1: skinFolder + "list_up/applicationSetting_1.png"
    property url sourceApplicationMinimize_0: skinFolder + "list_up/applicationMinimize_0.png"
    property url sourceApplicationMinimize_1: skinFolder + "list_up/applicationMinimize_1.png"
    property url sourceApplicationClose_0: skinFolder + "list_up/applicationClose_0.png"
    property url sourceApplicationClose_1: skinFolder + "list_up/applicationClose_1.png"
    property url sourceListDnContainer: skinFolder + "list_dn/listDnContainer.png"
    property url sourceListPfContainer: skinFolder + "list_pf/listPfContainer.png"
    property url sourceProfileFW_0: skinFolder + "list_pf/profileFW_0.png"
    property url sourceProfileFW_1: skinFolder + "list_pf/profileFW_1.png"
    property url sourceListFnBtn_0: skinFolder + "list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: skinFolder + "list_fn/listFnBtn_1.png"
    property url sourceFnKeydefine_0: skinFolder + "list_fn/fnKeydefine_0.png"
    property url sourceFnKeydefine_1: skinFolder + "list_fn/fnKeydefine_1.png"
    property url sourceFnMacro_0: skinFolder + "list_fn/fnMacro_0.png"
    property url sourceFnMacro_1: skinFolder + "list_fn/fnMacro_1.png"
    property url sourceFnColor_0: skinFolder + "list_fn/fnColor_0.png"
    property url sourceFnColor_1: skinFolder + "list_fn/fnColor_1.png"
    property url sourceGlobalsettingBackground: skinFolder + "list_center/globalsettingBackground.png"
    property url sourceFnKeydefineBackground: skinFolder + "list_center/fnKeydefineBackground.png"
    property url sourceFnColorBackground: skinFolder + "list_center/fnColorBackground.png"
    property url sourceFnCommonBackground: skinFolder + "list_center/fnCommonBackground.png"
    property url sourceSlider_BASE: skinFolder + "common/slider_BASE.png"
    property url sourceSlider_LgSp: skinFolder + "common/slider_LgSp.png"
    property url sourceSlider_FILLER_0: skinFolder + "common/slider_FILLER_0.png"
    property url sourceSlider_FILLER_1: skinFolder + "common/slider_FILLER_1.png"
    property url sourceFilelist_BASE: skinFolder + "common/filelist_BASE.png"
    property url sourceDraw_line: skinFolder + "common/draw_line.png"
    property url sourceDraw_inputValue: skinFolder + "common/draw_inputValue.png"
    property url sourceDraw_paletteIndex: skinFolder + "common/draw_paletteIndex.png"
    property url sourceDraw_palette: skinFolder + "common/draw_palette.png"
    property url sourceCheckbox_0: skinFolder + "common/checkbox_0.png"
    property url sourceCheckbox_1: skinFolder + "common/checkbox_1.png"
    property url sourceReset_0: skinFolder + "common/reset_0.png"
    property url sourceReset_1: skinFolder + "common/reset_1.png"
    property url sourceApply_0: skinFolder + "common/apply_0.png"
    property url sourceApply_1: skinFolder + "common/apply_1.png"
    property url sourceFram_2btn: skinFolder + "common/fram_2btn.png"
    property url sourceAdd_0: skinFolder + "common/add_0.png"
    property url sourceAdd_1: skinFolder + "common/add_1.png"
    property url sourceDelete_0: skinFolder + "common/delete_0.png"
    property url sourceDelete_1: skinFolder + "common/delete_1.png"
    property url sourceRecord_0: skinFolder + "common/record_0.png"
    property url sourceRecord_1: skinFolder + "common/record_1.png"
    property url sourceStop_0: skinFolder + "common/stop_0.png"
    property url sourceStop_1: skinFolder + "common/stop_1.png"
    property url sourceSolid_delete_0: skinFolder + "common/solid-delete_0.png"
    property url sourceSolid_delete_1: skinFolder + "common/solid-delete_1.png"
    property url sourceSolid_cut_0: skinFolder + "common/solid-cut_0.png"
    property url sourceSolid_cut_1: skinFolder + "common/solid-cut_1.png"
    property url sourceSolid_paste_0: skinFolder + "common/solid-paste_0.png"
    property url sourceSolid_paste_1: skinFolder + "common/solid-paste_1.png"
    property url sourceSolid_copy_0: skinFolder + "common/solid-copy_0.png"
    property url sourceSolid_copy_1: skinFolder + "common/solid-copy_1.png"
    property url sourceBtnFileListFrame: skinFolder + "common/btnFileListFrame.png"
    property url sourceBtnFrame: skinFolder + "common/btnFrame.png"
    property url sourceBtnGroup_4_BASE: skinFolder + "common/btnGroup_4_BASE.png"
    property url sourceBtnGroup_8_BASE: skinFolder + "common/btnGroup_8_BASE.png"
    property url sourceBtnGroup_FILLER_0: skinFolder + "common/btnGroup_FILLER_0.png"
    property url sourceBtnGroup_FILLER_1: skinFolder + "common/btnGroup_FILLER_1.png"
    property url sourceSlider_11_BASE: skinFolder + "common/slider_11_BASE.png"
    property url sourceSlider_11_FILLER_0: skinFolder + "common/slider_11_FILLER_0.png"
    property url sourceSlider_11_FILLER_1: skinFolder + "common/slider_11_FILLER_1.png"

    // A key cap of the keyboard pictures by the key's type: the cap itself,
    // or its selection frame.
    function keyCapSource(keyType, selected) {
        return skinFolder + "model_kb/k" + keyType + (selected ? "-1.png" : "-0.png")
    }

    // ---- What native code and the tests can observe of the start-up and
    // ---- closing sequences. Key codes are never recorded.
    property var received: []
    property int keyEvents: 0
    property int mouseEvents: 0
    property var lastMouse: []

    function note(entry) {
        var kept = received.length >= 200 ? received.slice(received.length - 199) : received
        received = kept.concat([entry])
        console.log("scene: " + entry)
    }

    // The global key stream: every press and release the system saw.
    signal msg_KB(bool isDown, int usbCode)

    // A language pack may be short or hold odd entries: the default text
    // stands in for each missing one, so every index a page uses has a text.
    function completeStrings(list) {
        var complete = DefaultStrings.list.slice()
        if (list && typeof list === "object" && typeof list.length === "number") {
            for (var i = 0; i < list.length && i < complete.length; ++i) {
                if (list[i] !== undefined && list[i] !== null)
                    complete[i] = String(list[i])
            }
            for (var j = complete.length; j < list.length; ++j)
                complete.push(list[j] === undefined || list[j] === null ? "" : String(list[j]))
        }
        return complete
    }

    // ---- Root functions native code calls by name.

    function initUI() {
        note("initUI")
        main_T7.callPage(globalSettingPage, "initUI")
        main_T7.initUI()
        var led = main_T7.asList(ui_View.ui_88H_GetLEDType())
        note("initUI done keys=" + (main_T7.hwDef.length > 0 ? main_T7.hwDef[0] : 0)
             + " profile=" + main_T7.currentProfile + " led=" + led.join(",")
             + " firmware=" + ui_View.ui_80H_GetFWVersion())
    }

    function zzzTerlow() {
        note("zzzTerlow")
        main_T7.zzzTerlow()
    }

    function run() {
        note("run")
        script0.restart()
    }

    function close() {
        note("close")
        scriptEnd.restart()
    }

    // Shows the busy overlay and makes the view take no input for
    // `interval` ms. A call while a countdown runs restarts it only when the
    // interval differs.
    function setProtectUI(interval) {
        var ms = Math.floor(Number(interval))
        if (!isFinite(ms) || ms < 0)
            ms = 0
        note("setProtectUI " + ms)
        busy.setBusy(true)
        ui_View.setEnabled(false)
        // A running timer restarts by itself when its interval changes.
        protectTimer.interval = ms
        protectTimer.start()
    }

    function detectKeyboard(isDown, usbCode) {
        keyEvents += 1
        var code = Number(usbCode)
        if (!isFinite(code))
            return
        msg_KB(!!isDown, code)
    }

    // This scene has no use for global mouse events.
    function detectMouse(isDown, vexCode, x, y) {
        mouseEvents += 1
        lastMouse = [isDown, vexCode, x, y]
    }

    // ---- Root functions the scene itself uses.

    function setSkin() {
        dnItem.setSkin()
        main_T7.setSkin()
    }

    function translateStrings(code) {
        main_T7.callPage(globalSettingPage, "translateStrings")
        main_T7.translateStrings(code)
    }

    function topBarClicked(btnIndex) {
        if (btnIndex === 0)
            upItem.isGlobalSettingSelect = !upItem.isGlobalSettingSelect
        else if (btnIndex === 1)
            ui_Ctl.onMinimize()
        else if (btnIndex === 2)
            scriptEnd.restart()
    }

    Timer {
        id: protectTimer
        objectName: "protectTimer"
        interval: 1000
        repeat: false
        onRunningChanged: {
            if (!running) {
                ui_View.setEnabled(true)
                busy.setBusy(false)
            }
        }
    }

    // ---- The scene, bottom to top.

    // Dragging the frameless window: each move reports the pointer's offset
    // from the press point, and the window follows the pointer.
    MouseArea {
        id: dragArea
        objectName: "dragArea"
        anchors.fill: parent
        property real pressX: 0
        property real pressY: 0
        onPressed: function(mouse) {
            pressX = mouse.x
            pressY = mouse.y
        }
        onPositionChanged: function(mouse) {
            ui_Ctl.onXChanged(Math.round(mouse.x - pressX))
            ui_Ctl.onYChanged(Math.round(mouse.y - pressY))
        }
    }

    Environment {
        id: envItem
        objectName: "environment"
        opacity: 0
    }

    Main_T7 {
        id: main_T7
        objectName: "main_T7"
        onPoweredOn: console.info("scene: start-up done")
    }

    Environment_Decoration {
        id: decoItem
        objectName: "decoration"
        opacity: 0
    }

    Menu_Down {
        id: dnItem
        objectName: "dnItem"
        x: Math.round((mainIten.width - width) / 2)
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: 0.2 + 0.8 * enabled
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        x: Math.round((mainIten.width - width) / 2)
        y: -600
        onBtnClicked: function(btnIndex) { mainIten.topBarClicked(btnIndex) }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect)
                _fkGlobalsetting.show()
            else
                _fkGlobalsetting.close()
        }
    }

    Image {
        id: logo
        objectName: "logo"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
        source: sourceWeb_0
    }

    SettingPanel {
        id: _fkGlobalsetting
        objectName: "globalSettingPanel"
        x: 5
        y: 27
        width: 340
        height: 420

        // The settings page takes this place and keeps these values' names.
        GlobalSettingValues {
            id: globalSettingPage
            objectName: "globalSettingPage"
        }
    }

    BusyIndicator {
        id: busy
        objectName: "busyIndicator"
        anchors.centerIn: parent
        z: 99
    }

    // ---- Start-up: the logo appears and rises, the background fades in,
    // ---- then the bars and the side menus spring into place.
    SequentialAnimation {
        id: script0
        objectName: "script0"
        ScriptAction {
            script: {
                ui_View.playMedia_Index(0x01)
                mainIten.visible = true
            }
        }
        NumberAnimation {
            objectName: "logoFade"
            target: logo
            property: "opacity"
            from: 0
            to: 1
            duration: animation_speed
            easing.type: Easing.InCirc
        }
        NumberAnimation {
            objectName: "logoRise"
            target: logo
            property: "y"
            from: 270
            to: 4
            duration: 1.5 * animation_speed
            easing.type: Easing.OutExpo
        }
        ParallelAnimation {
            NumberAnimation {
                objectName: "environmentFade"
                target: envItem
                property: "opacity"
                from: 0
                to: 1
                duration: animation_speed
                easing.type: Easing.OutCirc
            }
            NumberAnimation {
                target: decoItem
                property: "opacity"
                from: 0
                to: 1
                duration: animation_speed
                easing.type: Easing.OutCirc
            }
        }
        onFinished: {
            script1.restart()
            main_T7.playOnPowerOn()
        }
    }

    ParallelAnimation {
        id: script1
        objectName: "script1"
        NumberAnimation {
            objectName: "topBarSlide"
            target: upItem
            property: "y"
            from: -600
            to: 0
            duration: animation_speed
            easing.type: Easing.OutElastic
        }
        NumberAnimation {
            objectName: "bottomBarSlide"
            target: dnItem
            property: "y"
            from: 600
            to: 600 - dnItem.height
            duration: animation_speed
            easing.type: Easing.OutElastic
        }
    }

    // ---- Closing: the scene rolls up, then the window closes.
    NumberAnimation {
        id: scriptEnd
        objectName: "scriptEnd"
        target: mainIten
        property: "height"
        from: 600
        to: 0
        duration: animation_speed
        easing.type: Easing.InOutCubic
        onFinished: {
            mainIten.note("onClose")
            ui_Ctl.onClose()
        }
    }
}
