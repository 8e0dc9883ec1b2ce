import QtQuick

// An 11-step slider, index 0 to 10; cell 0 is always lit.
Item {
    id: slider

    property int currentIndex: 5

    signal sliderClicked(int index)

    readonly property int cellPitch: 28
    readonly property int stripWidth: 11 * cellPitch + 1

    function setCurIndex(i) { currentIndex = i }
    function getCurIndex() { return currentIndex }

    function indexAt(x) {
        var clamped = Math.max(0, Math.min(stripWidth - 1, x))
        return Math.max(0, Math.ceil(11 * clamped / (stripWidth - 1)) - 1)
    }

    function cellLit(i) {
        if (area.pressed)
            return i === 0 || cellPitch * i + 1 <= area.mouseX
        return currentIndex >= i
    }

    width: base.width
    height: base.height
    opacity: enabled ? 1.0 : 0.2

    Image {
        id: base
        source: sourceSlider_11_BASE
    }

    Item {
        x: 5
        y: 1
        width: slider.stripWidth
        height: 21

        Repeater {
            model: 11
            delegate: Image {
                objectName: "slider11Cell" + index
                x: slider.cellPitch * index + 1
                y: 1
                source: slider.cellLit(index) ? sourceSlider_11_FILLER_1 : sourceSlider_11_FILLER_0
            }
        }

        MouseArea {
            id: area
            objectName: "slider11Area"
            anchors.fill: parent
            onReleased: function(mouse) {
                var index = slider.indexAt(mouse.x)
                slider.currentIndex = index
                slider.sliderClicked(index)
            }
        }
    }
}
