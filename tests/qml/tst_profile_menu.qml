import QtQuick
import QtTest

// The profile menu: one entry per profile slot, a left click switches the
// keyboard's profile, a right click opens LOAD / SAVE / RESET / CANCEL for
// that slot; LOAD and RESET of the active slot make the scene re-read it.
MainSceneCase {
    name: "ProfileMenu"

    function pf() { return item("pfItem") }
    function menu() { return item("profileContextMenu") }
    function entry(i) { return item("pfEntry" + i) }

    function init() {
        ui_View.reset()
        scene = createTemporaryObject(sceneComponent, this)
        startScene(10)
        ui_View.replies = smallReplies
        settings()._AnimationSpeed = 100
    }

    function entryLabels() {
        var labels = []
        for (var i = 0; i < 12; ++i) {
            var label = findChild(scene, "pfLabel" + i)
            if (label)
                labels.push(label.text)
        }
        return labels
    }

    function test_oneEntryPerProfile() {
        compare(entryLabels(), ["P01", "P02", "P03"])
        compare(pf().currentIndex, 1)
        verify(String(entry(1).children[0].source).endsWith("profileFW_1.png"), "the active slot is lit")
        verify(String(entry(0).children[0].source).endsWith("profileFW_0.png"))
    }

    function test_profileCounts_data() {
        return [
            { tag: "none", max: 0, labels: [] },
            { tag: "ten", max: 10, labels: ["P01", "P02", "P03", "P04", "P05", "P06", "P07", "P08", "P09", "P10"] },
            { tag: "more than fit", max: 14, labels: ["P01", "P02", "P03", "P04", "P05", "P06", "P07", "P08", "P09", "P10"] },
            { tag: "not a number", max: "x", labels: [] },
        ]
    }

    function test_profileCounts(data) {
        pf().initProfile(data.max)
        wait(0)
        compare(entryLabels(), data.labels)
    }

    function test_leftClickSwitchesTheProfile() {
        mouseClick(entry(2))
        compare(pf().currentIndex, 2)
        compare(calls("ui_View.ui_21H_SetCurrentProfile"), [[2]])
        var names = callNames("ui_View.")
        verify(names.indexOf("ui_View.syncLed") > names.indexOf("ui_View.ui_21H_SetCurrentProfile"),
               "the lighting state is read again after the switch")
        verify(String(entry(2).children[0].source).endsWith("profileFW_1.png"))
    }

    function test_leftClickOnTheActiveProfileDoesNothing() {
        mouseClick(entry(1))
        compare(callNames("ui_View.ui_21H"), [])
        compare(pf().currentIndex, 1)
    }

    function test_rightClickOpensTheMenuForThatSlot() {
        mouseClick(entry(2), 10, 8, Qt.RightButton)
        compare(pf().currentIndex, 1, "a right click does not switch profiles")
        compare(callNames("ui_View.ui_21H"), [])
        verify(menu().visible)
        compare(menu().slot, 2)
        compare(menu().x, 10 - 45)
        compare(menu().y, 2 * 26 + 8 + 85)
        compare(menu().width, 45)
        compare(menu().height, 80)
        compare(menu().color, Qt.rgba(0, 0, 0, 0x20 / 255))
        tryCompare(menu(), "opacity", 1, 1000)
        compare(item("fadeIn").duration, 150)
        compare(item("fadeIn").easing.type, Easing.OutExpo)
    }

    function openMenuFor(slot) {
        mouseClick(entry(slot), 10, 8, Qt.RightButton)
        ui_View.journal.clear()
    }

    function test_loadIntoAnotherSlot() {
        openMenuFor(0)
        mouseClick(item("contextRow0"))
        compare(callNames("ui_View."), ["ui_View.loadProfile"])
        compare(calls("ui_View.loadProfile"), [[0]])
        tryCompare(menu(), "visible", false, 1000)
    }

    function test_loadIntoTheActiveSlotRereadsIt() {
        openMenuFor(1)
        mouseClick(item("contextRow0"))
        var names = callNames("ui_View.")
        compare(names[0], "ui_View.loadProfile")
        compare(calls("ui_View.ui_21H_SetCurrentProfile"), [[1]], "the keyboard is told the active profile again")
        verify(names.indexOf("ui_View.syncLed") > 0)
        compare(pf().currentIndex, 1)
    }

    function test_save() {
        openMenuFor(2)
        mouseClick(item("contextRow1"))
        compare(callNames("ui_View."), ["ui_View.saveProfile"])
        compare(calls("ui_View.saveProfile"), [[2]])
    }

    function test_resetOfAnotherSlot() {
        openMenuFor(2)
        mouseClick(item("contextRow2"))
        compare(callNames("ui_View."), ["ui_View.resetProfile"])
        compare(calls("ui_View.resetProfile"), [[2]])
    }

    function test_resetOfTheActiveSlotRereadsIt() {
        openMenuFor(1)
        mouseClick(item("contextRow2"))
        compare(callNames("ui_View.")[0], "ui_View.resetProfile")
        compare(calls("ui_View.ui_21H_SetCurrentProfile"), [[1]])
    }

    function test_cancelOnlyCloses() {
        openMenuFor(1)
        mouseClick(item("contextRow3"))
        compare(callNames(), [])
        verify(item("fadeOut").running)
        compare(item("fadeOut").duration, 100)
        tryCompare(menu(), "visible", false, 1000)
    }

    function test_menuLabelsFollowTranslation() {
        var strings = settings()._StringList.slice()
        strings[84] = "IMPORT"
        strings[85] = "EXPORT"
        strings[77] = "FACTORY"
        strings[78] = "CLOSE"
        settings()._StringList = strings
        scene.translateStrings("031000")
        compare(menu().labels, ["IMPORT", "EXPORT", "FACTORY", "CLOSE"])
    }

    function test_reopeningWhileFadingOut() {
        openMenuFor(1)
        mouseClick(item("contextRow3"))
        verify(item("fadeOut").running)
        mouseClick(entry(0), 10, 8, Qt.RightButton)
        compare(item("fadeOut").running, false, "the fade-out is stopped")
        verify(menu().visible)
        compare(menu().slot, 0)
        verify(item("fadeIn").running)
    }
}
