#include "shell/input/input_receiver.h"

#include "shell/input/input_hooks.h"

void InputReceiver::keyboardCallback(std::uint8_t usbCode, bool isDown, void *context)
{
    if (context == nullptr)
        return;
    static_cast<InputReceiver *>(context)->forwardKeyboard(isDown, usbCode);
}

void InputReceiver::mouseCallback(std::uint8_t code, bool isDown, std::int32_t x, std::int32_t y,
                                  void *context)
{
    if (context == nullptr)
        return;
    static_cast<InputReceiver *>(context)->forwardMouse(isDown, code, x, y);
}

void attachInputReceiver(InputHooks &hooks, InputReceiver *receiver)
{
    hooks.setKeyboardCallback(&InputReceiver::keyboardCallback, receiver);
    hooks.setMouseCallback(&InputReceiver::mouseCallback, receiver);
}
