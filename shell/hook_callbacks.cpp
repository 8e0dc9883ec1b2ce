#include "shell/hook_callbacks.h"

#include "bridge/my_qquick_view.h"
#include "shell/widget.h"

void keyboardHookCallback(std::uint8_t usbCode, bool isDown, void *context)
{
    if (!context)
        return;
    if (myQQuickView *view = static_cast<Widget *>(context)->view())
        view->forwardKeyboard(isDown, usbCode);
}

void mouseHookCallback(std::uint8_t code, bool isDown, int x, int y, void *context)
{
    if (!context)
        return;
    if (myQQuickView *view = static_cast<Widget *>(context)->view())
        view->forwardMouse(isDown, code, x, y);
}
