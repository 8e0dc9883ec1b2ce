import QtQuick
import QtTest

// The busy overlay and the view's input switch: a countdown per call, a
// longer interval within a running one, the blinking text.
MainSceneCase {
    name: "ProtectUI"

    function enabledCalls() {
        return calls("ui_View.setEnabled").map(function(args) { return args[0] })
    }

    function test_busyForTheInterval() {
        var busy = item("busyIndicator")
        scene.visible = true
        scene.setProtectUI(300)
        compare(busy.isBusy, true)
        compare(busy.visible, true)
        compare(ui_View.enabled, false, "the view takes no input")
        compare(item("protectTimer").interval, 300)
        wait(150)
        compare(ui_View.enabled, false)
        tryCompare(ui_View, "enabled", true, 1000)
        compare(busy.visible, false)
        compare(enabledCalls(), [false, true])
        verify(scene.received.indexOf("setProtectUI 300") >= 0)
    }

    function test_longerIntervalWithinARunningOne() {
        scene.setProtectUI(300)
        wait(150)
        var second = Date.now()
        scene.setProtectUI(900)
        wait(500)
        // The first countdown would have ended 150 ms after the second call.
        compare(ui_View.enabled, false, "disabled past the end of the first interval")
        tryCompare(ui_View, "enabled", true, 2000)
        verify(Date.now() - second >= 880, "counted from the second call: " + (Date.now() - second))
        compare(enabledCalls(), [false, false, true], "no gap in between")
    }

    function test_equalIntervalKeepsTheRunningCountdown() {
        scene.setProtectUI(600)
        wait(300)
        var second = Date.now()
        scene.setProtectUI(600)
        tryCompare(ui_View, "enabled", true, 2000)
        verify(Date.now() - second < 550, "the countdown was not restarted: " + (Date.now() - second))
    }

    function test_zeroEndsAtOnce() {
        scene.setProtectUI(1)
        scene.setProtectUI(0)
        tryCompare(ui_View, "enabled", true, 200)
        compare(item("busyIndicator").visible, false)
    }

    function test_oddIntervals_data() {
        return [ { tag: "text", value: "abc" }, { tag: "negative", value: -5 }, { tag: "missing", value: undefined } ]
    }

    function test_oddIntervals(data) {
        scene.setProtectUI(data.value)
        compare(item("protectTimer").interval, 0)
        tryCompare(ui_View, "enabled", true, 200)
    }

    function test_overlayBlinksWhileBusy() {
        var busy = item("busyIndicator")
        var blink = item("busyBlink")
        compare(blink.running, false)
        scene.setProtectUI(2000)
        verify(blink.running)
        var label = busy.children[0]
        compare(label.text, "LOADING ......")
        verify(label.font.bold)
        tryVerify(function() { return label.opacity < 0.5 }, 1000, "it fades to 0.2")
        tryVerify(function() { return label.opacity > 0.9 }, 1000, "and back")
        compare(busy.z, 99, "above everything")
        scene.setProtectUI(0)
        tryCompare(blink, "running", false, 500)
        compare(label.opacity, 1)
    }

    function test_globalKeysStillArriveWhileBusy() {
        var spy = createTemporaryObject(signalSpy, this, { target: scene, signalName: "msg_KB" })
        scene.setProtectUI(2000)
        scene.detectKeyboard(true, 4)
        compare(spy.count, 1)
        scene.setProtectUI(0)
    }

    Component { id: signalSpy; SignalSpy {} }
}
