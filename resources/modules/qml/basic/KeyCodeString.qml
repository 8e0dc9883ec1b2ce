import QtQuick

// The scene's key code translator. Every page and control turns key codes
// into display names and keyboard matrix positions through the one instance
// held by the main area.
//
// The tables are Maps, so that a key name such as "constructor" can never
// meet a property of a plain object.
QtObject {
    id: translator

    // Matrix position -> factory key code, and back; from the layout.
    property var matrixToCode: new Map()
    property var codeToMatrix: new Map()
    // Key name <-> USB usage code; from the key code definitions.
    property var nameToCode: new Map()
    property var codeToName: new Map()

    // The mouse buttons a macro can hold, both ways; fixed.
    readonly property var mouseNames: [["MS-L", 0xF0], ["MS-R", 0xF1], ["MS-M", 0xF2],
                                       ["MS-B4", 0xF3], ["MS-B5", 0xF4]]
    property var mouseNameToCode: new Map()
    property var mouseCodeToName: new Map()

    Component.onCompleted: {
        for (var i = 0; i < mouseNames.length; ++i) {
            mouseNameToCode.set(mouseNames[i][0], mouseNames[i][1])
            mouseCodeToName.set(mouseNames[i][1], mouseNames[i][0])
        }
    }

    function isList(value) {
        return value !== null && value !== undefined && typeof value === "object"
                && typeof value.length === "number"
    }

    function toNumber(value) {
        if (value === null || value === undefined || value === "")
            return NaN
        return Number(value)
    }

    // hwDef: key count, matrix slot count, then six entries per key
    // (x, y, key type, name, matrix index, factory code). usbStr and usbCode
    // are parallel lists; a later pair replaces an earlier one with the same
    // name or code. Short or odd lists give short tables, never a failure.
    function initUI(hwDef, usbStr, usbCode) {
        var m2c = new Map(), c2m = new Map(), n2c = new Map(), c2n = new Map()

        if (isList(hwDef) && hwDef.length >= 2) {
            var keys = toNumber(hwDef[0])
            if (isFinite(keys) && keys > 0) {
                for (var k = 0; k < keys; ++k) {
                    var base = 2 + 6 * k
                    if (base + 5 >= hwDef.length)
                        break
                    var matrix = toNumber(hwDef[base + 4])
                    var code = toNumber(hwDef[base + 5])
                    if (!isFinite(matrix) || !isFinite(code))
                        continue
                    m2c.set(matrix, code)
                    c2m.set(code, matrix)
                }
            }
        }

        if (isList(usbStr) && isList(usbCode)) {
            var pairs = Math.min(usbStr.length, usbCode.length)
            for (var i = 0; i < pairs; ++i) {
                var value = toNumber(usbCode[i])
                if (!isFinite(value) || usbStr[i] === undefined || usbStr[i] === null)
                    continue
                var name = String(usbStr[i])
                n2c.set(name, value)
                c2n.set(value, name)
            }
        }

        matrixToCode = m2c
        codeToMatrix = c2m
        nameToCode = n2c
        codeToName = c2n
    }

    function keycodeTostr(code) { return codeToName.get(toNumber(code)) }
    function strTokeycode(name) { return nameToCode.get(String(name)) }
    function matrixTokeycode(matrix) { return matrixToCode.get(toNumber(matrix)) }
    function keycodeTomatrix(code) { return codeToMatrix.get(toNumber(code)) }
    function mousecodeTostr(code) { return mouseCodeToName.get(toNumber(code)) }
    function strTomousecode(name) { return mouseNameToCode.get(String(name)) }
}
