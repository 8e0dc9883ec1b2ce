#include "device/sim/hidsim.h"
#include "shell/app_main.h"
#include "shell/sim_console.h"

#include <cstring>

int main(int argc, char **argv)
{
    // "--unplugged": start with no keyboard attached ("plug" attaches it).
    bool unplugged = false;
    for (int i = 1; i < argc; ++i)
        unplugged = unplugged || std::strcmp(argv[i], "--unplugged") == 0;

    return runProgram(argc, argv, [unplugged](Widget &mainWindow) -> std::unique_ptr<QObject> {
        SimConsole::prepareKeyboard();
        if (unplugged)
            hidsim::unplug();
        return std::make_unique<SimConsole>(mainWindow);
    });
}
