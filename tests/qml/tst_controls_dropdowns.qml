import QtQuick
import QtTest
import "qrc:/modules/qml/common"
import "qrc:/modules/qml/basic/DefaultStrings.js" as DefaultStrings

// The two drop-down controls: what the header shows, opening and closing,
// and the races between a click and a running slide.
SceneCase {
    id: mainIten
    name: "Dropdowns"

    ListModel {
        id: letters
        ListElement { textX: "A" }
        ListElement { textX: "B" }
        ListElement { textX: "C" }
    }

    ListModel {
        id: files
        ListElement { textX: "Macro 1"; textR: "" }
        ListElement { textX: "Macro 2"; textR: "" }
    }

    DropdownList { id: dropdown; x: 20; y: 20; mdItems: letters }
    FileListButton { id: fileButton; x: 300; y: 20; mdItems: files }

    property var events: []
    Connections {
        target: dropdown
        function onListOpened() { mainIten.events.push("opened") }
        function onListClosed() { mainIten.events.push("closed") }
        function onListElementClicked(index) { mainIten.events.push("clicked " + index) }
    }
    Connections {
        target: fileButton
        function onRequestToUpdateList() { mainIten.events.push("update") }
        function onListOpened() { mainIten.events.push("opened") }
        function onListClosed() { mainIten.events.push("closed") }
        function onListElementClicked(index) { mainIten.events.push("clicked " + index) }
    }

    function anim(control, name) { return findChild(control, name) }
    function headerText(control, name) { return findChild(control, name).text }

    function settle(control) {
        anim(control, "openAnimation").complete()
        anim(control, "closeAnimation").complete()
        if (control.isSelect) {
            control.closeList()
            anim(control, "closeAnimation").complete()
        }
    }

    function init() {
        ui_View.reset()
        animation_speed = 800
        isEnglish = true
        settle(dropdown)
        settle(fileButton)
        dropdown.setCurIndex(-1)
        dropdown.isbosiColorPage = false
        fileButton.setCurIndex(-1)
        letters.setProperty(1, "textX", "B")
        globalSetting_stringList = DefaultStrings.list
        events = []
    }

    function test_headerShowsEntryOrPlaceholder() {
        compare(headerText(dropdown, "dropdownHeaderText"), "【 OPTIONS 】")
        dropdown.setCurIndex(1)
        compare(headerText(dropdown, "dropdownHeaderText"), "B")
        letters.setProperty(1, "textX", "Bee")
        compare(headerText(dropdown, "dropdownHeaderText"), "Bee", "a re-labelled entry shows at once")
        dropdown.setCurIndex(3)
        compare(headerText(dropdown, "dropdownHeaderText"), "【 OPTIONS 】", "an index past the end")
        var strings = DefaultStrings.list.slice()
        strings[1] = "CHOOSE"
        globalSetting_stringList = strings
        compare(headerText(dropdown, "dropdownHeaderText"), "【 CHOOSE 】")
        compare(headerText(fileButton, "fileListButtonHeaderText"), "【 CHOOSE 】")
        fileButton.setCurIndex(0)
        compare(headerText(fileButton, "fileListButtonHeaderText"), "Macro 1")
    }

    function test_openAndClose() {
        compare(anim(dropdown, "openAnimation").duration, 800 * (0.1 + 0.05 * 3))
        compare(findChild(dropdown, "dropdownList").height, 23 * 3 - 2 + 1, "rows overlap by one pixel")
        mouseClick(findChild(dropdown, "dropdownHeader"))
        compare(events, ["opened"], "listOpened when the opening starts")
        compare(dropdown.isSelect, false)
        verify(findChild(dropdown, "dropdownList").visible)
        tryCompare(dropdown, "isSelect", true, 1000)
        mouseClick(findChild(dropdown, "dropdownHeader"))
        verify(anim(dropdown, "closeAnimation").running)
        compare(dropdown.isSelect, true)
        tryCompare(dropdown, "isSelect", false, 1000)
        compare(events, ["opened", "closed"])
        compare(findChild(dropdown, "dropdownList").visible, false)
    }

    function test_secondHeaderClickFinishesTheOpening() {
        var header = findChild(dropdown, "dropdownHeader")
        mouseClick(header)
        mouseClick(header)
        compare(dropdown.isSelect, true, "the list stays open")
        compare(anim(dropdown, "openAnimation").running, false)
        compare(anim(dropdown, "closeAnimation").running, false)
        compare(events, ["opened"])
    }

    function test_entryClickedWhileOpening() {
        mouseClick(findChild(dropdown, "dropdownHeader"))
        verify(anim(dropdown, "openAnimation").running)
        dropdown.entryClicked(2)
        compare(dropdown.getCurIndex(), 2)
        verify(anim(dropdown, "closeAnimation").running, "the opening finished at once, then the list closes")
        compare(events, ["opened", "clicked 2"])
        tryCompare(dropdown, "isSelect", false, 1000)
        compare(events, ["opened", "clicked 2", "closed"])
        compare(headerText(dropdown, "dropdownHeaderText"), "C")
    }

    function test_entryClickByMouse() {
        dropdown.showList()
        anim(dropdown, "openAnimation").complete()
        mouseClick(findChild(dropdown, "dropdownEntry1"))
        compare(dropdown.getCurIndex(), 1)
        compare(events, ["opened", "clicked 1"])
    }

    function test_showWhileClosingAndCloseWhileOpening() {
        dropdown.showList()
        anim(dropdown, "openAnimation").complete()
        dropdown.closeList()
        dropdown.showList()
        compare(events, ["opened", "closed", "opened"], "the closing ends at once, then the list opens")
        verify(anim(dropdown, "openAnimation").running)
        dropdown.closeList()
        compare(dropdown.isSelect, true)
        verify(anim(dropdown, "closeAnimation").running)
        dropdown.closeList()
        compare(dropdown.isSelect, false, "a second close finishes the closing")
        compare(events, ["opened", "closed", "opened", "closed"])
    }

    function test_requestsOnAClosedOrOpenListChangeNothing() {
        dropdown.closeList()
        compare(anim(dropdown, "closeAnimation").running, false)
        dropdown.showList()
        anim(dropdown, "openAnimation").complete()
        dropdown.showList()
        compare(anim(dropdown, "openAnimation").running, false)
        compare(events, ["opened"])
    }

    function test_rightToLeft() {
        var header = findChild(dropdown, "dropdownHeader")
        var text = findChild(dropdown, "dropdownHeaderText")
        compare(header.width, 151)
        compare(text.horizontalAlignment, Text.AlignLeft)
        isEnglish = false
        compare(text.horizontalAlignment, Text.AlignRight)
        compare(header.width, 151)
        dropdown.isbosiColorPage = true
        compare(header.width, 170, "the colour page's wider strip")
        compare(header.width - (text.x + text.width), 30, "30 px from the right edge")
        isEnglish = true
        compare(header.width, 151)
    }

    function test_fileButtonAsksForEntriesBeforeOpening() {
        compare(anim(fileButton, "openAnimation").duration, 400)
        mouseClick(findChild(fileButton, "fileListButtonHeader"))
        compare(events, ["update", "opened"])
        anim(fileButton, "openAnimation").complete()
        compare(fileButton.isSelect, true)
        mouseClick(findChild(fileButton, "fileListButtonHeader"))
        compare(events, ["update", "opened"], "no refill request when closing")
        tryCompare(fileButton, "isSelect", false, 1000)
        compare(events, ["update", "opened", "closed"])
    }

    function test_fileButtonEntryClicks() {
        fileButton.showList()
        anim(fileButton, "openAnimation").complete()
        var list = findChild(fileButton, "dropFileList")
        mouseClick(findChild(list, "fileListRow1"))
        compare(fileButton.getCurIndex(), 1)
        verify(anim(fileButton, "closeAnimation").running)
        anim(fileButton, "closeAnimation").complete()
        compare(headerText(fileButton, "fileListButtonHeaderText"), "Macro 2")
        fileButton.showList()
        anim(fileButton, "openAnimation").complete()
        mouseClick(findChild(list, "fileListRow1"))
        compare(fileButton.getCurIndex(), -1, "the chosen entry again clears the choice")
        compare(events, ["opened", "clicked 1", "closed", "opened", "clicked -1"])
        anim(fileButton, "closeAnimation").complete()
        compare(headerText(fileButton, "fileListButtonHeaderText"), "【 OPTIONS 】")
    }
}
