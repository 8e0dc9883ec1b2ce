import QtQuick

// The drop box of the key definition page: shows the key dropped on it; a
// click empties it (the key is then disabled).
Rectangle {
    id: keyInput

    property int keycodeUSB: -1
    property string keyname: ""
    property string keynameDefault: "【 KEYS 】"
    property string keycancel: "╳"
    // Set by the owner while a key is dragged over the box.
    property bool isIn: false

    readonly property bool highlighted: area.containsMouse || isIn

    signal clearKey

    function setKeycodeUSB(keycode) {
        var name = _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined) {
            keycodeUSB = -1
            keyname = ""
        } else {
            keycodeUSB = Number(keycode)
            keyname = name
        }
    }

    width: 65
    height: 23
    opacity: enabled ? 1.0 : 0.2
    color: "black"
    border.width: 1
    border.color: highlighted ? globalSetting_color : globalSetting_color_disable

    Text {
        id: label
        objectName: "keyInputText"
        anchors.centerIn: parent
        width: parent.width - 4
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: area.containsMouse ? keyInput.keycancel
                                 : (keyInput.keycodeUSB === -1 ? keyInput.keynameDefault : keyInput.keyname)
        font.family: "Arial"
        font.pixelSize: 10
        color: keyInput.highlighted ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            keyInput.keycodeUSB = -1
            keyInput.clearKey()
        }
    }
}
