import QtQuick
import QtTest

// The page area's state machine: pages slide in from the right and out to
// the right; a choice that meets a running slide finishes it at once.
MainSceneCase {
    name: "PageArea"

    function area() { return item("pageArea") }
    function slideIn() { return item("slideIn") }
    function slideOut() { return item("slideOut") }
    function entry(i) { return item("fnEntry" + i) }

    function visiblePages() {
        var names = ["pageKeyDefine", "pageMacro", "pageColor", "pageBackLighting"]
        return names.filter(function(n) { return item(n).visible })
    }

    function init() {
        ui_View.reset()
        scene = createTemporaryObject(sceneComponent, this)
        startScene(10)
        settings()._AnimationSpeed = 800
    }

    function test_afterStartUpNoPageIsOpen() {
        compare(area().curID, -1)
        verify(area().visible)
        compare(visiblePages(), [])
        compare(scene.isMainBackground, true)
        verify(String(item("backgroundImage").source).endsWith("/background_main.png"))
        compare(area().x, 171)
        compare(area().y, 96)
        compare(area().width, 759)
        compare(area().height, 442)
    }

    function test_openingAPage() {
        mouseClick(entry(1))
        compare(item("fnItem").currentIndex, 1)
        compare(area().curID, 1, "the page is chosen at once")
        verify(slideIn().running)
        compare(slideIn().duration, 400)
        compare(slideIn().easing.type, Easing.OutCubic)
        verify(area().contentX < -700, "it enters from the right")
        compare(visiblePages(), ["pageMacro"])
        compare(scene.isMainBackground, false)
        verify(String(item("backgroundImage").source).endsWith("/background.png"))
        tryCompare(slideIn(), "running", false, 2000)
        compare(area().contentX, 0)
        compare(sounds(), [0x02])
    }

    function test_clickingTheOpenEntryClosesThePage() {
        mouseClick(entry(0))
        slideIn().complete()
        mouseClick(entry(0))
        compare(item("fnItem").currentIndex, -1, "no entry is current")
        verify(slideOut().running)
        compare(slideOut().easing.type, Easing.InCubic)
        compare(area().curID, 0, "the old page stays visible while it slides out")
        tryCompare(slideOut(), "running", false, 2000)
        compare(area().curID, -1)
        compare(visiblePages(), [])
        compare(scene.isMainBackground, true, "the main background returns")
        compare(slideIn().running, false)
        compare(area().contentX, -1518)
    }

    function test_switchSlidesTheOldPageOutFirst() {
        mouseClick(entry(0))
        slideIn().complete()
        mouseClick(entry(2))
        verify(slideOut().running)
        compare(area().curID, 0)
        tryCompare(area(), "curID", 2, 2000)
        verify(slideIn().running, "then the new page slides in")
        compare(visiblePages(), ["pageColor"])
    }

    function test_choiceWhileSlidingOut() {
        mouseClick(entry(0))
        slideIn().complete()
        mouseClick(entry(2))
        verify(slideOut().running)
        mouseClick(entry(3))
        compare(slideOut().running, false, "the slide-out finished at once")
        compare(area().curID, 3)
        verify(slideIn().running, "and the newly chosen page slides in")
        compare(visiblePages(), ["pageBackLighting"])
        tryCompare(slideIn(), "running", false, 2000)
        compare(area().curID, 3)
    }

    function test_closingWhileSlidingOutToAnotherPage() {
        mouseClick(entry(0))
        slideIn().complete()
        mouseClick(entry(2))
        mouseClick(entry(2))
        compare(item("fnItem").currentIndex, -1)
        compare(area().curID, -1)
        compare(slideIn().running, false)
        compare(visiblePages(), [])
    }

    function test_choiceWhileSlidingIn() {
        mouseClick(entry(0))
        verify(slideIn().running)
        mouseClick(entry(2))
        compare(area().curID, 2, "the area switches at once")
        compare(slideIn().running, false, "without another slide")
        compare(slideOut().running, false)
        compare(area().contentX, 0)
        compare(visiblePages(), ["pageColor"])
        // The page now open is the one a later switch slides out.
        mouseClick(entry(3))
        verify(slideOut().running)
        tryCompare(area(), "curID", 3, 2000)
    }

    function test_closingWhileSlidingIn() {
        mouseClick(entry(1))
        mouseClick(entry(1))
        compare(area().curID, -1)
        compare(slideIn().running, false)
        // Nothing is open now: the next page slides straight in.
        mouseClick(entry(3))
        verify(slideIn().running)
        compare(slideOut().running, false)
        compare(area().curID, 3)
    }

    function test_everyChoicePlaysTheSound() {
        mouseClick(entry(0))
        mouseClick(entry(1))
        mouseClick(entry(1))
        compare(sounds(), [2, 2, 2])
    }

    function test_pagePlaces() {
        compare(item("pageKeyDefine").y, 0)
        compare(item("pageColor").y, 0)
        compare(item("pageMacro").y, 46, "macro and backlighting sit 46 px lower")
        compare(item("pageBackLighting").y, 46)
    }

    function test_oddIndexesCloseThePage_data() {
        return [ { tag: "too large", index: 9 }, { tag: "text", index: "x" }, { tag: "undefined", index: undefined } ]
    }

    function test_oddIndexesCloseThePage(data) {
        area().show(1)
        slideIn().complete()
        area().show(data.index)
        slideOut().complete()
        compare(area().curID, -1)
    }
}
