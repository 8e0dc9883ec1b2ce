import QtQuick
import QtTest

// The stored configuration sets the scene's look at start: skin, sound,
// animation speed, language, background, text size and colour. Entries may
// arrive as texts; damaged ones leave their value alone.
MainSceneCase {
    name: "GlobalSettings"

    // The factory configuration, as the configuration file gives it back:
    // every entry a text.
    function factory() {
        return ["1", "1", "0", "0", "1", "false", "", "0",
                "0", "255", "255", "255", "200", "150", "255", "180", "0", "200", "200", "100",
                "200", "170", "255", "255", "180", "180", "160", "190", "160",
                "0", "7", "https://www.orvex.example/zr770"]
    }

    readonly property var languages: ({ "English": "031000", "Persian": "089000" })

    function persianStrings() {
        var list = ["Nazli"]
        for (var i = 1; i < 115; ++i)
            list.push("فا" + i)
        return list
    }

    function englishStrings() {
        var list = ["Arial"]
        for (var i = 1; i < 115; ++i)
            list.push("EN" + i)
        return list
    }

    function startWith(config) {
        var replies = Object.assign({}, smallReplies)
        replies.loadApConfig = config
        replies.chkLanguages = languages
        replies.getGlobalStrings = { "031000": englishStrings(), "089000": persianStrings() }
        ui_View.replies = replies
        scene.initUI()
    }

    function test_factoryConfiguration() {
        startWith(factory())
        compare(scene.skin_No, 1)
        compare(calls("ui_View.setEnableAudio"), [[true]])
        compare(scene.animation_speed, 800)
        compare(calls("ui_View.getGlobalStrings"), [["089000"]], "entry 4 is an index into the sorted names")
        compare(scene.isEnglish, false)
        compare(scene.globalSetting_fontFamily, "Nazli")
        compare(scene.globalSetting_stringList[74], "فا74")
        compare(item("fnLabel0").text, "فا74", "the pages were asked to translate")
        compare(scene.isCustomBackground, false)
        compare(scene.globalSetting_size, 11)
        verify(Qt.colorEqual(scene.globalSetting_color, Qt.rgba(0, 1, 1, 1)))
    }

    function test_everyEntryApplied() {
        var c = factory()
        c[1] = 2          // skin 2
        c[2] = 1          // sound off
        c[3] = 1          // animations off
        c[4] = 0          // English
        c[5] = "true"
        c[6] = "file:/home/someone/wall.png"
        c[7] = 1          // larger text
        c[29] = 1         // swatch 1: (255, 200, 150)
        c[30] = 0         // faintest text
        startWith(c)
        compare(scene.skin_No, 2)
        verify(String(item("fnIcon0").source).indexOf("/skin2/") > 0, "the skin change reached the menus")
        compare(calls("ui_View.setEnableAudio"), [[false]])
        compare(scene.animation_speed, 10)
        compare(scene.isEnglish, true)
        compare(scene.globalSetting_stringList[1], "EN1")
        compare(scene.isCustomBackground, true)
        compare(String(scene.sourceCustomBackground), "file:///home/someone/wall.png")
        compare(scene.globalSetting_size, 12)
        var colour = scene.globalSetting_color
        fuzzyCompare(colour.r, 1, 0.01)
        fuzzyCompare(colour.g, 200 / 255, 0.01)
        fuzzyCompare(colour.b, 150 / 255, 0.01)
        fuzzyCompare(colour.a, 45 / 255, 0.01, "brightness index 0 gives alpha 45/255")
    }

    function test_customBackgroundWithoutPictureIsOff() {
        var c = factory()
        c[5] = true
        c[6] = ""
        startWith(c)
        compare(scene.isCustomBackground, false)
    }

    function test_emptyConfigurationKeepsTheDefaults() {
        startWith([])
        compare(scene.skin_No, 1)
        compare(scene.animation_speed, 800)
        compare(scene.isEnglish, true)
        compare(scene.globalSetting_stringList[113], "ALL RESET")
        compare(calls("ui_View.setEnableAudio"), [])
        compare(calls("ui_View.getGlobalStrings"), [])
    }

    function test_damagedEntriesAreIgnored_data() {
        return [
            { tag: "skin 7", entry: 1, value: 7 },
            { tag: "skin text", entry: 1, value: "two" },
            { tag: "animations 2", entry: 3, value: 2 },
            { tag: "size 1.5", entry: 7, value: 1.5 },
            { tag: "language past the list", entry: 4, value: 9 },
            { tag: "swatch -1", entry: 29, value: -1 },
            { tag: "colour 300", entry: 8, value: 300 },
        ]
    }

    function test_damagedEntriesAreIgnored(data) {
        var c = factory()
        c[4] = 0
        c[data.entry] = data.value
        startWith(c)
        compare(scene.skin_No, 1)
        compare(scene.animation_speed, 800)
        compare(scene.globalSetting_size, 11)
        verify(Qt.colorEqual(scene.globalSetting_color, Qt.rgba(0, 1, 1, 1)))
        if (data.entry === 4)
            compare(calls("ui_View.getGlobalStrings"), [], "no such language")
    }

    function test_shortConfiguration() {
        startWith(["1", "2"])
        compare(scene.skin_No, 2)
        compare(scene.animation_speed, 800)
        compare(calls("ui_View.setEnableAudio"), [])
    }

    function test_languageWithoutStringsKeepsTheTexts() {
        var replies = Object.assign({}, smallReplies)
        replies.loadApConfig = factory()
        replies.chkLanguages = languages
        ui_View.replies = replies
        scene.initUI()
        compare(scene.globalSetting_stringList[1], "OPTIONS")
        compare(scene.isEnglish, false, "the language is chosen even if its pack is empty")
    }
}
