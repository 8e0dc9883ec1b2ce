import QtQuick

// An option button: it reports its index and leaves the choice to its owner,
// which knows the other options of the group.
Item {
    id: radio

    property bool isSelect: false
    property string chkStr: ""
    property int index: 0

    signal clicked(int index)

    implicitWidth: mark.width + 5 + label.implicitWidth
    implicitHeight: Math.max(mark.height, label.implicitHeight)
    opacity: (area.pressed || !enabled) ? 0.2 : 1.0

    Image {
        id: mark
        anchors.verticalCenter: parent.verticalCenter
        source: radio.isSelect ? sourceCheckbox_1 : sourceCheckbox_0
    }

    Text {
        id: label
        anchors.left: mark.right
        anchors.leftMargin: 5
        anchors.verticalCenter: parent.verticalCenter
        text: radio.chkStr
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: (area.containsMouse || radio.isSelect) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            radio.clicked(radio.index)
        }
    }
}
