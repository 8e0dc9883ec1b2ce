import QtQuick

// Four cells in a row, one of them current, each labelled with its value.
Item {
    id: group

    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0

    signal clicked(int index)

    function setCurIndex(i) { currentIndex = i }
    function getCurIndex() { return currentIndex }

    width: base.width
    height: base.height
    opacity: enabled ? 1.0 : 0.2

    Image {
        id: base
        source: sourceBtnGroup_4_BASE
    }

    Repeater {
        model: 4
        delegate: Image {
            id: cell
            objectName: "groupCell" + index
            x: 3 + 37 * index
            y: 2
            source: (cellArea.containsMouse || group.currentIndex === index) ? sourceBtnGroup_FILLER_1
                                                                            : sourceBtnGroup_FILLER_0
            Text {
                anchors.centerIn: parent
                text: (group.valueForIndex && group.valueForIndex[index] !== undefined)
                      ? String(group.valueForIndex[index]) : ""
                font.family: globalSetting_fontFamily
                font.pixelSize: 11
                font.bold: true
                color: (cellArea.containsMouse || group.currentIndex === index) ? globalSetting_color
                                                                               : globalSetting_color_enable
            }
            MouseArea {
                id: cellArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    group.currentIndex = index
                    group.clicked(index)
                }
            }
        }
    }
}
