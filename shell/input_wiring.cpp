#include "shell/input_wiring.h"

#include "shell/hook_callbacks.h"
#include "shell/log.h"

// The global input hooks are not linked into this build yet: the program runs
// without global key and button events, as it does when installing them fails.
namespace InputWiring {

void install(bool defaultLayout, Widget *mainWindow)
{
    Q_UNUSED(defaultLayout);
    Q_UNUSED(mainWindow);
    qCDebug(lcShell, "global input hooks not available in this build");
}

void remove()
{
}

} // namespace InputWiring
