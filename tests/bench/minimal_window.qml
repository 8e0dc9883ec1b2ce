import QtQuick

Rectangle {
    width: 1000
    height: 600
    color: "#e0202226"
    radius: 12
    Text {
        anchors.centerIn: parent
        text: "REFERENCE"
        color: "cyan"
        font.pixelSize: 40
    }
    Repeater {
        model: 104
        Rectangle {
            x: 20 + (index % 26) * 36
            y: 380 + Math.floor(index / 26) * 40
            width: 30
            height: 30
            radius: 4
            color: "#ff44464c"
        }
    }
}
