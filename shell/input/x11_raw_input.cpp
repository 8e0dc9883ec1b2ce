#include "shell/input/x11_raw_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {
// Xlib's own I/O error handler ends the process when any connection breaks,
// before the connection's exit handler is reached. The handler here lets
// the source's connection fail quietly and leaves every other connection to
// the handler that was there before.
Display *s_sourceDisplay = nullptr;
XIOErrorHandler s_previousIOErrorHandler = nullptr;

int onIOError(Display *display)
{
    if (display == s_sourceDisplay)
        return 0;
    return s_previousIOErrorHandler != nullptr ? s_previousIOErrorHandler(display) : 0;
}

void watchIOErrors(Display *display)
{
    s_sourceDisplay = display;
    const XIOErrorHandler current = XSetIOErrorHandler(onIOError);
    if (current != onIOError)
        s_previousIOErrorHandler = current;
}
} // namespace

std::unique_ptr<X11RawInput> X11RawInput::open(InputHooks &hooks)
{
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        InputHooks::diagnostic("no X display: global key and button events are off");
        return nullptr;
    }
    std::unique_ptr<X11RawInput> input(new X11RawInput(hooks, display));
    if (!input->selectRawEvents())
        return nullptr;
    InputHooks::diagnostic("global key and button events from the X server");
    return input;
}

X11RawInput::X11RawInput(InputHooks &hooks, Display *display) : hooks_(hooks), display_(display)
{
    // Xlib ends the process when a connection breaks unless told otherwise;
    // losing the X server must only end the global events.
    watchIOErrors(display_);
    XSetIOErrorExitHandler(display_, &X11RawInput::connectionLost, this);
}

bool X11RawInput::selectRawEvents()
{
    int firstEvent = 0;
    int firstError = 0;
    int major = 2;
    int minor = 2;
    // Raw events reach every client that selects them, grabs or not, only
    // from XInput 2.1 on.
    if (!XQueryExtension(display_, "XInputExtension", &opcode_, &firstEvent, &firstError)
        || XIQueryVersion(display_, &major, &minor) != Success || major < 2
        || (major == 2 && minor < 1)) {
        InputHooks::diagnostic("the X server lacks XInput 2.1: global key and button events are off");
        return false;
    }

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof bits;
    mask.mask = bits;
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
    // Wait until the server has taken the selection: input that follows
    // the installation must be seen.
    XSync(display_, False);
    if (lost_) {
        InputHooks::diagnostic("the X connection is lost: global key and button events are off");
        return false;
    }
    return true;
}

X11RawInput::~X11RawInput()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
    if (s_sourceDisplay == display_)
        s_sourceDisplay = nullptr;
}

int X11RawInput::eventDescriptor() const
{
    return display_ != nullptr ? ConnectionNumber(display_) : -1;
}

void X11RawInput::dispatchPending()
{
    dispatch(QueuedAfterReading);
}

void X11RawInput::dispatchQueued()
{
    dispatch(QueuedAlready);
}

void X11RawInput::dispatch(int queuedMode)
{
    // Finding the pointer position is a round trip, during which Xlib reads
    // more events into its queue; the loop drains those too. A lost
    // connection stops it at once: nothing more may be read from it.
    while (display_ != nullptr && !lost_) {
        const int queued = XEventsQueued(display_, queuedMode);
        if (lost_ || queued <= 0)
            break;
        XEvent event;
        XNextEvent(display_, &event);
        if (lost_)
            break;
        XGenericEventCookie *cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode_)
            continue;
        if (!XGetEventData(display_, cookie))
            continue;
        const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
        handleRawEvent(cookie->evtype, static_cast<std::uint32_t>(raw->detail));
        XFreeEventData(display_, cookie);
    }
    if (lost_)
        closeLostConnection();
}

void X11RawInput::handleRawEvent(int evtype, std::uint32_t detail)
{
    switch (evtype) {
    case XI_RawKeyPress:
    case XI_RawKeyRelease:
        deliverKey(hooks_, detail, evtype == XI_RawKeyPress);
        break;
    case XI_RawButtonPress:
    case XI_RawButtonRelease: {
        const std::uint32_t message = mouseMessageForX11Button(detail, evtype == XI_RawButtonPress);
        if (message == 0 || !hooks_.wantsMouseEvents() || display_ == nullptr)
            break;
        // Raw events carry no position: take the pointer's position now.
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int winX = 0;
        int winY = 0;
        unsigned int buttons = 0;
        XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &winX,
                      &winY, &buttons);
        if (!lost_)
            hooks_.mouseEvent(message, rootX, rootY);
        break;
    }
    default:
        break;
    }
}

void X11RawInput::connectionLost(Display *, void *self)
{
    static_cast<X11RawInput *>(self)->lost_ = true;
}

void X11RawInput::closeLostConnection()
{
    if (display_ == nullptr)
        return;
    InputHooks::diagnostic("the X connection is lost: global key and button events are off");
    XCloseDisplay(display_);
    if (s_sourceDisplay == display_)
        s_sourceDisplay = nullptr;
    display_ = nullptr;
}
