import QtQuick
import "DefaultStrings.js" as DefaultStrings

// The application settings the whole scene reads (text size and colours,
// animation speed, skin, language, custom background) and how the stored
// configuration sets them at start. The settings page shows and edits these
// same values.
Item {
    id: values

    property int _Size: 11
    property color _Color: "#FF00FFFF"
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    property var _StringList: DefaultStrings.list
    property string _FontFamily: "Arial"
    property int skin_No: 1
    property bool isCustomBackground: false

    // The seven text colour swatches, the chosen one and the brightness
    // index, as the configuration stores them.
    property var swatches: [[0, 255, 255], [255, 200, 150], [255, 180, 0], [200, 200, 100],
                            [200, 170, 255], [255, 180, 180], [160, 190, 160]]
    property int swatchIndex: 0
    property int brightnessIndex: 7
    // Display name and code of every installed language, sorted by name.
    property var languages: []
    property int languageIndex: -1
    property string webAddress: ""

    // A configuration entry as a whole number in [low, high], or undefined
    // when it is missing, not a number or out of range.
    function entry(config, i, low, high) {
        if (i >= config.length)
            return undefined
        var v = Number(config[i])
        if (config[i] === null || config[i] === "" || !isFinite(v) || Math.floor(v) !== v || v < low || v > high)
            return undefined
        return v
    }

    function textColor() {
        var c = swatches[swatchIndex]
        var alpha = (45 + brightnessIndex * 210 / 7) / 255
        return Qt.rgba(c[0] / 255, c[1] / 255, c[2] / 255, alpha)
    }

    function initLanguage() {
        var map = ui_View.chkLanguages()
        var list = []
        if (map && typeof map === "object") {
            var names = Object.keys(map).sort()
            for (var i = 0; i < names.length; ++i)
                list.push({ name: names[i], code: String(map[names[i]]) })
        }
        languages = list
    }

    function setLanguage(index) {
        if (index < 0 || index >= languages.length)
            return
        languageIndex = index
        var code = languages[index].code
        mainIten.isEnglish = code !== "089000"
        var strings = ui_View.getGlobalStrings(code)
        if (strings && strings.length > 0) {
            _StringList = strings
            mainIten.translateStrings(code)
            _FontFamily = String(strings[0])
        }
    }

    // Applies the stored configuration. An empty or damaged list leaves each
    // value it cannot read as it is.
    function initUI() {
        var config = ui_View.loadApConfig()
        if (!config || typeof config.length !== "number" || config.length === 0)
            return

        var skin = entry(config, 1, 1, 2)
        if (skin !== undefined) {
            skin_No = skin
            mainIten.setSkin()
        }

        var sound = entry(config, 2, 0, 1)
        if (sound !== undefined)
            ui_View.setEnableAudio(sound === 0)

        var animations = entry(config, 3, 0, 1)
        if (animations !== undefined)
            _AnimationSpeed = animations === 0 ? 800 : 10

        var language = entry(config, 4, 0, 1000)
        initLanguage()
        if (language !== undefined)
            setLanguage(language)

        if (config.length > 6) {
            isCustomBackground = config[5] === true || String(config[5]) === "true"
            var picture = config[6] === undefined || config[6] === null ? "" : String(config[6])
            mainIten.sourceCustomBackground = picture
            if (picture === "")
                isCustomBackground = false
        }

        var size = entry(config, 7, 0, 1)
        if (size !== undefined)
            _Size = size === 0 ? 11 : 12

        var colours = swatches.slice()
        for (var k = 0; k < 7; ++k) {
            var r = entry(config, 8 + 3 * k, 0, 255)
            var g = entry(config, 9 + 3 * k, 0, 255)
            var b = entry(config, 10 + 3 * k, 0, 255)
            if (r !== undefined && g !== undefined && b !== undefined)
                colours[k] = [r, g, b]
        }
        swatches = colours
        var chosen = entry(config, 29, 0, 6)
        if (chosen !== undefined)
            swatchIndex = chosen
        var brightness = entry(config, 30, 0, 7)
        if (brightness !== undefined)
            brightnessIndex = brightness
        _Color = textColor()

        if (config.length > 31 && config[31] !== undefined && config[31] !== null)
            webAddress = String(config[31])
    }

    width: 340
    height: 420

    Image { source: sourceGlobalsettingBackground }
}
