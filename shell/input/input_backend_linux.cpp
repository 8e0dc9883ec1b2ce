#include "shell/input/input_backend.h"

#include "shell/input/x11_raw_input.h"

// The X server is the one global source for now. Under a pure Wayland
// session it is absent (XWayland shows only its own clients' input); the
// evdev devices are the source to try next there.
std::unique_ptr<InputBackend> openInputBackend(InputHooks &hooks)
{
    return X11RawInput::open(hooks);
}
