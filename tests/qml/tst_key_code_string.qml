import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

// The key code translator: the four tables built from the layout and the
// key code definitions, the fixed mouse table, and what odd lists give.
SceneCase {
    id: mainIten
    name: "KeyCodeString"

    KeyCodeString { id: codes }

    // Two keys: ESC at matrix 0 with code 41, A at matrix 37 with code 4.
    readonly property var hwDef: [2, 128,
                                  10, 22, 1, "ESC", 0, 41,
                                  42, 118, 1, "A", 37, 4]

    function test_tablesFromLayoutAndDefinitions() {
        codes.initUI(hwDef, ["A", "ESC", "ENTER"], [4, "41", 40])
        compare(codes.matrixTokeycode(0), 41)
        compare(codes.matrixTokeycode(37), 4)
        compare(codes.keycodeTomatrix(41), 0)
        compare(codes.keycodeTomatrix("4"), 37)
        compare(codes.keycodeTostr(41), "ESC", "codes are taken as numbers")
        compare(codes.strTokeycode("ENTER"), 40)
        compare(codes.keycodeTostr(40), "ENTER")
    }

    function test_missingEntriesAreUndefined() {
        codes.initUI(hwDef, ["A"], [4])
        compare(codes.keycodeTostr(5), undefined)
        compare(codes.strTokeycode("B"), undefined)
        compare(codes.matrixTokeycode(1), undefined)
        compare(codes.keycodeTomatrix(99), undefined)
        compare(codes.strTokeycode("constructor"), undefined, "no property of a plain object leaks in")
        compare(codes.keycodeTostr("toString"), undefined)
    }

    function test_laterPairReplacesEarlier() {
        codes.initUI([], ["A", "A", "Q"], [4, 5, 4])
        compare(codes.strTokeycode("A"), 5)
        compare(codes.keycodeTostr(4), "Q")
        compare(codes.keycodeTostr(5), "A")
    }

    function test_pairsUpToTheShorterList() {
        codes.initUI([], ["A", "B", "C"], [4, 5])
        compare(codes.strTokeycode("B"), 5)
        compare(codes.strTokeycode("C"), undefined)
        codes.initUI([], ["A"], [4, 5, 6])
        compare(codes.keycodeTostr(5), undefined)
    }

    function test_mouseTableBothWays_data() {
        return [
            { tag: "left", name: "MS-L", code: 0xF0 },
            { tag: "right", name: "MS-R", code: 0xF1 },
            { tag: "middle", name: "MS-M", code: 0xF2 },
            { tag: "back", name: "MS-B4", code: 0xF3 },
            { tag: "forward", name: "MS-B5", code: 0xF4 },
        ]
    }

    function test_mouseTableBothWays(data) {
        compare(codes.mousecodeTostr(data.code), data.name)
        compare(codes.strTomousecode(data.name), data.code)
    }

    function test_mouseTableMisses() {
        compare(codes.mousecodeTostr(0xF5), undefined)
        compare(codes.strTomousecode("MS-X"), undefined)
    }

    function test_oddListsGiveShortTables_data() {
        return [
            { tag: "nothing", hw: undefined, str: undefined, code: undefined },
            { tag: "not lists", hw: 7, str: "A", code: { a: 1 } },
            { tag: "empty", hw: [], str: [], code: [] },
            // Claims three keys but holds one and a half.
            { tag: "short layout", hw: [3, 128, 1, 1, 1, "X", 5, 27, 9, 9, 1], str: [], code: [] },
            { tag: "holes", hw: [2, 128, 1, 1, 1, null, "", 30, 2, 2, 1, "Y", 6, "x"],
              str: [null, "N"], code: ["", 17] },
        ]
    }

    function test_oddListsGiveShortTables(data) {
        codes.initUI(data.hw, data.str, data.code)
        compare(codes.keycodeTostr(0), undefined)
        compare(codes.mousecodeTostr(0xF0), "MS-L", "the mouse table stays")
        if (data.tag === "short layout") {
            compare(codes.matrixTokeycode(5), 27, "the whole key before the end is read")
            compare(codes.matrixTokeycode(9), undefined)
        }
        if (data.tag === "holes") {
            compare(codes.matrixTokeycode(6), undefined, "a code that is not a number is skipped")
            compare(codes.strTokeycode("N"), 17)
            compare(codes.keycodeTostr(17), "N")
        }
    }

    function test_rebuildingForgetsTheOldTables() {
        codes.initUI(hwDef, ["A"], [4])
        codes.initUI([], [], [])
        compare(codes.keycodeTostr(4), undefined)
        compare(codes.matrixTokeycode(0), undefined)
    }
}
