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
