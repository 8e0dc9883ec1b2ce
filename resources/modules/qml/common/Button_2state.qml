import QtQuick

// A two-state image button: the hover image while enabled and under the
// pointer, faded while pressed or disabled.
Image {
    id: button

    property url source0
    property url source1
    property alias mouse: area

    signal clicked

    source: (enabled && area.containsMouse) ? source1 : source0
    opacity: (area.pressed || !enabled) ? 0.2 : 1.0

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            button.clicked()
        }
    }
}
