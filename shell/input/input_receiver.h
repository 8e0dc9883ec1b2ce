#pragma once
#include <cstdint>

class InputHooks;

// Something the global input reports can go on to directly, for a caller
// that has no callback functions of its own: the reports reach
// forwardKeyboard and forwardMouse from inside the event source.
class InputReceiver
{
public:
    virtual ~InputReceiver() = default;
    virtual void forwardKeyboard(bool isDown, std::uint8_t usbCode) = 0;
    virtual void forwardMouse(bool isDown, std::uint8_t code, int x, int y) = 0;

    // Callbacks for InputHooks whose `context` is an InputReceiver; a null
    // context drops the report.
    static void keyboardCallback(std::uint8_t usbCode, bool isDown, void *context);
    static void mouseCallback(std::uint8_t code, bool isDown, std::int32_t x, std::int32_t y,
                              void *context);
};

// Registers both callbacks of InputReceiver with `receiver` as their context
// (null: the reports are dropped). The receiver must outlive the registration.
void attachInputReceiver(InputHooks &hooks, InputReceiver *receiver);
