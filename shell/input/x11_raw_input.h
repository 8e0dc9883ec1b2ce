#pragma once
#include "shell/input/input_backend.h"
#include "shell/input/input_hooks.h"
#include "shell/input/linux_input_codes.h"

#include <cstdint>
#include <memory>

struct _XDisplay;

// Global key and button events from an X server: XInput 2 raw events
// selected on the root window for all master devices, on a connection of
// its own (the toolkit's connection, if any, is left alone). Raw events come
// from the devices, before any grab or focus decides where they go, so keys
// typed into every other program are seen, and nothing is taken from them.
//
// Where it differs from the Windows hooks:
// - Keys arrive as evdev codes, mapped back to set-1 scan codes: right Shift
//   always gives 0xE5, the right Windows key nothing, as on Windows.
// - No modifier flags come with a key. The kernel reports Print Screen and
//   Alt+Print Screen as one key, and Pause and Ctrl+Break as one key, so they
//   give 0x46 and 0x48 without the Alt and Break overrides.
// - The X server never sees what the kernel keeps (magic SysRq combinations),
//   input while another virtual terminal is active, or input to native
//   Wayland clients; raw events still arrive while another client grabs the
//   keyboard or pointer.
// - The server's own key repeat makes no raw events, but a repeated press
//   from a device or XTest does; the key state drops it as on Windows.
// - Raw button events carry the button before the server's pointer mapping
//   and no position: the position is the pointer's when the event is
//   handled, in root-window pixels, never negative.
// - Events sent with XSendEvent are not seen; XTest input is, as SendInput
//   input is on Windows.
class X11RawInput final : public InputBackend
{
public:
    // Null when there is no X display or it lacks XInput 2.1 (the reason
    // goes to the diagnostic handler).
    static std::unique_ptr<X11RawInput> open(InputHooks &hooks);
    ~X11RawInput() override;

    int eventDescriptor() const override;
    void dispatchPending() override;
    void dispatchQueued() override;

    // Handles one raw event: `evtype` an XI_Raw* event type, `detail` the
    // keycode or button number.
    void handleRawEvent(int evtype, std::uint32_t detail);

    // The key half of handleRawEvent, which needs no connection.
    static void deliverKey(InputHooks &hooks, std::uint32_t keycode, bool isDown)
    {
        const SetOneScanCode key = scanCodeForX11Keycode(keycode);
        if (key.scan != 0)
            hooks.keyEvent(key.scan, flagsOf(key), isDown);
    }

private:
    X11RawInput(InputHooks &hooks, _XDisplay *display);
    bool selectRawEvents();
    void dispatch(int queuedMode);
    void closeLostConnection();
    static void connectionLost(_XDisplay *display, void *self);

    InputHooks &hooks_;
    _XDisplay *display_;
    int opcode_ = 0;
    bool lost_ = false;
};
