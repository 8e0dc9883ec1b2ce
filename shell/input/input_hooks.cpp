#include "shell/input/input_hooks.h"

namespace {
// The installed instance: the platform hooks are process-wide, so only one
// module may hold them.
InputHooks *s_installed = nullptr;
InputDiagnosticHandler s_diagnosticHandler = nullptr;
} // namespace

InputHooks::~InputHooks()
{
    remove();
}

bool InputHooks::install(bool defaultLayout, InputBackendOpener open)
{
    if (backend_)
        remove();

    defaultLayout_ = defaultLayout;
    translator_.build(defaultLayout);

    if (s_installed != nullptr) {
        diagnostic("global input is already installed by another instance");
        return false;
    }
    if (open != nullptr)
        backend_ = open(*this);
    if (!backend_)
        return false;
    s_installed = this;
    return true;
}

void InputHooks::setKeyboardCallback(KeyboardCallback callback, void *context)
{
    keyboardCallback_ = callback;
    keyboardContext_ = context;
}

void InputHooks::setMouseCallback(MouseCallback callback, void *context)
{
    mouseCallback_ = callback;
    mouseContext_ = context;
}

void InputHooks::remove()
{
    if (!backend_)
        return;
    backend_.reset();
    if (s_installed == this)
        s_installed = nullptr;
}

int InputHooks::eventDescriptor() const
{
    return backend_ ? backend_->eventDescriptor() : -1;
}

void InputHooks::dispatchPending()
{
    if (backend_)
        backend_->dispatchPending();
}

void InputHooks::dispatchQueued()
{
    if (backend_)
        backend_->dispatchQueued();
}

void InputHooks::setDiagnosticHandler(InputDiagnosticHandler handler)
{
    s_diagnosticHandler = handler;
}

InputDiagnosticHandler InputHooks::diagnosticHandler()
{
    return s_diagnosticHandler;
}

void InputHooks::diagnostic(const char *text)
{
    if (s_diagnosticHandler)
        s_diagnosticHandler(text);
}
