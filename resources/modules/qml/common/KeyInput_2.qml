import QtQuick

// A key detection field: after a click it waits for the next global key
// event (press or release) and shows that key.
Image {
    id: keyInput

    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString: ""
    property alias text: label

    signal inputComplete(int usbCode)

    // The owner passes every global key event on.
    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
            return
        setKeycodeUSB(usbCode)
        inputComplete(Number(usbCode))
    }

    function setKeycodeUSB(keycode) {
        isSelect = false
        var code = Number(keycode)
        var name = _KeyCodeString.keycodeTostr(code)
        if (!(code >= 0) || name === undefined) {
            tmpKeycodeUSB = 0
            tmpKeyString = ""
        } else {
            tmpKeycodeUSB = code
            tmpKeyString = name
        }
    }

    source: sourceSlider_BASE
    width: 151
    height: 23
    opacity: enabled ? 1.0 : 0.2

    Text {
        id: label
        objectName: "keyInput2Text"
        anchors.centerIn: parent
        width: parent.width - 8
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: keyInput.tmpKeycodeUSB === 0 ? "KEY【 PRESS ANY 】" : "KEY 【 " + keyInput.tmpKeyString + " 】"
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: (keyInput.isSelect || area.containsMouse) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            keyInput.tmpKeycodeUSB = 0
            keyInput.tmpKeyString = ""
            keyInput.isSelect = !keyInput.isSelect
        }
    }
}
