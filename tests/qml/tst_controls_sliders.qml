import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The stepped controls: the index arithmetic of both sliders, the direction
// pad's inert cells, and the button groups with their value menu.
SceneCase {
    id: mainIten
    name: "Sliders"

    Slider { id: slider; x: 20; y: 20 }
    Slider { id: speed; x: 20; y: 60; isLight_Speed: true; minIndex: 1; currentIndex: 4 }
    Slider_11 { id: slider11; x: 20; y: 100 }
    SteeringWheel { id: wheel; x: 20; y: 140 }
    ButtonGroup_4 { id: group4; x: 400; y: 20 }
    ButtonGroupPro_8 { id: group8; x: 400; y: 80 }
    Item { id: neighbour; x: 400; y: 130; width: 150; height: 40 }

    SignalSpy { id: sliderSpy; target: slider; signalName: "sliderClicked" }
    SignalSpy { id: speedSpy; target: speed; signalName: "sliderClicked" }
    SignalSpy { id: slider11Spy; target: slider11; signalName: "sliderClicked" }
    SignalSpy { id: wheelSpy; target: wheel; signalName: "wheelClicked" }
    SignalSpy { id: group4Spy; target: group4; signalName: "clicked" }
    SignalSpy { id: group8Spy; target: group8; signalName: "clicked" }
    SignalSpy { id: valueSpy; target: group8; signalName: "valueChanged" }

    function init() {
        ui_View.reset()
        animation_speed = 800
        for (const spy of [sliderSpy, speedSpy, slider11Spy, wheelSpy, group4Spy, group8Spy, valueSpy])
            spy.clear()
        slider.minIndex = 0
        slider.currentIndex = 7
        speed.currentIndex = 4
        slider11.currentIndex = 5
        wheel.currentIndex = 1
        group4.currentIndex = 0
        group4.enabled = true
        group8.valueForIndex = [5, 0, 3, -1, 7, 8, 9, 10]
        group8.valueForMenuIndex = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
        group8.menuCounter = 18
        group8.currentIndex = 0
        group8.showMenu(false)
        tryCompare(findChild(group8, "valueMenu"), "visible", false)
    }

    function releaseAt(target, x) {
        var area = findChild(target, target === slider11 ? "slider11Area" : "sliderArea")
        mousePress(area, 70, 10)
        mouseRelease(area, x, 10)
    }

    function litCells(target, count, prefix, first) {
        var lit = []
        for (var k = first; k < first + count; ++k) {
            var cell = findChild(target, prefix + k)
            verify(cell, prefix + k)
            if (String(cell.source).endsWith("_1.png"))
                lit.push(k)
        }
        return lit
    }

    function test_sliderIndex_data() {
        return [
            { tag: "far left", min: 0, x: 0, index: 0 },
            { tag: "far left, minIndex 1", min: 1, x: 0, index: 1 },
            { tag: "first pixel", min: 0, x: 1, index: 1 },
            { tag: "boundary 20 gives the lower step", min: 0, x: 20, index: 1 },
            { tag: "21 gives the next", min: 0, x: 21, index: 2 },
            { tag: "boundary 100", min: 0, x: 100, index: 5 },
            { tag: "far right", min: 0, x: 140, index: 7 },
            { tag: "right of the strip", min: 0, x: 400, index: 7 },
            { tag: "left of the strip", min: 3, x: -50, index: 3 },
            { tag: "below minIndex", min: 4, x: 41, index: 4 },
        ]
    }

    function test_sliderIndex(data) {
        slider.minIndex = data.min
        releaseAt(slider, data.x)
        compare(slider.currentIndex, data.index)
        compare(sliderSpy.count, 1)
        compare(sliderSpy.signalArguments[0][0], data.index)
    }

    function test_sliderReportsEveryRelease() {
        releaseAt(slider, 50)
        releaseAt(slider, 50)
        compare(sliderSpy.count, 2, "also when the index did not change")
        compare(slider.getCurIndex(), 3)
    }

    function test_sliderCellsFollowTheIndex() {
        slider.setCurIndex(3)
        compare(litCells(slider, 7, "sliderCell", 1), [1, 2, 3])
        slider.setCurIndex(0)
        compare(litCells(slider, 7, "sliderCell", 1), [], "index 0 lights no cell")
        slider.setCurIndex(7)
        compare(litCells(slider, 7, "sliderCell", 1), [1, 2, 3, 4, 5, 6, 7])
    }

    function test_sliderPreviewWhilePressed() {
        slider.setCurIndex(7)
        var area = findChild(slider, "sliderArea")
        mousePress(area, 45, 10)
        compare(litCells(slider, 7, "sliderCell", 1), [1, 2, 3], "cells whose left edge is at or left of the pointer")
        mouseMove(area, 21, 10)
        compare(litCells(slider, 7, "sliderCell", 1), [1, 2])
        mouseRelease(area, 21, 10)
        compare(litCells(slider, 7, "sliderCell", 1), [1, 2])
    }

    function test_speedSliderHasFourCells() {
        verify(findChild(speed, "sliderCell4"))
        compare(findChild(speed, "sliderCell5"), null)
        releaseAt(speed, 70)
        compare(speed.currentIndex, 4)
        releaseAt(speed, 120)
        compare(speed.currentIndex, 6, "a release right of the four cells gives 5 to 7")
        compare(litCells(speed, 4, "sliderCell", 1), [1, 2, 3, 4])
        releaseAt(speed, 0)
        compare(speed.currentIndex, 1, "minIndex 1")
        compare(litCells(speed, 4, "sliderCell", 1), [1])
    }

    function test_slider11Index_data() {
        return [
            { tag: "left", x: 0, index: 0 },
            { tag: "end of cell 0", x: 28, index: 0 },
            { tag: "start of cell 1", x: 29, index: 1 },
            { tag: "middle", x: 154, index: 5 },
            { tag: "right", x: 308, index: 10 },
            { tag: "right of the strip", x: 500, index: 10 },
        ]
    }

    function test_slider11Index(data) {
        releaseAt(slider11, data.x)
        compare(slider11.currentIndex, data.index)
        compare(slider11Spy.signalArguments[0][0], data.index)
    }

    function test_slider11Cells() {
        slider11.setCurIndex(2)
        compare(litCells(slider11, 11, "slider11Cell", 0), [0, 1, 2])
        var area = findChild(slider11, "slider11Area")
        mousePress(area, 0, 10)
        compare(litCells(slider11, 11, "slider11Cell", 0), [0], "cell 0 is always lit while pressed")
        mouseMove(area, 60, 10)
        compare(litCells(slider11, 11, "slider11Cell", 0), [0, 1, 2])
        mouseRelease(area, 60, 10)
        compare(slider11.currentIndex, 2)
    }

    function test_wheelOnlyLeftAndRightReact_data() {
        return [
            { tag: "centre", cell: 0, index: 1, signals: 0 },
            { tag: "right", cell: 1, index: 1, signals: 1 },
            { tag: "left", cell: 2, index: 2, signals: 1 },
            { tag: "top", cell: 3, index: 1, signals: 0 },
            { tag: "bottom", cell: 4, index: 1, signals: 0 },
        ]
    }

    function test_wheelOnlyLeftAndRightReact(data) {
        mouseClick(findChild(wheel, "wheelCell" + data.cell))
        compare(wheel.currentIndex, data.index)
        compare(wheelSpy.count, data.signals)
        if (data.signals)
            compare(wheelSpy.signalArguments[0][0], data.cell)
    }

    function test_wheelInertCellsNeverLight() {
        mouseMove(wheel, 0, 0)
        wheel.setCurIndex(0)
        for (const cell of [0, 3, 4])
            verify(String(findChild(wheel, "wheelCell" + cell).source).endsWith("_0.png"), "cell " + cell)
        wheel.setCurIndex(2)
        verify(String(findChild(wheel, "wheelCell2").source).endsWith("_1.png"))
        verify(String(findChild(wheel, "wheelCell1").source).endsWith("_0.png"))
    }

    function test_group4() {
        mouseClick(findChild(group4, "groupCell2"))
        compare(group4.currentIndex, 2)
        compare(group4Spy.signalArguments[0][0], 2)
        group4.enabled = false
        compare(group4.opacity, 0.2)
        mouseClick(findChild(group4, "groupCell3"))
        compare(group4.currentIndex, 2, "a disabled group takes no click")
    }

    function test_group8CellsWithoutValueIgnoreClicks() {
        mouseClick(findChild(group8, "groupCell1"), 10, 10)
        mouseClick(findChild(group8, "groupCell3"), 10, 10)
        compare(group8Spy.count, 0)
        compare(group8.currentIndex, 0)
        mouseClick(findChild(group8, "groupCell2"), 10, 10)
        compare(group8.currentIndex, 2)
        compare(group8Spy.signalArguments[0][0], 2)
    }

    function test_group8ValueMenu() {
        var menu = findChild(group8, "valueMenu")
        var cell = findChild(group8, "groupCell6")
        var arrow = findChild(group8, "groupArrow6")
        mouseClick(arrow)
        verify(menu.visible)
        compare(group8.currentMenuIndex, 6)
        compare(menu.y, cell.y + cell.height + 5, "5 px below the cell")
        var pointer = arrow.mapToItem(group8, arrow.width / 2, arrow.height / 2)
        fuzzyCompare(menu.x + menu.width / 2, pointer.x, 1, "centred on the pointer")
        verify(group8.z > neighbour.z, "the group rises above its neighbours")
        compare(menu.children.length - 1, 18, "one entry per menu value")

        mouseClick(findChild(group8, "menuEntry4"))
        compare(group8.valueForIndex[6], 4)
        compare(valueSpy.count, 1)
        compare(valueSpy.signalArguments[0][0], 6)
        compare(valueSpy.signalArguments[0][1], 4)
        tryCompare(menu, "visible", false, 2000)
        compare(group8.currentMenuIndex, -1)
        compare(group8.z, 0)
    }

    function test_group8ArrowOfOpenCellCloses() {
        var menu = findChild(group8, "valueMenu")
        mouseClick(findChild(group8, "groupArrow2"))
        verify(menu.visible)
        mouseClick(findChild(group8, "groupArrow2"))
        tryCompare(menu, "visible", false, 2000)
        compare(valueSpy.count, 0)
        compare(group8.currentMenuIndex, -1)
    }

    function test_group8MenuCounterLimitsEntries() {
        group8.menuCounter = 5
        group8.showMenu(true, 50, 50)
        verify(findChild(group8, "menuEntry4"))
        compare(findChild(group8, "menuEntry5"), null)
    }

    function test_group8RequestDuringFadeFinishesIt() {
        var menu = findChild(group8, "valueMenu")
        group8.showMenu(true, 50, 50)
        verify(menu.opacity < 1)
        group8.showMenu(false)
        // The fade-in was finished at once; the fade-out starts from there.
        verify(menu.visible)
        verify(menu.opacity > 0.9)
        group8.showMenu(true, 60, 50)
        compare(menu.visible, true, "the fade-out was finished, then the menu opened again")
        tryCompare(menu, "opacity", 1, 3000)
    }
}
