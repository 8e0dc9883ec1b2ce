import QtQuick

// A stepped slider of 7 cells, or 4 cells on the short base for speeds. The
// index runs from minIndex to 7, one step per 20 px of the strip; while the
// button is held the cells up to the pointer light as a preview.
Item {
    id: slider

    property int minIndex: 0
    property int currentIndex: 7
    property bool isLight_Speed: false

    signal sliderClicked(int index)

    // The active strip: 7 cells of 20 px and a closing border pixel, for
    // both variants.
    readonly property int stripWidth: 141
    readonly property int stripHeight: 21
    readonly property int cellCount: isLight_Speed ? 4 : 7

    function setCurIndex(i) { currentIndex = i }
    function getCurIndex() { return currentIndex }

    // The index a release at strip position x gives.
    function indexAt(x) {
        var clamped = Math.max(0, Math.min(stripWidth - 1, x))
        return Math.max(minIndex, Math.ceil(clamped * 7 / (stripWidth - 1)))
    }

    // Cell k (1-based) has its left edge at 20 (k - 1) + 1.
    function cellLit(k) {
        if (area.pressed)
            return 20 * (k - 1) + 1 <= area.mouseX
        return currentIndex >= k
    }

    width: base.width
    height: base.height
    opacity: enabled ? 1.0 : 0.2

    Image {
        id: base
        source: slider.isLight_Speed ? sourceSlider_LgSp : sourceSlider_BASE
    }

    Item {
        id: strip
        x: 5
        y: 1
        width: slider.stripWidth
        height: slider.stripHeight

        Repeater {
            model: slider.cellCount
            delegate: Image {
                objectName: "sliderCell" + (index + 1)
                x: 20 * index + 1
                y: 1
                readonly property bool lit: slider.cellLit(index + 1)
                source: lit ? sourceSlider_FILLER_1 : sourceSlider_FILLER_0
            }
        }

        MouseArea {
            id: area
            objectName: "sliderArea"
            anchors.fill: parent
            onReleased: function(mouse) {
                var index = slider.indexAt(mouse.x)
                slider.currentIndex = index
                slider.sliderClicked(index)
            }
        }
    }
}
