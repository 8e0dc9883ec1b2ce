#include "shell/input/input_event_pump.h"

#include "shell/input/input_hooks.h"
#include "shell/input/input_log.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QThread>

namespace {
void logDiagnostic(const char *text)
{
    qCDebug(lcInput, "%s", text);
}
} // namespace

InputEventPump::InputEventPump(InputHooks &hooks, QObject *parent)
    : QObject(parent), hooks_(hooks)
{
    InputHooks::setDiagnosticHandler(logDiagnostic);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread())) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &InputEventPump::pump);
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &InputEventPump::follow);
    }
    follow();
}

InputEventPump::~InputEventPump()
{
    if (InputHooks::diagnosticHandler() == logDiagnostic)
        InputHooks::setDiagnosticHandler(nullptr);
}

bool InputEventPump::isWatching() const
{
    return notifier_ != nullptr;
}

void InputEventPump::pump()
{
    hooks_.dispatchQueued();
    follow();
}

void InputEventPump::follow()
{
    const int descriptor = hooks_.eventDescriptor();
    if (notifier_ && notifier_->socket() == descriptor)
        return;
    notifier_.reset();
    if (descriptor < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InputEventPump::readReady);
}

void InputEventPump::readReady()
{
    hooks_.dispatchPending();
    // A lost connection leaves its descriptor readable for ever; stop
    // watching it at once rather than at the next sleep.
    follow();
}
