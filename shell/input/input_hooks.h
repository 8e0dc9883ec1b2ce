#pragma once
#include "shell/input/input_backend.h"
#include "shell/input/key_down_state.h"
#include "shell/input/key_translator.h"

#include <cstdint>
#include <memory>

// Receives each reported change of a key's state: `usbCode` is a non-zero
// USB HID keyboard usage code.
using KeyboardCallback = void (*)(std::uint8_t usbCode, bool isDown, void *context);

// Receives each press and release of the left, right and middle buttons:
// `code` 0xF0, 0xF1 or 0xF2, `x` and `y` the pointer in screen pixels.
using MouseCallback = void (*)(std::uint8_t code, bool isDown, std::int32_t x, std::int32_t y,
                               void *context);

// Receives plain-text notes about the event source (opened, missing, lost).
// They never carry key or button data.
using InputDiagnosticHandler = void (*)(const char *text);

using InputBackendOpener = std::unique_ptr<InputBackend> (*)(InputHooks &hooks);

// The process-wide global input module: it watches every key and button of
// the whole desktop, whichever program has the focus, and reports each key
// press and release once, as a usage code, and every button press and
// release with the pointer position. It only observes; no event is taken
// away from the program it was meant for.
//
// One instance per process, created by the main routine; only one instance
// can be installed at a time. Everything runs on the thread that installed
// it, the GUI thread, and the callbacks are called from inside the event
// source, so they must return quickly (post, never wait).
class InputHooks
{
public:
    InputHooks() = default;
    ~InputHooks();
    InputHooks(const InputHooks &) = delete;
    InputHooks &operator=(const InputHooks &) = delete;

    // Stores the layout, builds the translation tables and opens the event
    // source (closing the one open before). False when there is no source:
    // the program then runs without global events.
    bool install(bool defaultLayout, InputBackendOpener open = openInputBackend);

    // May be called before or after install; a null callback drops the events.
    void setKeyboardCallback(KeyboardCallback callback, void *context);
    void setMouseCallback(MouseCallback callback, void *context);

    // Closes the event source. The key states are kept.
    void remove();

    bool isInstalled() const { return backend_ != nullptr; }
    bool defaultLayout() const { return defaultLayout_; }
    const KeyTranslator &translator() const { return translator_; }
    const KeyDownState &keyDownState() const { return keyDownState_; }

    // Entry points of the event sources. `scanCode` and `flags` as a Windows
    // low-level keyboard hook sees them (set-1 scan code, kKeyFlagExtended,
    // kKeyFlagAltDown); `message` a Windows mouse message number.
    void keyEvent(std::uint32_t scanCode, std::uint32_t flags, bool isDown)
    {
        const std::uint8_t usage = translator_.usageFor(scanCode, flags);
        if (usage == 0 || !keyDownState_.change(usage, isDown))
            return;
        if (keyboardCallback_)
            keyboardCallback_(usage, isDown, keyboardContext_);
    }

    void mouseEvent(std::uint32_t message, std::int32_t x, std::int32_t y)
    {
        const MouseButtonEntry button = KeyTranslator::mouseButtonFor(message);
        if (button.code != 0 && mouseCallback_)
            mouseCallback_(button.code, button.isDown, x, y, mouseContext_);
    }

    // Whether a mouse event would reach anyone; a source may skip the work of
    // finding the pointer position otherwise.
    bool wantsMouseEvents() const { return mouseCallback_ != nullptr; }

    // Event loop integration; see InputBackend.
    int eventDescriptor() const;
    void dispatchPending();
    void dispatchQueued();

    // Where the event sources' notes go; null drops them.
    static void setDiagnosticHandler(InputDiagnosticHandler handler);
    static InputDiagnosticHandler diagnosticHandler();
    static void diagnostic(const char *text);

private:
    bool defaultLayout_ = true;
    KeyTranslator translator_;
    KeyDownState keyDownState_;
    KeyboardCallback keyboardCallback_ = nullptr;
    void *keyboardContext_ = nullptr;
    MouseCallback mouseCallback_ = nullptr;
    void *mouseContext_ = nullptr;
    std::unique_ptr<InputBackend> backend_;
};
