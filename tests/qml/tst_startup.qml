import QtQuick
import QtTest

// The start-up: what the loaded scene looks like, what initUI asks native
// code in which order, the animation sequence of run() and its durations,
// and the closing animation.
MainSceneCase {
    name: "StartUp"

    function test_loadedSceneIsHidden() {
        compare(scene.visible, false)
        compare(scene.width, 1000)
        compare(scene.height, 600)
        compare(item("environment").opacity, 0)
        compare(item("decoration").opacity, 0)
        compare(item("logo").opacity, 0)
        compare(item("upItem").y, -600)
        compare(item("dnItem").y, 600)
        compare(item("fnItem").visible, false)
        compare(item("pfItem").visible, false)
        compare(item("pageArea").visible, false)
        compare(callNames(), [], "the scene calls nothing while it loads")
    }

    function test_initUIAsksInOrder() {
        ui_View.replies = smallReplies
        scene.initUI()
        var names = callNames("ui_View.")
        var expected = ["ui_View.loadApConfig", "ui_View.loadHWDef", "ui_View.loadUsbStr", "ui_View.loadUsbCode",
                        "ui_View.getMaxProfile", "ui_View.ui_A1H_GetCurrentProfile", "ui_View.syncLed"]
        var at = -1
        for (var i = 0; i < expected.length; ++i) {
            var next = names.indexOf(expected[i], at + 1)
            verify(next > at, expected[i] + " after the ones before it, in " + names.join(" "))
            at = next
        }
        compare(item("keyCodeString").keycodeTostr(22), "S", "the translator is built")
        compare(item("keyCodeString").keycodeTomatrix(22), 38)
        compare(item("pfItem").currentIndex, 1)
        verify(findChild(scene, "pfEntry2"))
        compare(findChild(scene, "pfEntry3"), null, "one entry per profile")
        verify(scene.received.indexOf("initUI done keys=3 profile=1 led=1,4,2,0,7,4,0 firmware=01.03") >= 0,
               scene.received.join(" | "))
    }

    function test_initUIWithNothingFromNativeCode() {
        scene.initUI()
        compare(item("pfItem").currentIndex, 0)
        compare(findChild(scene, "pfEntry0"), null, "no profiles")
        compare(item("keyCodeString").keycodeTostr(4), undefined)
    }

    function test_runPlaysTheSequenceInOrder() {
        ui_View.replies = smallReplies
        scene.initUI()
        settings()._AnimationSpeed = 100
        var events = []
        var note = function(what) { if (events.indexOf(what) < 0) events.push(what) }
        var logo = item("logo"), env = item("environment"), deco = item("decoration")
        var fn = item("fnItem"), pf = item("pfItem"), area = item("pageArea"), main = item("main_T7")
        var script1 = item("script1")
        scene.visibleChanged.connect(function() { note("visible") })
        logo.opacityChanged.connect(function() { if (logo.opacity === 1) note("logo shown") })
        logo.yChanged.connect(function() { if (logo.y === 4) note("logo risen") })
        env.opacityChanged.connect(function() { if (env.opacity === 1) note("background") })
        script1.runningChanged.connect(function() { note(script1.running ? "bars" : "bars in place") })
        fn.visibleChanged.connect(function() { note("menus") })
        area.visibleChanged.connect(function() { note("page area") })
        main.poweredOn.connect(function() { note("done") })

        ui_View.journal.clear()
        scene.run()
        compare(sounds(), [0x01], "the start-up sound first")
        compare(scene.visible, true)
        tryVerify(function() { return events.indexOf("done") >= 0 }, 5000)
        compare(events, ["visible", "logo shown", "logo risen", "background", "bars", "menus",
                         "bars in place", "page area", "done"])
        compare(deco.opacity, 1)
        compare(logo.y, 4)
        compare(item("upItem").y, 0)
        compare(item("dnItem").y, 600 - item("dnItem").height)
        compare(fn.x, 8)
        compare(pf.x, 1000 - pf.width - 8)
        compare(pf.y, 95)
        compare(fn.y, 180)
        compare(area.curID, -1, "no page open after start-up")
    }

    function test_durationsAndEasings() {
        settings()._AnimationSpeed = 800
        var logoFade = item("logoFade"), logoRise = item("logoRise"), env = item("environmentFade")
        compare(logoFade.duration, 800)
        compare(logoFade.easing.type, Easing.InCirc)
        compare(logoRise.duration, 1200)
        compare(logoRise.from, 270)
        compare(logoRise.to, 4)
        compare(logoRise.easing.type, Easing.OutExpo)
        compare(env.duration, 800)
        compare(env.easing.type, Easing.OutCirc)
        compare(item("scriptEnd").duration, 800)
        compare(item("scriptEnd").easing.type, Easing.InOutCubic)
        compare(item("slideIn").duration, 400)

        // Animations off: every step takes its share of 10 ms, 50 ms in all.
        settings()._AnimationSpeed = 10
        var total = logoFade.duration + logoRise.duration + env.duration
                  + item("functionMenuSlide").duration + item("slideIn").duration
        compare(total, 50)
        compare(item("profileMenuSlide").duration, 10)
        compare(item("topBarSlide").duration, 10, "the bars slide while the menus do")
        compare(item("bottomBarSlide").duration, 10)
        compare(item("topBarSlide").easing.type, Easing.OutElastic)
        compare(item("functionMenuSlide").easing.type, Easing.OutElastic)
    }

    function test_startUpWithAnimationsOff() {
        ui_View.replies = smallReplies
        scene.initUI()
        settings()._AnimationSpeed = 10
        var done = false
        item("main_T7").poweredOn.connect(function() { done = true })
        var started = Date.now()
        scene.run()
        tryVerify(function() { return done }, 2000)
        console.info("start-up with animations off: " + (Date.now() - started) + " ms")
        compare(item("fnItem").x, 8)
        compare(item("upItem").y, 0)
    }

    function test_closeRollsTheSceneUp() {
        startScene(100)
        scene.close()
        verify(item("scriptEnd").running)
        tryVerify(function() { return scene.height < 600 && scene.height > 0 }, 1000)
        verify(scene.clip, "the rolled-up part is not drawn")
        tryVerify(function() { return ui_View.journal.count("ui_Ctl.onClose") === 1 }, 2000)
        compare(scene.height, 0)
        var notes = scene.received
        compare(notes.slice(notes.indexOf("close")), ["close", "onClose"])
    }

    function test_closeButtonOfTheTopBar() {
        startScene(10)
        mouseClick(item("closeButton"))
        tryVerify(function() { return ui_View.journal.count("ui_Ctl.onClose") === 1 }, 2000)
        compare(sounds(), [0x04])
    }
}
