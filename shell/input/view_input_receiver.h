#pragma once
#include "shell/input/input_receiver.h"

#include <QPointer>

#include <functional>
#include <utility>

// Passes the global input reports on to a view: any QObject with
// forwardKeyboard(bool, uchar) and forwardMouse(bool, uchar, int, int).
// Reports that arrive after the view is gone are dropped.
template <class View>
class ViewInputReceiver final : public InputReceiver
{
public:
    explicit ViewInputReceiver(View *view) : view_(view) {}

    void forwardKeyboard(bool isDown, std::uint8_t usbCode) override
    {
        if (view_)
            view_->forwardKeyboard(isDown, usbCode);
    }

    void forwardMouse(bool isDown, std::uint8_t code, int x, int y) override
    {
        if (view_)
            view_->forwardMouse(isDown, code, x, y);
    }

private:
    QPointer<View> view_;
};

// Passes the reports on to two functions; an empty one drops its reports.
class FunctionInputReceiver final : public InputReceiver
{
public:
    using KeyboardFunction = std::function<void(bool isDown, std::uint8_t usbCode)>;
    using MouseFunction = std::function<void(bool isDown, std::uint8_t code, int x, int y)>;

    FunctionInputReceiver(KeyboardFunction keyboard, MouseFunction mouse)
        : keyboard_(std::move(keyboard)), mouse_(std::move(mouse))
    {
    }

    void forwardKeyboard(bool isDown, std::uint8_t usbCode) override
    {
        if (keyboard_)
            keyboard_(isDown, usbCode);
    }

    void forwardMouse(bool isDown, std::uint8_t code, int x, int y) override
    {
        if (mouse_)
            mouse_(isDown, code, x, y);
    }

private:
    KeyboardFunction keyboard_;
    MouseFunction mouse_;
};
