import QtQuick

// The direction pad: a plus of five cells of which only right (1) and
// left (2) can be chosen; the centre (0), top (3) and bottom (4) are drawn.
Item {
    id: pad

    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "#000000"

    signal wheelClicked(int index)

    function setCurIndex(i) { currentIndex = i }
    function getCurIndex() { return currentIndex }

    // Index, grid column and row, arrow text.
    readonly property var cells: [[0, 1, 1, ""], [1, 2, 1, "►"], [2, 0, 1, "◄"],
                                  [3, 1, 0, ""], [4, 1, 2, ""]]

    width: 61
    height: 61
    opacity: enabled ? 1.0 : 0.2

    Repeater {
        model: pad.cells
        delegate: Image {
            id: cell
            readonly property int cellIndex: modelData[0]
            readonly property bool active: cellIndex === 1 || cellIndex === 2
            objectName: "wheelCell" + cellIndex
            x: 20 * modelData[1] + 1
            y: 20 * modelData[2] + 1
            source: (active && (cellArea.containsMouse || pad.currentIndex === cellIndex))
                    ? sourceSlider_FILLER_1 : sourceSlider_FILLER_0

            Text {
                anchors.centerIn: parent
                text: modelData[3]
                font.pixelSize: pad.textSize
                color: pad.textColor
            }

            MouseArea {
                id: cellArea
                anchors.fill: parent
                enabled: cell.active
                hoverEnabled: true
                onClicked: {
                    pad.currentIndex = cell.cellIndex
                    pad.wheelClicked(cell.cellIndex)
                }
            }
        }
    }
}
