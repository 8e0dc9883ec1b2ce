import QtQuick

// The slide-in panel at the top left that holds the settings page. Its
// content enters from the left and leaves to the left; a request that meets
// a running slide finishes it at once.
Flickable {
    id: panel

    readonly property real slideDistance: 340

    function show() {
        if (closeSlide.running) {
            closeSlide.complete()
            show()
            return
        }
        if (openSlide.running) {
            openSlide.complete()
            return
        }
        if (visible)
            return
        visible = true
        openSlide.start()
    }

    function close() {
        if (closeSlide.running) {
            closeSlide.complete()
            return
        }
        if (openSlide.running) {
            openSlide.complete()
            close()
            return
        }
        if (!visible)
            return
        closeSlide.start()
    }

    clip: true
    interactive: false
    visible: false
    contentWidth: width
    contentHeight: height

    NumberAnimation {
        id: openSlide
        objectName: "openSlide"
        target: panel
        property: "contentX"
        from: panel.slideDistance
        to: 0
        duration: 0.8 * animation_speed
        easing.type: Easing.OutCubic
    }

    NumberAnimation {
        id: closeSlide
        objectName: "closeSlide"
        target: panel
        property: "contentX"
        from: 0
        to: panel.slideDistance
        duration: 0.8 * animation_speed
        easing.type: Easing.OutCubic
        onFinished: panel.visible = false
    }
}
