import QtQuick

// A stand-in for the scene with the real root item's size and root
// functions. It keeps a record of the calls it received (`received`) so a
// test can follow the start-up and closing sequences; key codes are never
// recorded.
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false

    property var received: []
    property int keyEvents: 0
    property int mouseEvents: 0
    property var lastMouse: []
    property string firmwareVersion: ""
    property var ledType: []
    property int currentProfile: 0
    property int profileCount: 0

    function note(entry) {
        received = received.concat([entry])
        console.log("scene: " + entry)
    }

    function initUI() {
        note("initUI")
        var config = ui_View.loadApConfig()
        var hwDef = ui_View.loadHWDef()
        ui_View.loadUsbStr()
        ui_View.loadUsbCode()
        profileCount = ui_View.getMaxProfile()
        currentProfile = ui_View.ui_A1H_GetCurrentProfile()
        ui_View.syncLed()
        ledType = ui_View.ui_88H_GetLEDType()
        firmwareVersion = ui_View.ui_80H_GetFWVersion()
        // Sound setting of the settings list: 0 on, 1 off.
        ui_View.setEnableAudio(config.length > 2 ? Number(config[2]) === 0 : true)
        note("initUI done keys=" + (hwDef.length > 0 ? hwDef[0] : 0)
             + " profile=" + currentProfile + " led=" + ledType.join(",")
             + " firmware=" + firmwareVersion)
    }

    function zzzTerlow() {
        ledType = ui_View.ui_88H_GetLEDType()
        note("zzzTerlow led=" + ledType.join(","))
    }

    function run() {
        note("run")
        visible = true
        ui_View.playMedia_Index(1)
    }

    function close() {
        note("close")
        closing.restart()
    }

    function setProtectUI(interval) {
        note("setProtectUI " + interval)
        busy.visible = true
        ui_View.setEnabled(false)
        if (!protect.running || protect.interval !== interval) {
            protect.interval = interval
            protect.restart()
        }
    }

    function detectKeyboard(isDown, usbCode) {
        keyEvents += 1
    }

    function detectMouse(isDown, vexCode, x, y) {
        mouseEvents += 1
        lastMouse = [isDown, vexCode, x, y]
    }

    Timer {
        id: protect
        interval: 1000
        onTriggered: {
            ui_View.setEnabled(true)
            busy.visible = false
        }
    }

    // Dragging the frameless window: offsets from the press point.
    MouseArea {
        anchors.fill: parent
        property int pressX: 0
        property int pressY: 0
        onPressed: function(mouse) { pressX = mouse.x; pressY = mouse.y }
        onPositionChanged: function(mouse) {
            ui_Ctl.onXChanged(mouse.x - pressX)
            ui_Ctl.onYChanged(mouse.y - pressY)
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 12
        color: "#e0202226"
        border.color: "#ff505258"
        clip: true

        Column {
            anchors.centerIn: parent
            spacing: 10
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "ORVEX ZR770"
                color: "#ff00ffff"
                font.pixelSize: 40
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "firmware " + mainIten.firmwareVersion
                      + "   profile " + (mainIten.currentProfile + 1) + " of " + mainIten.profileCount
                color: "#ffaaaaaa"
                font.pixelSize: 16
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "lighting " + mainIten.ledType.join(" ")
                color: "#ffaaaaaa"
                font.pixelSize: 16
            }
        }

        Row {
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 10
            spacing: 8
            Rectangle {
                width: 28; height: 20; radius: 4; color: "#ff44464c"
                Text { anchors.centerIn: parent; text: "_"; color: "white" }
                MouseArea { anchors.fill: parent; onClicked: ui_Ctl.onMinimize() }
            }
            Rectangle {
                width: 28; height: 20; radius: 4; color: "#ff44464c"
                Text { anchors.centerIn: parent; text: "x"; color: "white" }
                MouseArea { anchors.fill: parent; onClicked: mainIten.close() }
            }
        }
    }

    Text {
        id: busy
        anchors.centerIn: parent
        z: 99
        visible: false
        text: "LOADING ......"
        font.bold: true
        color: "#ff00ffff"
    }

    // The window rolls up from the bottom, then closes.
    NumberAnimation {
        id: closing
        target: mainIten
        property: "height"
        from: 600
        to: 0
        duration: 200
        easing.type: Easing.InOutCubic
        onFinished: {
            mainIten.note("onClose")
            ui_Ctl.onClose()
        }
    }
}
