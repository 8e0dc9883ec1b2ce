import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The file list: choosing and clearing rows, right clicks, the scrollbar,
// and renaming a row in place, kept or abandoned.
SceneCase {
    id: mainIten
    name: "FileList"

    ListModel { id: rows }

    FileList { id: list; x: 20; y: 20; mdItems: rows }

    // Something else in the scene to click, and something else that can
    // take the keyboard focus.
    Rectangle {
        id: elsewhere
        x: 400; y: 20; width: 100; height: 40
        property int clicks: 0
        MouseArea { anchors.fill: parent; onClicked: elsewhere.clicks += 1 }
    }
    TextInput { id: otherInput; x: 400; y: 100; width: 100; height: 20 }

    SignalSpy { id: clickSpy; target: list; signalName: "listElementClicked" }
    SignalSpy { id: rightSpy; target: list; signalName: "listElementRightBtnClicked" }
    SignalSpy { id: startSpy; target: list; signalName: "editFileName_start" }
    SignalSpy { id: stopSpy; target: list; signalName: "editFileName_stop" }
    SignalSpy { id: completedSpy; target: list; signalName: "editFileName_completed" }

    function fill(count) {
        rows.clear()
        for (var i = 0; i < count; ++i)
            rows.append({ textX: "Macro " + (i + 1), textR: i === 0 ? "R" : "" })
        // The list lays out its rows before the next frame.
        waitForItemPolished(view())
    }

    function row(i) { return findChild(list, "fileListRow" + i) }
    function view() { return list.lvItems }

    function init() {
        ui_View.reset()
        list.abandonEdit()
        fill(5)
        view().currentIndex = -1
        view().contentY = 0
        elsewhere.clicks = 0
        for (const spy of [clickSpy, rightSpy, startSpy, stopSpy, completedSpy])
            spy.clear()
    }

    function test_leftClicksChooseAndClear() {
        mouseClick(row(2))
        compare(view().currentIndex, 2)
        mouseClick(row(2))
        compare(view().currentIndex, -1, "the chosen row again clears the choice")
        mouseClick(row(4))
        compare(view().currentIndex, 4)
        compare(clickSpy.count, 3)
        compare([clickSpy.signalArguments[0][0], clickSpy.signalArguments[1][0], clickSpy.signalArguments[2][0]],
                [2, -1, 4])
    }

    function test_rightClickLeavesTheChoice() {
        mouseClick(row(1))
        mouseClick(row(3), 10, 10, Qt.RightButton)
        compare(rightSpy.count, 1)
        compare(rightSpy.signalArguments[0][0], 3)
        compare(view().currentIndex, 1)
        compare(clickSpy.count, 1)
    }

    function test_emptyingTheListClearsTheChoice() {
        mouseClick(row(1))
        rows.clear()
        waitForItemPolished(view())
        compare(view().currentIndex, -1)
    }

    function test_scrollbarOnlyWhenRowsDoNotFit() {
        var bar = findChild(list, "fileListScrollbar")
        compare(bar.visible, false, "five rows fit")
        fill(15)
        compare(bar.visible, true)
        compare(bar.width, 5)
        compare(bar.radius, 2.5)
        compare(bar.opacity, 0.5)
        fuzzyCompare(bar.height, 200 * 200 / 300, 1, "the bar shows the visible share")
        rows.clear()
        waitForItemPolished(view())
        compare(bar.visible, false, "an empty list has no bar")
    }

    // Dragging the bar moves the rows by as much as the pointer moved, so
    // the bar itself moves less than the pointer; the rows stop where the
    // bar meets an end of the list.
    function test_draggingTheScrollbar() {
        fill(15)
        var bar = findChild(list, "fileListScrollbar")
        var room = list.height - bar.height
        var range = view().contentHeight - view().height
        // Pointer positions in the list's coordinates, over the bar's column.
        var x = list.width - 3
        mousePress(list, x, 5)
        mouseMove(list, x, 25)
        fuzzyCompare(view().contentY, 20, 1, "the rows move by the pointer's movement")
        fuzzyCompare(bar.y, 20 * room / range, 1, "the bar shows the new position")
        mouseMove(list, x, 35)
        fuzzyCompare(view().contentY, 30, 1)
        mouseMove(list, x, 400)
        fuzzyCompare(view().contentY, range, 1, "the rows stop at their end")
        fuzzyCompare(bar.y, room, 1, "the bar stays inside the list")
        mouseRelease(list, x, 400)
        mousePress(list, x, room + 10)
        mouseMove(list, x, room)
        fuzzyCompare(view().contentY, range - 10, 1, "and move back with the pointer")
        mouseMove(list, x, -500)
        fuzzyCompare(view().contentY, 0, 1, "the rows stop at their start")
        fuzzyCompare(bar.y, 0, 1)
        mouseRelease(list, x, -500)
    }

    function test_draggingTheRowsStopsAtTheBounds() {
        fill(15)
        mouseDrag(view(), 70, 150, 0, -400)
        tryVerify(function() { return !view().moving }, 3000)
        fuzzyCompare(view().contentY, 100, 1)
        mouseDrag(view(), 70, 50, 0, 400)
        tryVerify(function() { return !view().moving }, 3000)
        fuzzyCompare(view().contentY, 0, 1)
    }

    function test_renameKept() {
        list.editFileName(1)
        compare(startSpy.count, 1)
        compare(startSpy.signalArguments[0][0], 1)
        var editor = findChild(row(1), "fileListEditor")
        verify(editor.visible)
        verify(editor.activeFocus)
        compare(editor.selectedText, "Macro 2", "all of the text is selected")
        keyClick(Qt.Key_X)
        keyClick(Qt.Key_Y)
        keyClick(Qt.Key_Return)
        compare(rows.get(1).textX, "xy")
        compare(completedSpy.count, 1)
        compare(completedSpy.signalArguments[0][0], "Macro 2")
        compare(completedSpy.signalArguments[0][1], "xy")
        compare(editor.activeFocus, false, "the row gives up the focus")
        compare(list.isEditing, false)
    }

    function test_renameEndedByTheOwner() {
        list.editFileName(0)
        keyClick(Qt.Key_Q)
        list.stopEditFileName()
        compare(stopSpy.count, 1)
        compare(completedSpy.count, 1)
        compare(completedSpy.signalArguments[0][1], "q")
        compare(rows.get(0).textX, "q")
    }

    function test_renameAbandonedByClickingElsewhere() {
        list.editFileName(2)
        keyClick(Qt.Key_Z)
        mouseClick(elsewhere)
        compare(list.isEditing, false)
        compare(completedSpy.count, 0)
        compare(rows.get(2).textX, "Macro 3", "the old name stays")
        compare(elsewhere.clicks, 1, "the click still reached what was under it")
        verify(findChild(row(2), "fileListEditor").visible === false)
    }

    function test_renameAbandonedByClickingAnotherRow() {
        list.editFileName(2)
        keyClick(Qt.Key_Z)
        mouseClick(row(4))
        compare(list.isEditing, false)
        compare(completedSpy.count, 0)
        compare(rows.get(2).textX, "Macro 3")
        compare(view().currentIndex, 4)
    }

    function test_clickInsideTheEditedRowKeepsEditing() {
        list.editFileName(3)
        mouseClick(row(3), 20, 10)
        compare(list.isEditing, true)
        keyClick(Qt.Key_Return)
        compare(completedSpy.count, 1)
    }

    function test_renameAbandonedWhenFocusGoesElsewhere() {
        list.editFileName(1)
        keyClick(Qt.Key_Z)
        otherInput.forceActiveFocus()
        compare(list.isEditing, false)
        compare(completedSpy.count, 0)
        compare(rows.get(1).textX, "Macro 2")
    }

    function test_renameOutsideTheListIsRefused() {
        list.editFileName(7)
        list.editFileName(-1)
        compare(startSpy.count, 0)
        compare(list.isEditing, false)
    }

    function test_secondTextsAreShown() {
        var shown = []
        for (var i = 0; i < row(0).children.length; ++i) {
            var child = row(0).children[i]
            if (child.text !== undefined && child.visible && child.text !== "")
                shown.push(child.text)
        }
        compare(shown, ["Macro 1", "R"])
    }
}
