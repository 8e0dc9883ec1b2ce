#pragma once
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QSocketNotifier;
class Widget;

// The console of the program built against the simulated keyboard: commands
// read line by line from standard input plug and unplug the keyboard, send
// lighting reports from it, show its state and the hidapi calls the program
// made, and quit through the tray's action. A device change is announced to
// the main window exactly as the platform's device monitor would announce it.
// Answers go to standard output, each line starting with "sim: ".
class SimConsole : public QObject
{
    Q_OBJECT

public:
    explicit SimConsole(Widget &mainWindow);
    ~SimConsole() override;

    // Runs one command line; public so that it can be driven without stdin.
    void execute(const QByteArray &line);

    // Puts the simulated keyboard into a plausible factory state: the
    // firmware model's defaults plus the key assignments and palette of the
    // factory profile shipped beside the program.
    static void prepareKeyboard();

private:
    void readInput();
    void printState();
    void printCalls();
    static void print(const QByteArray &text);

    Widget &window;
    std::unique_ptr<QSocketNotifier> input;
    QByteArray pending;
    QTimer trim;
};
