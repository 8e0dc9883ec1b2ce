import QtQuick
import QtTest

// The settings panel: the top bar's button opens and closes it, its slides
// resolve races by finishing, and while it is open the rest of the scene is
// faded and takes no clicks.
MainSceneCase {
    name: "SettingsPanel"

    function panel() { return item("globalSettingPanel") }
    function openSlide() { return item("openSlide") }
    function closeSlide() { return item("closeSlide") }
    function upItem() { return item("upItem") }

    function init() {
        ui_View.reset()
        scene = createTemporaryObject(sceneComponent, this)
        startScene(10)
        settings()._AnimationSpeed = 800
    }

    function test_settingsButtonOpensAndCloses() {
        var button = item("settingButton")
        mouseClick(button)
        compare(upItem().isGlobalSettingSelect, true)
        compare(sounds(), [0x02])
        verify(panel().visible)
        verify(openSlide().running)
        compare(openSlide().duration, 640)
        compare(openSlide().easing.type, Easing.OutCubic)
        compare(panel().contentX, 340, "the content enters from 340 px to the left")
        verify(String(button.source).endsWith("applicationSetting_1.png"))
        tryCompare(openSlide(), "running", false, 2000)
        compare(panel().contentX, 0)
        compare(panel().x, 5)
        compare(panel().y, 27)

        mouseClick(button)
        compare(upItem().isGlobalSettingSelect, false)
        verify(closeSlide().running)
        verify(panel().visible, "visible while it slides out")
        tryCompare(panel(), "visible", false, 2000)
        compare(panel().contentX, 340)
        // A real pointer moves over the button before it leaves it.
        mouseMove(button, 2, 2)
        mouseMove(scene, 400, 300)
        verify(String(button.source).endsWith("applicationSetting_0.png"))
    }

    function test_theRestIsInertWhileOpen() {
        upItem().isGlobalSettingSelect = true
        for (const name of ["fnItem", "pfItem", "pageArea", "dnItem"]) {
            compare(item(name).enabled, false, name)
            fuzzyCompare(item(name).opacity, 0.2, 0.001, name)
        }
        compare(item("upItem").enabled, true, "the top bar stays usable")
        mouseClick(item("fnEntry1"))
        compare(item("fnItem").currentIndex, -1, "the function menu ignores clicks")
        compare(item("pageArea").curID, -1)
        mouseClick(item("pfEntry2"))
        compare(item("pfItem").currentIndex, 1, "the profile menu ignores clicks")
        mouseClick(item("allResetButton"))
        compare(callNames("ui_View.setEnabled"), [], "the bottom bar ignores clicks")

        upItem().isGlobalSettingSelect = false
        for (const name of ["fnItem", "pfItem", "pageArea", "dnItem"]) {
            compare(item(name).enabled, true, name)
            compare(item(name).opacity, 1, name)
        }
        mouseClick(item("fnEntry1"))
        compare(item("pageArea").curID, 1)
    }

    function test_showWhileClosingFinishesTheClosing() {
        panel().show()
        openSlide().complete()
        panel().close()
        verify(closeSlide().running)
        panel().show()
        compare(closeSlide().running, false)
        verify(openSlide().running, "then opens again")
        verify(panel().visible)
    }

    function test_closeWhileOpeningFinishesTheOpening() {
        panel().show()
        verify(openSlide().running)
        panel().close()
        compare(openSlide().running, false)
        verify(closeSlide().running)
        panel().close()
        compare(closeSlide().running, false, "a second close finishes the closing")
        compare(panel().visible, false)
    }

    function test_secondShowFinishesTheOpening() {
        panel().show()
        panel().show()
        compare(openSlide().running, false)
        compare(panel().contentX, 0)
        verify(panel().visible)
    }

    function test_panelIsAboveTheMenusAndBelowTheOverlay() {
        var order = []
        for (var i = 0; i < scene.children.length; ++i)
            order.push(scene.children[i].objectName)
        var at = function(name) { return order.indexOf(name) }
        verify(at("dragArea") < at("environment"))
        verify(at("environment") < at("main_T7"))
        verify(at("main_T7") < at("decoration"))
        verify(at("decoration") < at("dnItem"))
        verify(at("dnItem") < at("upItem"))
        verify(at("upItem") < at("logo"))
        verify(at("logo") < at("globalSettingPanel"))
        verify(item("busyIndicator").z > panel().z)
    }
}
