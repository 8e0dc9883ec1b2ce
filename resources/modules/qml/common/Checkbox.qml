import QtQuick

// A check box with its text to the right; a click toggles it.
Item {
    id: checkbox

    property bool isSelect: false
    property string chkStr: ""

    signal clicked(bool select)

    implicitWidth: mark.width + 5 + label.implicitWidth
    implicitHeight: Math.max(mark.height, label.implicitHeight)
    opacity: (area.pressed || !enabled) ? 0.2 : 1.0

    Image {
        id: mark
        anchors.verticalCenter: parent.verticalCenter
        source: checkbox.isSelect ? sourceCheckbox_1 : sourceCheckbox_0
    }

    Text {
        id: label
        anchors.left: mark.right
        anchors.leftMargin: 5
        anchors.verticalCenter: parent.verticalCenter
        text: checkbox.chkStr
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: (area.containsMouse || checkbox.isSelect) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            checkbox.isSelect = !checkbox.isSelect
            checkbox.clicked(checkbox.isSelect)
        }
    }
}
