#include "shell/input/x11_raw_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

std::unique_ptr<X11RawInput> X11RawInput::open(InputHooks &hooks)
{
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        InputHooks::diagnostic("no X display: global key and button events are off");
        return nullptr;
    }

    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    int major = 2;
    int minor = 2;
    // Raw events reach every client that selects them, grabs or not, only
    // from XInput 2.1 on.
    if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError)
        || XIQueryVersion(display, &major, &minor) != Success
        || major < 2 || (major == 2 && minor < 1)) {
        InputHooks::diagnostic("the X server lacks XInput 2.1: global key and button events are off");
        XCloseDisplay(display);
        return nullptr;
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
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);

    InputHooks::diagnostic("global key and button events from the X server");
    return std::unique_ptr<X11RawInput>(new X11RawInput(hooks, display, opcode));
}

X11RawInput::X11RawInput(InputHooks &hooks, Display *display, int opcode)
    : hooks_(hooks), display_(display), opcode_(opcode)
{
    // Xlib ends the process when a connection breaks unless told otherwise;
    // losing the X server must only end the global events.
    XSetIOErrorExitHandler(display_, &X11RawInput::connectionLost, this);
}

X11RawInput::~X11RawInput()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
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
    // more events into its queue; the loop drains those too.
    while (display_ != nullptr && !lost_ && XEventsQueued(display_, queuedMode) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
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
    display_ = nullptr;
}
