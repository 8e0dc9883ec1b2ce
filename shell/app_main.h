#pragma once
#include <QObject>

#include <functional>
#include <memory>

class Widget;

// What a particular build adds once the main window exists (the simulated
// keyboard's console, for example); called before the first discovery. The
// object it returns lives until the event loop has returned and is destroyed
// before the main window.
using MainWindowExtension = std::function<std::unique_ptr<QObject>(Widget &)>;

// The program: builds the application and the main window in their fixed
// order, runs the event loop and tears everything down. Returns the event
// loop's result, the process's exit code.
int runProgram(int argc, char **argv, const MainWindowExtension &extend = {});
