import QtQuick

// The area that shows one function page at a time. Pages enter from the
// right and leave to the right; a switch slides the open page out first. A
// request that meets a running slide finishes it at once, never queues.
Flickable {
    id: area

    // The page shown: -1 none, 0 key definition, 1 macro, 2 colour,
    // 3 backlighting.
    property int curID: -1
    // The page the running slide-out leads to; -1 while no page is open.
    property int pendingIndex: -1
    readonly property real outside: 2 * width
    // True from the start-up's appearance until its slide-in has ended.
    property bool poweringOn: false

    // The start-up sequence has ended.
    signal poweredOn

    function show(index) {
        var next = Math.floor(Number(index))
        if (!(next >= 0 && next <= 3))
            next = -1
        ui_View.playMedia_Index(0x02)
        if (slideOut.running) {
            pendingIndex = next
            slideOut.complete()
            return
        }
        if (slideIn.running) {
            curID = next
            pendingIndex = next
            slideIn.complete()
            return
        }
        if (next < 0) {
            pendingIndex = -1
            slideOut.start()
        } else if (pendingIndex < 0) {
            pendingIndex = next
            curID = next
            slideIn.start()
        } else {
            pendingIndex = next
            slideOut.start()
        }
    }

    // The end of the start-up sequence: the area appears with the page the
    // function menu holds.
    function powerOn(index) {
        visible = true
        curID = index
        pendingIndex = index
        poweringOn = true
        slideIn.restart()
    }

    clip: true
    interactive: false
    contentWidth: width
    contentHeight: height

    NumberAnimation {
        id: slideIn
        objectName: "slideIn"
        target: area
        property: "contentX"
        from: -area.outside
        to: 0
        duration: 0.5 * animation_speed
        easing.type: Easing.OutCubic
        onFinished: {
            if (area.poweringOn) {
                area.poweringOn = false
                area.poweredOn()
            }
        }
    }

    NumberAnimation {
        id: slideOut
        objectName: "slideOut"
        target: area
        property: "contentX"
        from: 0
        to: -area.outside
        duration: 0.5 * animation_speed
        easing.type: Easing.InCubic
        onFinished: {
            area.curID = area.pendingIndex
            if (area.curID >= 0)
                slideIn.restart()
        }
    }
}
