#include "shell/input_wiring.h"

#include "shell/hook_callbacks.h"
#include "shell/input/input_event_pump.h"
#include "shell/input/input_hooks.h"
#include "shell/log.h"

#include <memory>

namespace InputWiring {
namespace {

// The one global input module of the process and the pump that runs it in
// the GUI thread's event loop.
struct Wiring
{
    InputHooks hooks;
    std::unique_ptr<InputEventPump> pump;
};

Wiring &wiring()
{
    static Wiring w;
    return w;
}

} // namespace

void install(bool defaultLayout, Widget *mainWindow)
{
    Wiring &w = wiring();
    // The pump first: it carries the input source's own notes (such as "no X
    // display") to the log, and install() already makes them.
    w.pump = std::make_unique<InputEventPump>(w.hooks);
    if (!w.hooks.install(defaultLayout))
        qCDebug(lcShell, "no global input source: running without global key and button events");
    // Events that arrive before the callbacks are set are dropped.
    w.hooks.setKeyboardCallback(keyboardHookCallback, mainWindow);
    w.hooks.setMouseCallback(mouseHookCallback, mainWindow);
}

void remove()
{
    Wiring &w = wiring();
    w.pump.reset();
    w.hooks.remove();
    w.hooks.setKeyboardCallback(nullptr, nullptr);
    w.hooks.setMouseCallback(nullptr, nullptr);
}

} // namespace InputWiring
