// Drives the Windows low-level hooks with injected input (SendInput) and
// checks what reaches the callbacks: each change of a key's state once, with
// its usage code, every button press and release with the pointer position,
// and every event passed on to the next hook. Prints one line per case and a
// closing "N passed, N failed"; the exit code is the number of failures.
#include "shell/input/input_hooks.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Report
{
    bool mouse;
    std::uint8_t code;
    bool isDown;
    int x;
    int y;

    bool operator==(const Report &o) const
    {
        return mouse == o.mouse && code == o.code && isDown == o.isDown && x == o.x && y == o.y;
    }
};

std::vector<Report> s_reports;

void onKey(std::uint8_t usbCode, bool isDown, void *context)
{
    if (context == &s_reports)
        s_reports.push_back({false, usbCode, isDown, 0, 0});
}

void onMouse(std::uint8_t code, bool isDown, std::int32_t x, std::int32_t y, void *context)
{
    if (context == &s_reports)
        s_reports.push_back({true, code, isDown, x, y});
}

// A hook installed before the module's, so it runs after them: it sees an
// event only if the module passed it on.
HHOOK s_witnessKeyboard = nullptr;
HHOOK s_witnessMouse = nullptr;
int s_witnessKeys = 0;
int s_witnessButtons = 0;
DWORD s_witnessFlags = 0; // every flag the system set on a key event

LRESULT CALLBACK witnessKeyboard(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        ++s_witnessKeys;
        s_witnessFlags |= reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam)->flags;
    }
    return CallNextHookEx(s_witnessKeyboard, nCode, wParam, lParam);
}

LRESULT CALLBACK witnessMouse(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam != WM_MOUSEMOVE)
        ++s_witnessButtons;
    return CallNextHookEx(s_witnessMouse, nCode, wParam, lParam);
}

INPUT key(WORD scan, bool extended, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = scan;
    in.ki.dwFlags = KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0)
                    | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

INPUT button(DWORD flags, DWORD data = 0)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.mouseData = data;
    return in;
}

Report k(std::uint8_t usage, bool isDown)
{
    return {false, usage, isDown, 0, 0};
}

constexpr int kX = 100;
constexpr int kY = 200;

Report m(std::uint8_t code, bool isDown)
{
    return {true, code, isDown, kX, kY};
}

struct Case
{
    const char *name;
    std::vector<INPUT> inputs;
    std::vector<Report> expected;
    // The flag the case depends on; when the system does not set it on
    // injected input (Wine does not set LLKHF_ALTDOWN), the case cannot be
    // judged and is skipped.
    DWORD needsFlag = 0;
};

// F12, pressed and released after each case: once its release is reported,
// everything injected before it has gone through the hooks.
constexpr WORD kSentinelScan = 0x58;
constexpr std::uint8_t kSentinelUsage = 0x45;

bool pumpUntil(bool (*done)(), DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (GetTickCount64() > deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool sentinelSeen()
{
    return !s_reports.empty() && s_reports.back() == k(kSentinelUsage, false);
}

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string describe(const std::vector<Report> &reports)
{
    std::string text;
    char item[64];
    for (const Report &r : reports) {
        std::snprintf(item, sizeof item, r.mouse ? " button %02x%s@%d,%d" : " key %02x%s",
                      r.code, r.isDown ? "+" : "-", r.x, r.y);
        text += item;
    }
    return text.empty() ? " (none)" : text;
}

int countKeys(const std::vector<INPUT> &inputs)
{
    int n = 0;
    for (const INPUT &in : inputs)
        n += in.type == INPUT_KEYBOARD ? 1 : 0;
    return n;
}

int s_passed = 0;
int s_failed = 0;
int s_skipped = 0;

void check(const char *name, bool ok, const std::string &detail)
{
    if (ok) {
        ++s_passed;
        std::printf("PASS   %s\n", name);
    } else {
        ++s_failed;
        std::printf("FAIL   %s:%s\n", name, detail.c_str());
    }
    std::fflush(stdout);
}

void runCase(const Case &c)
{
    s_reports.clear();
    s_witnessKeys = 0;
    s_witnessButtons = 0;
    s_witnessFlags = 0;
    std::vector<INPUT> inputs = c.inputs;
    inputs.push_back(key(kSentinelScan, false, false));
    inputs.push_back(key(kSentinelScan, false, true));
    send(inputs);
    if (!pumpUntil(sentinelSeen, 3000)) {
        check(c.name, false, " timed out; got" + describe(s_reports));
        return;
    }
    if ((s_witnessFlags & c.needsFlag) != c.needsFlag) {
        ++s_skipped;
        std::printf("SKIP   %s: the system did not set flag 0x%02lx on the injected keys\n",
                    c.name, static_cast<unsigned long>(c.needsFlag));
        return;
    }
    std::vector<Report> got(s_reports.begin(), s_reports.end() - 2);
    const int keysSent = countKeys(inputs);
    const int buttonsSent = static_cast<int>(inputs.size()) - keysSent;
    std::string detail;
    if (got != c.expected)
        detail += " expected" + describe(c.expected) + ", got" + describe(got) + ";";
    if (s_witnessKeys != keysSent || s_witnessButtons != buttonsSent)
        detail += " the next hook saw " + std::to_string(s_witnessKeys) + " of "
                  + std::to_string(keysSent) + " key events and "
                  + std::to_string(s_witnessButtons) + " of " + std::to_string(buttonsSent)
                  + " button events;";
    check(c.name, detail.empty(), detail);
}

} // namespace

int main()
{
    const HMODULE module = GetModuleHandleW(nullptr);
    s_witnessKeyboard = SetWindowsHookExW(WH_KEYBOARD_LL, witnessKeyboard, module, 0);
    s_witnessMouse = SetWindowsHookExW(WH_MOUSE_LL, witnessMouse, module, 0);
    if (s_witnessKeyboard == nullptr || s_witnessMouse == nullptr) {
        std::printf("cannot install the witness hooks\n0 passed, 1 failed\n");
        return 1;
    }

    InputHooks hooks;
    check("install", hooks.install(true), " the hooks did not install");
    hooks.setKeyboardCallback(onKey, &s_reports);
    hooks.setMouseCallback(onMouse, &s_reports);
    SetCursorPos(kX, kY);

    const std::vector<Case> cases = {
        {"A press and release", {key(0x1E, false, false), key(0x1E, false, true)},
         {k(0x04, true), k(0x04, false)}},
        {"held A repeats its press: reported once",
         {key(0x1E, false, false), key(0x1E, false, false), key(0x1E, false, false),
          key(0x1E, false, true)},
         {k(0x04, true), k(0x04, false)}},
        {"release of a key never pressed", {key(0x30, false, true)}, {}},
        {"keypad Enter and Enter",
         {key(0x1C, true, false), key(0x1C, true, true), key(0x1C, false, false),
          key(0x1C, false, true)},
         {k(0x58, true), k(0x58, false), k(0x28, true), k(0x28, false)}},
        {"right Ctrl and right Alt",
         {key(0x1D, true, false), key(0x38, true, false), key(0x38, true, true),
          key(0x1D, true, true)},
         {k(0xE4, true), k(0xE6, true), k(0xE6, false), k(0xE4, false)}},
        {"right Shift", {key(0x36, true, false), key(0x36, true, true)},
         {k(0xE5, true), k(0xE5, false)}},
        {"right Windows key is not reported", {key(0x5C, true, false), key(0x5C, true, true)},
         {}},
        {"Home and keypad 7",
         {key(0x47, true, false), key(0x47, true, true), key(0x47, false, false),
          key(0x47, false, true)},
         {k(0x4A, true), k(0x4A, false), k(0x5F, true), k(0x5F, false)}},
        {"Print Screen", {key(0x37, true, false), key(0x37, true, true)},
         {k(0x46, true), k(0x46, false)}},
        {"Alt+Print Screen (SysRq)",
         {key(0x38, false, false), key(0x54, false, false), key(0x54, false, true),
          key(0x38, false, true)},
         {k(0xE2, true), k(0x46, true), k(0x46, false), k(0xE2, false)},
         LLKHF_ALTDOWN},
        {"Pause", {key(0x45, false, false), key(0x45, false, true)},
         {k(0x48, true), k(0x48, false)}},
        {"Ctrl+Break",
         {key(0x1D, false, false), key(0x46, true, false), key(0x46, true, true),
          key(0x1D, false, true)},
         {k(0xE0, true), k(0x48, true), k(0x48, false), k(0xE0, false)}},
        {"left click", {button(MOUSEEVENTF_LEFTDOWN), button(MOUSEEVENTF_LEFTUP)},
         {m(0xF0, true), m(0xF0, false)}},
        {"right and middle clicks",
         {button(MOUSEEVENTF_RIGHTDOWN), button(MOUSEEVENTF_RIGHTUP),
          button(MOUSEEVENTF_MIDDLEDOWN), button(MOUSEEVENTF_MIDDLEUP)},
         {m(0xF1, true), m(0xF1, false), m(0xF2, true), m(0xF2, false)}},
        {"double click: two presses, two releases",
         {button(MOUSEEVENTF_LEFTDOWN), button(MOUSEEVENTF_LEFTUP), button(MOUSEEVENTF_LEFTDOWN),
          button(MOUSEEVENTF_LEFTUP)},
         {m(0xF0, true), m(0xF0, false), m(0xF0, true), m(0xF0, false)}},
        {"wheel and side buttons are not reported",
         {button(MOUSEEVENTF_WHEEL, static_cast<DWORD>(WHEEL_DELTA)),
          button(MOUSEEVENTF_XDOWN, XBUTTON1), button(MOUSEEVENTF_XUP, XBUTTON1)},
         {}},
    };
    for (const Case &c : cases)
        runCase(c);

    // After remove the module sees nothing; the witness still does.
    hooks.remove();
    s_reports.clear();
    s_witnessKeys = 0;
    send({key(0x1E, false, false), key(0x1E, false, true)});
    const bool witnessed = pumpUntil([] { return s_witnessKeys == 2; }, 3000);
    check("nothing is reported after remove", witnessed && s_reports.empty(),
          witnessed ? " got" + describe(s_reports) : std::string(" the witness saw no key"));

    UnhookWindowsHookEx(s_witnessKeyboard);
    UnhookWindowsHookEx(s_witnessMouse);
    std::printf("%d passed, %d failed, %d skipped\n", s_passed, s_failed, s_skipped);
    return s_failed;
}
