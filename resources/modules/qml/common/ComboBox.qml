import QtQuick

// The combination key field: a click starts collecting up to three key
// presses from the global key stream; the apply mark ends the capture and
// the owner reads the three codes.
Rectangle {
    id: combo

    property string keyname: "【 COMBO KEYS 】"
    property bool isIn: false
    property int keyCount: 0
    property int keycodeUSB0: 0
    property int keycodeUSB1: 0
    property int keycodeUSB2: 0

    readonly property string prompt: "【 " + globalSetting_stringList[49] + " 】"

    signal clearKey

    // A key the translator cannot name is shown by its code.
    function nameOf(code) {
        var name = _KeyCodeString.keycodeTostr(code)
        if (name !== undefined)
            return name
        var hex = Number(code).toString(16).toUpperCase()
        return "0x" + (hex.length < 2 ? "0" + hex : hex)
    }

    function startCapture() {
        isIn = true
        keyname = prompt
        keycodeUSB0 = 0
        keycodeUSB1 = 0
        keycodeUSB2 = 0
        keyCount = 0
    }

    function capture(isDown, usbCode) {
        if (!isIn || !isDown || keyCount >= 3)
            return
        var code = Number(usbCode)
        if (!isFinite(code))
            return
        var name = nameOf(code)
        if (keyname === prompt)
            keyname = name
        else
            keyname = keyname + "+" + name
        if (keyCount === 0)
            keycodeUSB0 = code
        else if (keyCount === 1)
            keycodeUSB1 = code
        else
            keycodeUSB2 = code
        keyCount += 1
    }

    // Shows a stored combination; the codes and the count stay as they are.
    function setKeycodeUSB(keycode0, keycode1, keycode2) {
        var n0 = _KeyCodeString.keycodeTostr(keycode0)
        var n1 = _KeyCodeString.keycodeTostr(keycode1)
        var n2 = _KeyCodeString.keycodeTostr(keycode2)
        if (n0 !== undefined && n1 !== undefined && n2 === undefined)
            keyname = n0 + "+" + n1
        else if (n0 !== undefined && n1 !== undefined && n2 !== undefined)
            keyname = n0 + "+" + n1 + "+" + n2
    }

    width: 180
    height: 23
    opacity: enabled ? 1.0 : 0.2
    color: "black"
    border.width: 1
    border.color: (fieldArea.containsMouse || applyArea.containsMouse || isIn)
                  ? globalSetting_color : globalSetting_color_disable

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) { combo.capture(isDown, usbCode) }
    }

    Text {
        objectName: "comboText"
        x: 4
        width: 146
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: combo.keyname
        opacity: fieldArea.pressed ? 0.5 : 1.0
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: (fieldArea.containsMouse || combo.isIn) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: fieldArea
        objectName: "comboField"
        x: 0
        width: 150
        height: parent.height
        hoverEnabled: true
        onClicked: combo.startCapture()
    }

    Image {
        id: applyMark
        objectName: "comboApply"
        x: 150
        anchors.verticalCenter: parent.verticalCenter
        source: applyArea.containsMouse ? sourceApply_1 : sourceApply_0

        MouseArea {
            id: applyArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                combo.isIn = false
                combo.clearKey()
            }
        }
    }
}
