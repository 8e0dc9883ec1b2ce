#include "shell/app_main.h"
#include "shell/sim_console.h"

int main(int argc, char **argv)
{
    return runProgram(argc, argv, [](Widget &mainWindow) -> std::unique_ptr<QObject> {
        SimConsole::prepareKeyboard();
        return std::make_unique<SimConsole>(mainWindow);
    });
}
