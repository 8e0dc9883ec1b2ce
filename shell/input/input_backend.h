#pragma once
#include <memory>

class InputHooks;

// One source of global key and button events. An open backend feeds every
// event into InputHooks::keyEvent and InputHooks::mouseEvent on the thread
// that opened it; closing it (destroying it) stops the events.
class InputBackend
{
public:
    virtual ~InputBackend() = default;

    // A descriptor that becomes readable when events are waiting, or -1 when
    // events arrive through the thread's own message loop.
    virtual int eventDescriptor() const { return -1; }

    // Reads what the descriptor holds and handles every waiting event.
    virtual void dispatchPending() {}

    // Handles the events already read into memory without touching the
    // descriptor; run right before the event loop sleeps, so nothing waits
    // in a queue the descriptor no longer announces.
    virtual void dispatchQueued() {}
};

// Opens the platform's source of global events, or returns null when there
// is none (the reason goes to the diagnostic handler). Each platform defines
// it in its own file.
std::unique_ptr<InputBackend> openInputBackend(InputHooks &hooks);
