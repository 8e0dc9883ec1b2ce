#!/usr/bin/env python3
"""Writes the keyboard's shipped definition files under modules/.

The key layout, the key code names, the factory profile, the factory
application configuration and the empty macro library are product data. They
are kept here as readable tables and written out as the INI files that the
program reads, so that a change is made in one place and the files never drift
apart (the matrix positions, default codes and names of one key all come from
one row below).

    python3 tools/gen_shipped_data.py            rewrite the files in modules/
    python3 tools/gen_shipped_data.py --check    exit 1 if a committed file differs
    python3 tools/gen_shipped_data.py --out DIR  write the tree under DIR instead

Only the standard library is used, and the output depends on nothing but this
file, so the result is the same on every machine.
"""

import argparse
import pathlib
import sys

# ---------------------------------------------------------------------------
# Keyboard picture geometry
# ---------------------------------------------------------------------------

# The colour page shows the keyboard in a 738 x 250 picture area; the key page
# uses the same coordinates. One key unit is 32 px; a cap is drawn 2 px
# smaller than its unit box so that neighbouring caps keep a 2 px gap. The
# whole board is 22.5 x 6.5 units (720 x 208 px), centred in the area.
AREA_WIDTH = 738
AREA_HEIGHT = 250
UNIT = 32
GAP = 2
BOARD_WIDTH_U = 22.5
BOARD_HEIGHT_U = 6.5
ORIGIN_X = (AREA_WIDTH - int(BOARD_WIDTH_U * UNIT - GAP)) // 2
ORIGIN_Y = (AREA_HEIGHT - int(BOARD_HEIGHT_U * UNIT - GAP)) // 2

# Key types: one per cap size. The skins hold "model_kb/k<type>-0.png" (the cap)
# and "model_kb/k<type>-1.png" (its selection frame) in exactly these pixel
# sizes, because the scene sizes every key by its cap image.
#   type: (width units, height units, description)
KEY_TYPES = {
    1: (1.0, 1, "1u: letters, digits, F keys, navigation, numpad"),
    2: (1.25, 1, "1.25u: Ctrl, Win, Alt, Fn, Menu"),
    3: (1.5, 1, "1.5u: Tab, backslash"),
    4: (1.75, 1, "1.75u: Caps Lock"),
    5: (2.0, 1, "2u: Backspace, numpad 0"),
    6: (2.25, 1, "2.25u: Enter, left Shift"),
    7: (2.75, 1, "2.75u: right Shift"),
    8: (6.25, 1, "6.25u: Space"),
    9: (1.0, 2, "1u x 2u: numpad + and numpad Enter"),
}


def cap_size(key_type):
    w_u, h_u, _ = KEY_TYPES[key_type]
    return int(w_u * UNIT) - GAP, int(h_u * UNIT) - GAP


def type_for(w_u, h_u):
    for key_type, (tw, th, _) in KEY_TYPES.items():
        if tw == w_u and th == h_u:
            return key_type
    raise ValueError(f"no key type for a {w_u} x {h_u} unit cap")


# ---------------------------------------------------------------------------
# The layout: a full-size ANSI board, Fn in place of the right Windows key
# ---------------------------------------------------------------------------

# USB HID keyboard usages (page 0x07) used below.
U = {
    **{chr(ord("A") + i): 0x04 + i for i in range(26)},
    **{str(d): 0x1E + (d - 1) for d in range(1, 10)},
    "0": 0x27,
    "ENTER": 0x28, "ESC": 0x29, "BACKSPACE": 0x2A, "TAB": 0x2B, "SPACE": 0x2C,
    "-": 0x2D, "=": 0x2E, "[": 0x2F, "]": 0x30, "ANSI \\": 0x31, "\\": 0x32,
    ";": 0x33, "'": 0x34, "`": 0x35, ",": 0x36, ".": 0x37, "/": 0x38,
    "CAPS LOCK": 0x39,
    **{f"F{n}": 0x3A + (n - 1) for n in range(1, 13)},
    "PRINT SCREEN": 0x46, "SCROLL LOCK": 0x47, "PAUSE": 0x48,
    "INSERT": 0x49, "HOME": 0x4A, "PAGE UP": 0x4B, "DELETE": 0x4C, "END": 0x4D,
    "PAGE DOWN": 0x4E, "RIGHT": 0x4F, "LEFT": 0x50, "DOWN": 0x51, "UP": 0x52,
    "NUM LOCK": 0x53, "NUM /": 0x54, "NUM *": 0x55, "NUM -": 0x56, "NUM +": 0x57,
    "NUM ENTER": 0x58,
    **{f"NUM {d}": 0x59 + (d - 1) for d in range(1, 10)},
    "NUM 0": 0x62, "NUM .": 0x63, "ISO <>": 0x64, "MENU": 0x65,
    **{f"F{n}": 0x68 + (n - 13) for n in range(13, 25)},
    "NUM ,": 0x85,
    **{f"INTL {n}": 0x87 + (n - 1) for n in range(1, 6)},
    "LANG 1": 0x90, "LANG 2": 0x91,
    "L-CTRL": 0xE0, "L-SHIFT": 0xE1, "L-ALT": 0xE2, "L-WIN": 0xE3,
    "R-CTRL": 0xE4, "R-SHIFT": 0xE5, "R-ALT": 0xE6, "R-WIN": 0xE7,
}

# The key above Enter: the system's key hooks report it as 0x32 for layout 0,
# and hosts treat 0x31 and 0x32 as the same key, so the board uses 0x32 and
# typing, recording and the lighting preview all meet on one code.
#
# The Fn key switches the keyboard's own layer; it has no USB usage and the key
# page does not let it be reassigned, so its factory code is 0.
FN_CODE = 0

# Rows from top to bottom: (row offset in units from the top, keys). A key is
# (label, width units, matrix position, factory code name), optionally followed
# by its height in units; a number instead of a key skips that many units.
#
# The matrix is the firmware's: 8 rows of 16 positions. Rows 0 to 5 follow the
# six rows of the board from the left; row 6 holds most of the numpad and row 7
# the last few keys. The lighting effect "spotlight" runs two fixed sequences
# of positions (Esc, F1..F9 and inwards; numpad Enter along the bottom and
# inwards), which this assignment turns into two spiral arms that end in the
# four keys O, P, L and ; (positions 41, 42, 57, 58) near the middle.
ROWS = [
    (0.0, [
        ("ESC", 1, 0, "ESC"), 1,
        ("F1", 1, 1, "F1"), ("F2", 1, 2, "F2"), ("F3", 1, 3, "F3"), ("F4", 1, 4, "F4"), 0.5,
        ("F5", 1, 5, "F5"), ("F6", 1, 6, "F6"), ("F7", 1, 7, "F7"), ("F8", 1, 8, "F8"), 0.5,
        ("F9", 1, 9, "F9"), ("F10", 1, 10, "F10"), ("F11", 1, 11, "F11"), ("F12", 1, 12, "F12"), 0.25,
        ("PRT", 1, 13, "PRINT SCREEN"), ("SCR", 1, 14, "SCROLL LOCK"), ("PAU", 1, 15, "PAUSE"),
    ]),
    (1.5, [
        ("`", 1, 16, "`"),
        ("1", 1, 17, "1"), ("2", 1, 18, "2"), ("3", 1, 19, "3"), ("4", 1, 20, "4"),
        ("5", 1, 21, "5"), ("6", 1, 22, "6"), ("7", 1, 23, "7"), ("8", 1, 24, "8"),
        ("9", 1, 25, "9"), ("0", 1, 26, "0"), ("-", 1, 27, "-"), ("=", 1, 28, "="),
        ("BKSP", 2, 29, "BACKSPACE"), 0.25,
        ("INS", 1, 30, "INSERT"), ("HOME", 1, 31, "HOME"), ("PG\u2191", 1, 112, "PAGE UP"), 0.25,
        ("NUM", 1, 96, "NUM LOCK"), ("/", 1, 97, "NUM /"), ("*", 1, 98, "NUM *"), ("-", 1, 99, "NUM -"),
    ]),
    (2.5, [
        ("TAB", 1.5, 32, "TAB"),
        ("Q", 1, 33, "Q"), ("W", 1, 34, "W"), ("E", 1, 35, "E"), ("R", 1, 36, "R"),
        ("T", 1, 37, "T"), ("Y", 1, 38, "Y"), ("U", 1, 39, "U"), ("I", 1, 40, "I"),
        ("O", 1, 41, "O"), ("P", 1, 42, "P"), ("[", 1, 43, "["), ("]", 1, 44, "]"),
        ("\\", 1.5, 45, "\\"), 0.25,
        ("DEL", 1, 46, "DELETE"), ("END", 1, 47, "END"), ("PG\u2193", 1, 113, "PAGE DOWN"), 0.25,
        ("7", 1, 101, "NUM 7"), ("8", 1, 102, "NUM 8"), ("9", 1, 103, "NUM 9"), ("+", 1, 104, "NUM +", 2),
    ]),
    (3.5, [
        ("CAPS", 1.75, 48, "CAPS LOCK"),
        ("A", 1, 49, "A"), ("S", 1, 50, "S"), ("D", 1, 51, "D"), ("F", 1, 52, "F"),
        ("G", 1, 53, "G"), ("H", 1, 54, "H"), ("J", 1, 55, "J"), ("K", 1, 56, "K"),
        ("L", 1, 57, "L"), (";", 1, 58, ";"), ("'", 1, 59, "'"),
        ("ENTER", 2.25, 60, "ENTER"), 3.5,
        ("4", 1, 105, "NUM 4"), ("5", 1, 106, "NUM 5"), ("6", 1, 107, "NUM 6"),
    ]),
    (4.5, [
        ("SHIFT", 2.25, 64, "L-SHIFT"),
        ("Z", 1, 65, "Z"), ("X", 1, 66, "X"), ("C", 1, 67, "C"), ("V", 1, 68, "V"),
        ("B", 1, 69, "B"), ("N", 1, 70, "N"), ("M", 1, 71, "M"),
        (",", 1, 72, ","), (".", 1, 73, "."), ("/", 1, 74, "/"),
        ("SHIFT", 2.75, 75, "R-SHIFT"), 1.25,
        ("\u2191", 1, 114, "UP"), 1.25,
        ("1", 1, 108, "NUM 1"), ("2", 1, 110, "NUM 2"), ("3", 1, 111, "NUM 3"),
        ("ENT", 1, 115, "NUM ENTER", 2),
    ]),
    (5.5, [
        ("CTRL", 1.25, 80, "L-CTRL"), ("WIN", 1.25, 81, "L-WIN"), ("ALT", 1.25, 82, "L-ALT"),
        ("SPACE", 6.25, 83, "SPACE"),
        ("ALT", 1.25, 88, "R-ALT"), ("FN", 1.25, 89, None), ("MENU", 1.25, 90, "MENU"),
        ("CTRL", 1.25, 91, "R-CTRL"), 0.25,
        ("\u2190", 1, 94, "LEFT"), ("\u2193", 1, 95, "DOWN"), ("\u2192", 1, 79, "RIGHT"), 0.25,
        ("0", 2, 100, "NUM 0"), (".", 1, 109, "NUM ."),
    ]),
]

MATRIX_SLOTS = 128
LAYOUT_INDEX = 0

# Profiles and macro slots of the keyboard. The profile menu has room for ten
# entries; the macro page sends a saved macro to device slots 0 to 16, so the
# keyboard's 17 macro slots are all reachable from it.
MAX_PROFILE = 10
MAX_MACRO = 17


def layout_keys():
    """The keys in reading order: dicts with x, y, type, label, matrix, code."""
    keys = []
    for row_u, items in ROWS:
        x_u = 0.0
        for item in items:
            if isinstance(item, (int, float)):
                x_u += item
                continue
            label, w_u, matrix, code_name = item[:4]
            h_u = item[4] if len(item) > 4 else 1
            code = FN_CODE if code_name is None else U[code_name]
            keys.append({
                "x": ORIGIN_X + round(x_u * UNIT),
                "y": ORIGIN_Y + round(row_u * UNIT),
                "type": type_for(w_u, h_u),
                "label": label,
                "matrix": matrix,
                "code": code,
            })
            x_u += w_u
    return keys


# ---------------------------------------------------------------------------
# Key code names: everything a user can assign or record
# ---------------------------------------------------------------------------

# Mouse buttons as the macro editor names them; the keyboard's macro engine
# takes them as codes 0xF0 to 0xF4 in a press or release event.
MOUSE_BUTTONS = [("MS-L", 0xF0), ("MS-R", 0xF1), ("MS-M", 0xF2), ("MS-B4", 0xF3), ("MS-B5", 0xF4)]

# Media and application keys are not named here: they are chosen from the key
# page's own media list, and their 12-bit codes cannot travel in a macro event.
KEY_CODE_NAMES = sorted(U.items(), key=lambda item: (item[1], item[0])) + MOUSE_BUTTONS

MACRO_TAGS = ("    [Down]", "      [Up]", "   [Delay]")


# ---------------------------------------------------------------------------
# Factory profile and application configuration
# ---------------------------------------------------------------------------

# Seven palette colours, R, G, B: the colours the colour page starts with.
FACTORY_PALETTE = [
    255, 0, 0, 0, 255, 0, 255, 255, 0, 0, 0, 255, 0, 255, 255, 255, 0, 255, 255, 255, 255,
]

# Lighting: type 0x06 (the rainbow that moves across the board), full
# brightness (60 of 63, the top step of the brightness slider), middle speed 3,
# to the right, colour 6 (white) for the effects that take a colour; backlight
# effect 0 at brightness 7 (bl0 = 7 << 5), speed code 6 (the second slider step),
# colour loop (7 << 3), to the right.
FACTORY_LED_TYPE = [0x06, 60, 3, 0, 6, (7 << 5) | 0, 6 | (7 << 3) | (0 << 6)]

FACTORY_REPORT_RATE = 0

PRODUCT_TITLE = "Orvex ZR770"
PRODUCT_NAMES = ["Orvex ZR770"]  # one per entry of the embedded device catalogue
WEB_ADDRESS = "https://www.orvex.example/zr770"

# Language packs in the order the settings page lists them (sorted by display
# name): CHINESE (Simp), CHINESE (Trad), ENGLISH, PERSIAN.
FACTORY_LANGUAGE_INDEX = 2

TEXT_SWATCHES = [
    (0, 255, 255), (255, 200, 150), (255, 180, 0), (200, 200, 100),
    (200, 170, 255), (255, 180, 180), (160, 190, 160),
]

FACTORY_SETTINGS = (
    [1,            # format version
     1,            # skin 1
     0,            # sound on
     0,            # animations on
     FACTORY_LANGUAGE_INDEX,
     "false",      # no custom background
     "",           # its picture
     0]            # normal text size
    + [c for swatch in TEXT_SWATCHES for c in swatch]
    + [0,          # first swatch
       7,          # full text brightness
       WEB_ADDRESS]
)


# ---------------------------------------------------------------------------
# INI writing, in the syntax QSettings reads
# ---------------------------------------------------------------------------

def ini_item(value):
    """One value or list item as QSettings' INI reader takes it back whole."""
    text = str(value)
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    # An unquoted comma splits a list, a semicolon starts a comment and
    # surrounding blanks are dropped; quoting keeps all of them.
    if any(ch in text for ch in ",;=") or text != text.strip() or text == "":
        return f'"{escaped}"'
    return escaped


def ini_list(values):
    return ", ".join(ini_item(v) for v in values)


def ini_file(comment_lines, groups):
    out = []
    for line in comment_lines:
        out.append(f"; {line}".rstrip())
    if comment_lines:
        out.append("")
    for index, (name, entries) in enumerate(groups):
        if index:
            out.append("")
        out.append(f"[{name}]")
        for key, value in entries:
            out.append(f"{key}={value}")
    return "\n".join(out) + "\n"


def hw_def():
    keys = layout_keys()
    comment = [
        "Hardware definition of the keyboard: limits and the key layout.",
        f"Generated by tools/gen_shipped_data.py; edit the tables there.",
        "",
        f"Group [{LAYOUT_INDEX}], entry i = x, y, key type, label, matrix position, factory key code.",
        f"x and y are the top-left corner of the key in the {AREA_WIDTH} x {AREA_HEIGHT} keyboard picture.",
        "Key types, one per cap size; each skin holds model_kb/k<type>-0.png (cap)",
        "and model_kb/k<type>-1.png (selection frame) of exactly this size:",
    ]
    for key_type in sorted(KEY_TYPES):
        w, h = cap_size(key_type)
        comment.append(f"  type {key_type}: {w} x {h} px, {KEY_TYPES[key_type][2]}")
    common = [
        ("kbLayoutType", LAYOUT_INDEX),
        ("maxMacro", MAX_MACRO),
        ("maxProfile", MAX_PROFILE),
    ]
    layout = [("total_HW", len(keys)), ("total_FW", MATRIX_SLOTS)]
    for i, k in enumerate(keys, start=1):
        layout.append((str(i), ini_list([k["x"], k["y"], k["type"], k["label"], k["matrix"], k["code"]])))
    return ini_file(comment, [("common", common), (str(LAYOUT_INDEX), layout)])


def key_code_def():
    names = [name for name, _ in KEY_CODE_NAMES]
    codes = [code for _, code in KEY_CODE_NAMES]
    comment = [
        "Names of the key codes a user can assign or record, and their codes (decimal).",
        "usbStr and usbCode are parallel lists; a name holding a comma is quoted.",
        "Generated by tools/gen_shipped_data.py; edit the tables there.",
    ]
    return ini_file(comment, [("common", [("usbStr", ini_list(names)), ("usbCode", ini_list(codes))])])


def factory_profile():
    keys = layout_keys()
    by_matrix = {k["matrix"]: k["code"] for k in keys}
    keydefine = []
    for m in range(MATRIX_SLOTS):
        code = by_matrix.get(m, 0)
        keydefine.append((str(m), ini_list([code & 0xFF, (code >> 8) & 0xFF])))
    return ini_file([], [
        ("color", [("color", ini_list(FACTORY_PALETTE)), ("ledType", ini_list(FACTORY_LED_TYPE))]),
        ("combokey", [(str(k), ini_list([0, 0])) for k in range(MATRIX_SLOTS)]),
        (f"keydefine{LAYOUT_INDEX}", keydefine),
        ("sensor", [("reportRate_T8", FACTORY_REPORT_RATE)]),
        ("userPicture", [(str(n), ini_list([0] * (4 * MATRIX_SLOTS))) for n in range(5)]),
    ])


def application_config():
    entries = [("name", ini_item(PRODUCT_TITLE)), ("product_name", ini_list(PRODUCT_NAMES))]
    entries.append(("total", len(FACTORY_SETTINGS)))
    entries += [(str(i), ini_item(v)) for i, v in enumerate(FACTORY_SETTINGS)]
    return ini_file([], [("common", entries)])


def macro_file(slot):
    return ini_file([], [("config", [("did", -1), ("index", slot), ("repeat", 1), ("total", 0)])])


def macro_name(n):
    return f"Macro. {n:03d}"


def shipped_files():
    """Relative path under modules/ -> file text."""
    files = {
        "setting/HWDef.bin": hw_def(),
        "setting/KeyCodeDef.bin": key_code_def(),
        "setting/pD.bin": factory_profile(),
        "setting/apConfigD.bin": application_config(),
    }
    for n in range(1, MAX_MACRO + 1):
        files[f"macro/{macro_name(n)}.bin"] = macro_file(n - 1)
    return files


# ---------------------------------------------------------------------------
# Consistency of the tables themselves
# ---------------------------------------------------------------------------

def self_check():
    keys = layout_keys()
    problems = []
    matrices = [k["matrix"] for k in keys]
    if len(set(matrices)) != len(matrices):
        problems.append("a matrix position is used twice")
    if any(not 0 <= m < MATRIX_SLOTS for m in matrices):
        problems.append("a matrix position is outside 0..127")
    for k in keys:
        w, h = cap_size(k["type"])
        if k["x"] < 0 or k["y"] < 0 or k["x"] + w > AREA_WIDTH or k["y"] + h > AREA_HEIGHT:
            problems.append(f"key {k['label']} leaves the picture area")
    names = [n for n, _ in KEY_CODE_NAMES]
    if len(set(names)) != len(names):
        problems.append("a key code name is used twice")
    if any(n.endswith(MACRO_TAGS) for n in names):
        problems.append("a key code name ends in a macro tag")
    known = {c for _, c in KEY_CODE_NAMES}
    for k in keys:
        if k["code"] and k["code"] not in known:
            problems.append(f"key {k['label']} has a factory code without a name")
    if len(FACTORY_SETTINGS) != 32:
        problems.append("the settings list does not hold 32 values")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the files in modules/")
    parser.add_argument("--out", type=pathlib.Path, help="write the tree under this folder")
    args = parser.parse_args()

    problems = self_check()
    if problems:
        for p in problems:
            print(f"error: {p}", file=sys.stderr)
        return 1

    root = args.out or pathlib.Path(__file__).resolve().parent.parent / "modules"
    files = shipped_files()
    if args.check:
        stale = []
        for rel, text in sorted(files.items()):
            path = root / rel
            if not path.is_file() or path.read_bytes() != text.encode("utf-8"):
                stale.append(rel)
        macro_dir = root / "macro"
        if macro_dir.is_dir():
            wanted = {pathlib.PurePosixPath(rel).name for rel in files if rel.startswith("macro/")}
            stale += [f"macro/{p.name} (not generated)" for p in sorted(macro_dir.iterdir())
                      if p.suffix == ".bin" and p.name not in wanted]
        for rel in stale:
            print(f"out of date: modules/{rel}", file=sys.stderr)
        if stale:
            print("run: python3 tools/gen_shipped_data.py", file=sys.stderr)
        return 1 if stale else 0

    for rel, text in files.items():
        path = root / rel
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(text.encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
