import QtQuick
import QtTest

// A test case holding a fresh copy of the whole scene, loaded from the
// program's resources as the view loads it.
TestCase {
    id: sceneTest

    when: windowShown
    visible: true
    width: 1000
    height: 600

    property var scene: null
    readonly property Component sceneComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    // A small keyboard: three keys, a few key names, three profiles with the
    // second one active.
    readonly property var smallReplies: ({
        loadHWDef: [3, 128,
                    10, 22, 1, "ESC", 0, 41,
                    42, 118, 1, "A", 37, 4,
                    74, 118, 1, "S", 38, 22],
        loadUsbStr: ["A", "S", "ESC", "ENTER"],
        loadUsbCode: [4, 22, 41, 40],
        getMaxProfile: 3,
        ui_A1H_GetCurrentProfile: 1,
        ui_88H_GetLEDType: [1, 4, 2, 0, 7, 4, 0],
        ui_80H_GetFWVersion: "01.03"
    })

    function init() {
        ui_View.reset()
        compare(sceneComponent.status, Component.Ready, sceneComponent.errorString())
        scene = createTemporaryObject(sceneComponent, sceneTest)
        verify(scene)
    }

    // A scene file that warned (a script error, a missing image) failed.
    function cleanup() {
        compare(ui_View.sceneWarnings, [], "warnings from the scene")
    }

    function item(name) {
        var found = findChild(scene, name)
        verify(found, "no " + name + " in the scene")
        return found
    }

    function settings() { return item("globalSettingPage") }

    function calls(name) { return ui_View.journal.argsOf(name) }
    function callNames(prefix) { return ui_View.journal.names(prefix) }

    function sounds() {
        return calls("ui_View.playMedia_Index").map(function(args) { return args[0] })
    }

    // initUI and run with the given animation base; returns when the
    // start-up sequence has ended.
    function startScene(animationSpeed) {
        ui_View.replies = smallReplies
        scene.initUI()
        settings()._AnimationSpeed = animationSpeed
        var done = false
        var main = item("main_T7")
        var mark = function() { done = true }
        main.poweredOn.connect(mark)
        scene.run()
        tryVerify(function() { return done }, 10000, "the start-up sequence ends")
        main.poweredOn.disconnect(mark)
        ui_View.journal.clear()
    }
}
