import QtQuick

// One entry of the value menu of ButtonGroupPro_8.
Rectangle {
    id: entry

    property int value: 0
    property int index: -1

    signal clicked

    width: 46
    height: 16
    radius: 3
    color: "black"
    border.width: 1
    border.color: area.containsMouse ? globalSetting_color : globalSetting_color_disable

    Text {
        anchors.centerIn: parent
        text: entry.value <= 0 ? "×" : String(entry.value)
        font.family: globalSetting_fontFamily
        font.pixelSize: 11
        font.bold: true
        color: area.containsMouse ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: entry.clicked()
    }
}
