#include "shell/input/input_backend.h"

#include "shell/input/input_hooks.h"

#include <windows.h>

// Windows calls a low-level hook procedure on the thread that installed it,
// from that thread's message loop, for every key and mouse event of the
// desktop. The procedures reach the module through this process-wide state.
namespace {
InputHooks *s_hooks = nullptr;
HHOOK s_keyboardHook = nullptr;
HHOOK s_mouseHook = nullptr;

// Observes only: every event goes on to the next hook unchanged. Windows
// drops a hook that is slow to return, so the callbacks only post.
LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // A negative code must be passed on without looking at the event.
    if (nCode == HC_ACTION && s_hooks != nullptr) {
        const auto *info = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        const bool isDown = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        s_hooks->keyEvent(info->scanCode, info->flags, isDown);
    }
    return CallNextHookEx(s_keyboardHook, nCode, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && s_hooks != nullptr) {
        const auto *info = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        s_hooks->mouseEvent(static_cast<std::uint32_t>(wParam), info->pt.x, info->pt.y);
    }
    return CallNextHookEx(s_mouseHook, nCode, wParam, lParam);
}

void unhookAll()
{
    if (s_keyboardHook != nullptr)
        UnhookWindowsHookEx(s_keyboardHook);
    if (s_mouseHook != nullptr)
        UnhookWindowsHookEx(s_mouseHook);
    s_keyboardHook = nullptr;
    s_mouseHook = nullptr;
    s_hooks = nullptr;
}

class WindowsHooks final : public InputBackend
{
public:
    ~WindowsHooks() override { unhookAll(); }
};
} // namespace

std::unique_ptr<InputBackend> openInputBackend(InputHooks &hooks)
{
    if (s_hooks != nullptr) {
        InputHooks::diagnostic("the low-level hooks are already installed");
        return nullptr;
    }
    const HMODULE module = GetModuleHandleW(nullptr);
    s_keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    s_mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    if (s_keyboardHook == nullptr || s_mouseHook == nullptr) {
        // Half a set of hooks would report keys without buttons or the other
        // way round; the program runs without either.
        unhookAll();
        InputHooks::diagnostic("the low-level hooks could not be installed: global key and button events are off");
        return nullptr;
    }
    s_hooks = &hooks;
    InputHooks::diagnostic("global key and button events from the low-level hooks");
    return std::make_unique<WindowsHooks>();
}
