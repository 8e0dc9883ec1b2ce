import QtQuick
import "../basic"

// The main area of this keyboard model: the page area with the four function
// pages, the function menu, the profile menu, and the one key code
// translator every page and control uses.
Item {
    id: main_T7

    property bool isMainBackground: _fkPage.curID === -1
    // The USB code of the last key pressed anywhere.
    property int lastPressKeyCode: 0
    // The layout as the last initUI() read it.
    property var hwDef: []
    property bool constructed: false
    readonly property int currentProfile: pfItem.currentIndex

    signal msg_KB(bool isDown, int usbCode)
    // The side menus and the page area are in place: start-up has ended.
    signal poweredOn

    // Calls a function of a page if the page offers it; a page that is not
    // built yet simply has nothing to do.
    function callPage(page, name, args) {
        if (page && typeof page[name] === "function")
            return page[name].apply(page, args || [])
        return undefined
    }

    function asList(value) {
        return (value && typeof value === "object" && typeof value.length === "number") ? value : []
    }

    function initUI() {
        hwDef = asList(ui_View.loadHWDef())
        var usbStr = asList(ui_View.loadUsbStr())
        var usbCode = asList(ui_View.loadUsbCode())
        var maxProfile = ui_View.getMaxProfile()

        _KeyCodeString.initUI(hwDef, usbStr, usbCode)

        pfItem.initProfile(maxProfile)
        var current = Math.floor(Number(ui_View.ui_A1H_GetCurrentProfile()))
        pfItem.currentIndex = isFinite(current) ? current : 0

        callPage(pageKeyDefine, "initUI", [true, hwDef])
        callPage(pageMacro, "initUI")
        ui_View.syncLed()
        callPage(pageColor, "initUI", [true, hwDef])
        callPage(pageBackLighting, "initUI")
    }

    // The keyboard reported a lighting change made with its own keys; the
    // new state is already in the current profile.
    function zzzTerlow() {
        callPage(pageColor, "initUI")
        callPage(pageBackLighting, "initUI")
        callPage(pageColor, "playEffect", [pageColor.visible])
    }

    function profileChanged(index) {
        ui_View.ui_21H_SetCurrentProfile(index)
        callPage(pageKeyDefine, "initUI")
        ui_View.syncLed()
        callPage(pageColor, "initUI")
        callPage(pageBackLighting, "initUI")
    }

    function playOnPowerOn() {
        pfItem.x = 1000
        fnItem.x = -150
        pfItem.visible = true
        fnItem.visible = true
        powerOn.restart()
    }

    function setSkin() {
        fnItem.setSkin()
    }

    function translateStrings(code) {
        callPage(pageKeyDefine, "translateStrings", [code])
        callPage(pageMacro, "translateStrings", [code])
        callPage(pageColor, "translateStrings", [code])
        callPage(pageBackLighting, "translateStrings", [code])
        fnItem.translateStrings()
        pfItem.translateStrings()
    }

    width: 1000
    height: 600

    Component.onCompleted: constructed = true

    KeyCodeString {
        id: _KeyCodeString
        objectName: "keyCodeString"
    }

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            if (isDown)
                main_T7.lastPressKeyCode = usbCode
            main_T7.msg_KB(isDown, usbCode)
        }
    }

    PageArea {
        id: _fkPage
        objectName: "pageArea"
        x: 171
        y: 96
        width: 759
        height: 442
        visible: false
        enabled: !upItem.isGlobalSettingSelect
        opacity: 0.2 + 0.8 * enabled
        onPoweredOn: main_T7.poweredOn()

        // The four function pages. Macro and backlighting sit 46 px lower.
        Item {
            id: pageKeyDefine
            objectName: "pageKeyDefine"
            width: 759
            height: 442
            visible: _fkPage.curID === 0
            Image { source: sourceFnKeydefineBackground }
        }

        Item {
            id: pageMacro
            objectName: "pageMacro"
            y: 46
            width: 759
            height: 396
            visible: _fkPage.curID === 1
            Image { source: sourceFnCommonBackground }
        }

        Item {
            id: pageColor
            objectName: "pageColor"
            width: 759
            height: 442
            visible: _fkPage.curID === 2
            Image { source: sourceFnColorBackground }
            onVisibleChanged: {
                if (main_T7.constructed)
                    main_T7.callPage(pageColor, "playEffect", [visible])
            }
        }

        Item {
            id: pageBackLighting
            objectName: "pageBackLighting"
            y: 46
            width: 759
            height: 396
            visible: _fkPage.curID === 3
            Image { source: sourceFnCommonBackground }
            onVisibleChanged: {
                if (visible)
                    main_T7.callPage(pageBackLighting, "syncColor")
            }
        }
    }

    Menu_Func {
        id: fnItem
        objectName: "fnItem"
        x: 8
        y: 180
        visible: false
        enabled: !upItem.isGlobalSettingSelect
        onIndexChanged_btn: function(currentIndex) { _fkPage.show(currentIndex) }
    }

    Menu_Prof {
        id: pfItem
        objectName: "pfItem"
        x: 1000 - width - 8
        y: 95
        visible: false
        enabled: !upItem.isGlobalSettingSelect
        onIndexChanged_btn: function(currentIndex) { main_T7.profileChanged(currentIndex) }
    }

    ParallelAnimation {
        id: powerOn
        objectName: "powerOn"
        NumberAnimation {
            objectName: "profileMenuSlide"
            target: pfItem
            property: "x"
            to: 1000 - pfItem.width - 8
            duration: animation_speed
            easing.type: Easing.OutElastic
        }
        NumberAnimation {
            objectName: "functionMenuSlide"
            target: fnItem
            property: "x"
            to: 8
            duration: animation_speed
            easing.type: Easing.OutElastic
        }
        onFinished: _fkPage.powerOn(fnItem.currentIndex)
    }
}
