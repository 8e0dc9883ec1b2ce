// The key and button translation: fixed tables, the two overrides, the
// layout-dependent key, and the Linux evdev/X11 mapping onto the same keys.
#include "shell/input/key_tables.h"
#include "shell/input/key_translator.h"
#include "shell/input/linux_input_codes.h"

#include <QSet>
#include <QTest>

namespace {
constexpr quint32 E = kKeyFlagExtended;
constexpr quint32 ALT = kKeyFlagAltDown;
constexpr quint32 INJECTED = 0x10; // LLKHF_INJECTED
constexpr quint32 UP = 0x80;       // LLKHF_UP
} // namespace

class TstInputTranslation : public QObject
{
    Q_OBJECT

private slots:
    void translatesKey_data();
    void translatesKey();
    void everyTableKeyHasItsOwnUsage();
    void layoutOnlyChangesOneKey();
    void buildStartsFromEmptyTables();
    void unbuiltTranslatorReportsNothing();
    void translatesMouseMessage_data();
    void translatesMouseMessage();
    void evdevKeyGivesWindowsUsage_data();
    void evdevKeyGivesWindowsUsage();
    void everyScanKeyIsReachableFromEvdev();
    void x11KeycodesOutsideTheRange();
    void translatesX11Button_data();
    void translatesX11Button();
};

void TstInputTranslation::translatesKey_data()
{
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<bool>("defaultLayout");
    QTest::addColumn<int>("usage");

    QTest::newRow("A") << 0x1Eu << 0u << true << 0x04;
    QTest::newRow("A with Alt held") << 0x1Eu << ALT << true << 0x04;
    QTest::newRow("A injected key-up flags are ignored") << 0x1Eu << (INJECTED | UP) << true << 0x04;
    QTest::newRow("Q (top row, first letter)") << 0x10u << 0u << true << 0x14;
    QTest::newRow("M (bottom row)") << 0x32u << 0u << true << 0x10;
    QTest::newRow("1") << 0x02u << 0u << true << 0x1E;
    QTest::newRow("0") << 0x0Bu << 0u << true << 0x27;
    QTest::newRow("Enter") << 0x1Cu << 0u << true << 0x28;
    QTest::newRow("keypad Enter") << 0x1Cu << E << true << 0x58;
    QTest::newRow("Escape") << 0x01u << 0u << true << 0x29;
    QTest::newRow("Backspace") << 0x0Eu << 0u << true << 0x2A;
    QTest::newRow("Tab") << 0x0Fu << 0u << true << 0x2B;
    QTest::newRow("Space") << 0x39u << 0u << true << 0x2C;
    QTest::newRow("F1") << 0x3Bu << 0u << true << 0x3A;
    QTest::newRow("F10") << 0x44u << 0u << true << 0x43;
    QTest::newRow("F11") << 0x57u << 0u << true << 0x44;
    QTest::newRow("F12") << 0x58u << 0u << true << 0x45;
    QTest::newRow("F23") << 0x6Eu << 0u << true << 0x72;
    QTest::newRow("keypad 7") << 0x47u << 0u << true << 0x5F;
    QTest::newRow("Home") << 0x47u << E << true << 0x4A;
    QTest::newRow("keypad 0") << 0x52u << 0u << true << 0x62;
    QTest::newRow("Insert") << 0x52u << E << true << 0x49;
    QTest::newRow("keypad .") << 0x53u << 0u << true << 0x63;
    QTest::newRow("Delete") << 0x53u << E << true << 0x4C;
    QTest::newRow("keypad /") << 0x35u << E << true << 0x54;
    QTest::newRow("/") << 0x35u << 0u << true << 0x38;
    QTest::newRow("keypad *") << 0x37u << 0u << true << 0x55;
    QTest::newRow("keypad -") << 0x4Au << 0u << true << 0x56;
    QTest::newRow("keypad +") << 0x4Eu << 0u << true << 0x57;
    QTest::newRow("arrow up") << 0x48u << E << true << 0x52;
    QTest::newRow("arrow left") << 0x4Bu << E << true << 0x50;
    QTest::newRow("Page Down") << 0x51u << E << true << 0x4E;
    QTest::newRow("Pause") << 0x45u << 0u << true << 0x48;
    QTest::newRow("Num Lock") << 0x45u << E << true << 0x53;
    QTest::newRow("Ctrl+Break") << 0x46u << E << true << 0x48;
    QTest::newRow("Scroll Lock") << 0x46u << 0u << true << 0x47;
    QTest::newRow("Scroll Lock with Alt") << 0x46u << ALT << true << 0x47;
    QTest::newRow("Print Screen") << 0x37u << E << true << 0x46;
    QTest::newRow("Alt+Print Screen (SysRq)") << 0x54u << ALT << true << 0x46;
    QTest::newRow("SysRq with Alt and extended") << 0x54u << (ALT | E) << true << 0x46;
    QTest::newRow("SysRq without Alt") << 0x54u << 0u << true << 0;
    QTest::newRow("left Control") << 0x1Du << 0u << true << 0xE0;
    QTest::newRow("right Control") << 0x1Du << E << true << 0xE4;
    QTest::newRow("left Shift") << 0x2Au << 0u << true << 0xE1;
    QTest::newRow("right Shift, extended") << 0x36u << E << true << 0xE5;
    QTest::newRow("right Shift, plain") << 0x36u << 0u << true << 0;
    QTest::newRow("left Alt") << 0x38u << 0u << true << 0xE2;
    QTest::newRow("right Alt") << 0x38u << E << true << 0xE6;
    QTest::newRow("left Windows") << 0x5Bu << E << true << 0xE3;
    QTest::newRow("right Windows") << 0x5Cu << E << true << 0;
    QTest::newRow("menu") << 0x5Du << E << true << 0x65;
    QTest::newRow("key between left Shift and Z") << 0x56u << 0u << true << 0x64;
    QTest::newRow("grave") << 0x29u << 0u << true << 0x35;
    QTest::newRow("ANSI/ISO key, default layout") << 0x2Bu << 0u << true << 0x32;
    QTest::newRow("ANSI/ISO key, other layout") << 0x2Bu << 0u << false << 0x31;
    QTest::newRow("A, other layout") << 0x1Eu << 0u << false << 0x04;
    QTest::newRow("scan 0") << 0x00u << 0u << true << 0;
    // Truncating to eight bits would make these the A key and keypad Enter.
    QTest::newRow("scan above 255") << 0x11Eu << 0u << true << 0;
    QTest::newRow("scan above 255, extended") << 0x11Cu << E << true << 0;
    QTest::newRow("huge scan") << 0xFFFFFFFFu << 0xFFFFFFFFu << true << 0;
    QTest::newRow("extended letter has no key") << 0x1Eu << E << true << 0;
}

void TstInputTranslation::translatesKey()
{
    QFETCH(quint32, scanCode);
    QFETCH(quint32, flags);
    QFETCH(bool, defaultLayout);
    QFETCH(int, usage);

    KeyTranslator translator;
    translator.build(defaultLayout);
    QCOMPARE(int(translator.usageFor(scanCode, flags)), usage);
}

void TstInputTranslation::everyTableKeyHasItsOwnUsage()
{
    KeyTranslator translator;
    translator.build(true);
    QSet<int> usages;
    for (const ScanCodeEntry &e : scanCodeTable) {
        const int usage = translator.usageFor(e.scan, e.extended ? E : 0);
        QVERIFY2(usage != 0, qPrintable(QString::asprintf("scan %02x%s", e.scan, e.extended ? " e" : "")));
        QVERIFY2(!usages.contains(usage), qPrintable(QString::asprintf("usage %02x twice", usage)));
        usages.insert(usage);
    }
    QCOMPARE(usages.size(), 105);
}

void TstInputTranslation::layoutOnlyChangesOneKey()
{
    KeyTranslator ansi;
    ansi.build(true);
    KeyTranslator iso;
    iso.build(false);
    int differing = 0;
    for (quint32 vk = 0; vk < 256; ++vk) {
        if (ansi.usageForVk(quint8(vk)) != iso.usageForVk(quint8(vk))) {
            ++differing;
            QCOMPARE(vk, quint32(kVkLayoutDependent));
        }
    }
    QCOMPARE(differing, 1);
    // The usage table holds 121 virtual keys, in both layouts.
    int known = 0;
    for (quint32 vk = 0; vk < 256; ++vk)
        known += iso.usageForVk(quint8(vk)) != 0 ? 1 : 0;
    QCOMPARE(known, 121);
}

void TstInputTranslation::buildStartsFromEmptyTables()
{
    KeyTranslator translator;
    translator.build(false);
    translator.build(true);
    QCOMPARE(int(translator.usageFor(0x2B, 0)), 0x32);
    translator.build(false);
    QCOMPARE(int(translator.usageFor(0x2B, 0)), 0x31);
}

void TstInputTranslation::unbuiltTranslatorReportsNothing()
{
    const KeyTranslator translator;
    for (const ScanCodeEntry &e : scanCodeTable)
        QCOMPARE(int(translator.usageFor(e.scan, e.extended ? E : 0)), 0);
    // The overrides give a virtual key, but the empty usage table has none.
    QCOMPARE(int(translator.usageFor(0x46, E)), 0);
    QCOMPARE(int(translator.usageFor(0x54, ALT)), 0);
}

void TstInputTranslation::translatesMouseMessage_data()
{
    QTest::addColumn<quint32>("message");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("isDown");

    QTest::newRow("move") << 0x200u << 0 << false;
    QTest::newRow("left down") << 0x201u << 0xF0 << true;
    QTest::newRow("left up") << 0x202u << 0xF0 << false;
    QTest::newRow("left double click") << 0x203u << 0 << false;
    QTest::newRow("right down") << 0x204u << 0xF1 << true;
    QTest::newRow("right up") << 0x205u << 0xF1 << false;
    QTest::newRow("right double click") << 0x206u << 0 << false;
    QTest::newRow("middle down") << 0x207u << 0xF2 << true;
    QTest::newRow("middle up") << 0x208u << 0xF2 << false;
    QTest::newRow("middle double click") << 0x209u << 0 << false;
    QTest::newRow("wheel") << 0x20Au << 0 << false;
    QTest::newRow("side button down") << 0x20Bu << 0 << false;
    QTest::newRow("horizontal wheel") << 0x20Eu << 0 << false;
    QTest::newRow("zero") << 0u << 0 << false;
    QTest::newRow("huge") << 0xFFFFFFFFu << 0 << false;
}

void TstInputTranslation::translatesMouseMessage()
{
    QFETCH(quint32, message);
    QFETCH(int, code);
    QFETCH(bool, isDown);

    const MouseButtonEntry entry = KeyTranslator::mouseButtonFor(message);
    QCOMPARE(int(entry.code), code);
    if (code != 0)
        QCOMPARE(entry.isDown, isDown);
}

void TstInputTranslation::evdevKeyGivesWindowsUsage_data()
{
    // The usage codes the kernel's HID keyboard table gives these evdev
    // keys: a USB keyboard sends exactly these codes for them.
    QTest::addColumn<quint32>("evdev");
    QTest::addColumn<int>("usage");

    QTest::newRow("KEY_ESC") << 1u << 0x29;
    QTest::newRow("KEY_1") << 2u << 0x1E;
    QTest::newRow("KEY_0") << 11u << 0x27;
    QTest::newRow("KEY_MINUS") << 12u << 0x2D;
    QTest::newRow("KEY_BACKSPACE") << 14u << 0x2A;
    QTest::newRow("KEY_Q") << 16u << 0x14;
    QTest::newRow("KEY_ENTER") << 28u << 0x28;
    QTest::newRow("KEY_LEFTCTRL") << 29u << 0xE0;
    QTest::newRow("KEY_A") << 30u << 0x04;
    QTest::newRow("KEY_APOSTROPHE") << 40u << 0x34;
    QTest::newRow("KEY_GRAVE") << 41u << 0x35;
    QTest::newRow("KEY_LEFTSHIFT") << 42u << 0xE1;
    QTest::newRow("KEY_BACKSLASH") << 43u << 0x32;
    QTest::newRow("KEY_Z") << 44u << 0x1D;
    QTest::newRow("KEY_SLASH") << 53u << 0x38;
    QTest::newRow("KEY_RIGHTSHIFT") << 54u << 0xE5;
    QTest::newRow("KEY_KPASTERISK") << 55u << 0x55;
    QTest::newRow("KEY_LEFTALT") << 56u << 0xE2;
    QTest::newRow("KEY_SPACE") << 57u << 0x2C;
    QTest::newRow("KEY_CAPSLOCK") << 58u << 0x39;
    QTest::newRow("KEY_F1") << 59u << 0x3A;
    QTest::newRow("KEY_NUMLOCK") << 69u << 0x53;
    QTest::newRow("KEY_SCROLLLOCK") << 70u << 0x47;
    QTest::newRow("KEY_KP7") << 71u << 0x5F;
    QTest::newRow("KEY_KPMINUS") << 74u << 0x56;
    QTest::newRow("KEY_KP5") << 76u << 0x5D;
    QTest::newRow("KEY_KPPLUS") << 78u << 0x57;
    QTest::newRow("KEY_KP1") << 79u << 0x59;
    QTest::newRow("KEY_KP0") << 82u << 0x62;
    QTest::newRow("KEY_KPDOT") << 83u << 0x63;
    QTest::newRow("KEY_102ND") << 86u << 0x64;
    QTest::newRow("KEY_F11") << 87u << 0x44;
    QTest::newRow("KEY_F12") << 88u << 0x45;
    QTest::newRow("KEY_KPENTER") << 96u << 0x58;
    QTest::newRow("KEY_RIGHTCTRL") << 97u << 0xE4;
    QTest::newRow("KEY_KPSLASH") << 98u << 0x54;
    QTest::newRow("KEY_SYSRQ (Print Screen)") << 99u << 0x46;
    QTest::newRow("KEY_RIGHTALT") << 100u << 0xE6;
    QTest::newRow("KEY_HOME") << 102u << 0x4A;
    QTest::newRow("KEY_UP") << 103u << 0x52;
    QTest::newRow("KEY_PAGEUP") << 104u << 0x4B;
    QTest::newRow("KEY_LEFT") << 105u << 0x50;
    QTest::newRow("KEY_RIGHT") << 106u << 0x4F;
    QTest::newRow("KEY_END") << 107u << 0x4D;
    QTest::newRow("KEY_DOWN") << 108u << 0x51;
    QTest::newRow("KEY_PAGEDOWN") << 109u << 0x4E;
    QTest::newRow("KEY_INSERT") << 110u << 0x49;
    QTest::newRow("KEY_DELETE") << 111u << 0x4C;
    QTest::newRow("KEY_PAUSE") << 119u << 0x48;
    QTest::newRow("KEY_LEFTMETA") << 125u << 0xE3;
    QTest::newRow("KEY_COMPOSE (menu)") << 127u << 0x65;
    QTest::newRow("KEY_F23") << 193u << 0x72;
    // Keys the Windows hook does not report either.
    QTest::newRow("KEY_RIGHTMETA") << 126u << 0;
    QTest::newRow("KEY_RESERVED") << 0u << 0;
    QTest::newRow("KEY_MUTE") << 113u << 0;
    QTest::newRow("KEY_F13") << 183u << 0;
    QTest::newRow("past the lookup") << 300u << 0;
}

void TstInputTranslation::evdevKeyGivesWindowsUsage()
{
    QFETCH(quint32, evdev);
    QFETCH(int, usage);

    KeyTranslator translator;
    translator.build(true);
    const SetOneScanCode key = scanCodeForEvdev(evdev);
    const int got = key.scan == 0 ? 0 : translator.usageFor(key.scan, flagsOf(key));
    QCOMPARE(got, usage);
    // The X server names the same key by evdev code + 8.
    const SetOneScanCode viaX = scanCodeForX11Keycode(evdev + kX11KeycodeOffset);
    QCOMPARE(int(viaX.scan), int(key.scan));
    QCOMPARE(viaX.extended, key.extended);
}

void TstInputTranslation::everyScanKeyIsReachableFromEvdev()
{
    // Each key of the scan code table is one evdev key, so every usage that
    // Windows reports, Linux reports too.
    for (const ScanCodeEntry &e : scanCodeTable) {
        int sources = 0;
        for (const EvdevScanCodeEntry &k : evdevScanCodeTable)
            sources += (k.key.scan == e.scan && k.key.extended == e.extended) ? 1 : 0;
        QVERIFY2(sources == 1, qPrintable(QString::asprintf("scan %02x%s from %d evdev keys", e.scan,
                                                            e.extended ? " e" : "", sources)));
    }
}

void TstInputTranslation::x11KeycodesOutsideTheRange()
{
    for (quint32 keycode : {0u, 1u, 7u, 256u + 8u, 0xFFFFFFFFu})
        QCOMPARE(int(scanCodeForX11Keycode(keycode).scan), 0);
    QCOMPARE(int(scanCodeForX11Keycode(38).scan), 0x1E); // A
}

void TstInputTranslation::translatesX11Button_data()
{
    QTest::addColumn<quint32>("button");
    QTest::addColumn<bool>("isDown");
    QTest::addColumn<int>("code");

    QTest::newRow("0") << 0u << true << 0;
    QTest::newRow("1 press: left") << 1u << true << 0xF0;
    QTest::newRow("1 release: left") << 1u << false << 0xF0;
    QTest::newRow("2 press: middle") << 2u << true << 0xF2;
    QTest::newRow("3 press: right") << 3u << true << 0xF1;
    QTest::newRow("3 release: right") << 3u << false << 0xF1;
    QTest::newRow("4 wheel up") << 4u << true << 0;
    QTest::newRow("5 wheel down") << 5u << false << 0;
    QTest::newRow("6 wheel left") << 6u << true << 0;
    QTest::newRow("8 side") << 8u << true << 0;
    QTest::newRow("huge") << 0xFFFFFFFFu << true << 0;
}

void TstInputTranslation::translatesX11Button()
{
    QFETCH(quint32, button);
    QFETCH(bool, isDown);
    QFETCH(int, code);

    const quint32 message = mouseMessageForX11Button(button, isDown);
    const MouseButtonEntry entry = KeyTranslator::mouseButtonFor(message);
    QCOMPARE(int(entry.code), code);
    if (code != 0)
        QCOMPARE(entry.isDown, isDown);
}

QTEST_APPLESS_MAIN(TstInputTranslation)
#include "tst_input_translation.moc"
