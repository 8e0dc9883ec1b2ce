#include "shell/sim_console.h"

#include "data/data_paths.h"
#include "data/ini_value.h"
#include "data/read_only_ini.h"
#include "device/sim/hidsim.h"
#include "shell/widget.h"

#include <QAction>
#include <QList>
#include <QSocketNotifier>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

// The call log grows by a few entries per listener pass; keep it bounded
// during a long interactive session.
constexpr std::size_t kMaxLoggedCalls = 100000;
constexpr int kTrimIntervalMs = 30000;

const char *const kHelp =
    "commands: plug | unplug | change | lighting T B S D C BL0 BL1 | state | calls | "
    "clear-calls | quit | help";

qint64 steadyMs(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

QByteArray hex(const std::vector<std::uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()))
        .toHex(' ');
}

template <std::size_t N>
QByteArray numbers(const std::array<std::uint8_t, N> &values)
{
    QByteArrayList parts;
    for (std::uint8_t v : values)
        parts.append(QByteArray::number(v));
    return parts.join(',');
}

} // namespace

SimConsole::SimConsole(Widget &mainWindow) : window(mainWindow)
{
    // A background job reading its terminal would be stopped by the shell.
    const bool backgroundOfTerminal = ::isatty(STDIN_FILENO) && ::tcgetpgrp(STDIN_FILENO) != ::getpgrp();
    if (!backgroundOfTerminal) {
        input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        connect(input.get(), &QSocketNotifier::activated, this, &SimConsole::readInput);
    }
    connect(&window, &Widget::devicesChecked, this, [] {
        print("discovery at " + QByteArray::number(steadyMs(std::chrono::steady_clock::now())));
    });
    trim.setInterval(kTrimIntervalMs);
    connect(&trim, &QTimer::timeout, this, [] {
        if (hidsim::calls().size() > kMaxLoggedCalls)
            hidsim::clearCalls();
    });
    trim.start();
    print(QByteArray("simulated keyboard ready; ") + kHelp);
}

SimConsole::~SimConsole() = default;

void SimConsole::prepareKeyboard()
{
    hidsim::reset();
    hidsim::Firmware fw = hidsim::firmware();
    const DataPaths paths;
    const ReadOnlyIni factory(paths.defaultProfileFile());
    for (int m = 0; m < 128; ++m) {
        const QStringList code =
            IniValue::toTextList(factory.value(QStringLiteral("keydefine0/%1").arg(m)));
        if (code.size() < 2)
            continue;
        fw.keyMatrix[2 * m] = static_cast<std::uint8_t>(IniValue::toInt(code.at(0)));
        fw.keyMatrix[2 * m + 1] = static_cast<std::uint8_t>(IniValue::toInt(code.at(1)));
    }
    const QStringList palette = IniValue::toTextList(factory.value(QStringLiteral("color/color")));
    for (int i = 0; i < palette.size() && i < 21; ++i)
        fw.sevenColor[i] = static_cast<std::uint8_t>(IniValue::toInt(palette.at(i)) / 4);
    const QStringList led = IniValue::toTextList(factory.value(QStringLiteral("color/ledType")));
    if (led.size() == int(fw.ledType.size())) {
        for (int i = 0; i < led.size(); ++i)
            fw.ledType[i] = static_cast<std::uint8_t>(IniValue::toInt(led.at(i)));
    }
    hidsim::setFirmware(fw);
    hidsim::clearCalls();
}

void SimConsole::print(const QByteArray &text)
{
    std::fputs("sim: ", stdout);
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void SimConsole::readInput()
{
    char buffer[512];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        // End of input (or no terminal at all): the program runs on without
        // its console.
        input->setEnabled(false);
        return;
    }
    pending.append(buffer, qsizetype(got));
    qsizetype newline;
    while ((newline = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(newline).trimmed();
        pending.remove(0, newline + 1);
        execute(line);
    }
    if (pending.size() > 4096)
        pending.clear();  // not a command line
}

void SimConsole::execute(const QByteArray &line)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    const QByteArray command = words.value(0);
    if (command.isEmpty())
        return;
    if (command == "help") {
        print(kHelp);
    } else if (command == "plug" || command == "unplug" || command == "change") {
        if (command == "plug")
            hidsim::plug();
        else if (command == "unplug")
            hidsim::unplug();
        print(command + " at " + QByteArray::number(steadyMs(std::chrono::steady_clock::now())));
        window.deviceChanged();
    } else if (command == "lighting" && words.size() == 8) {
        std::vector<std::uint8_t> report(12, 0);
        for (int k = 0; k < 7; ++k)
            report[4 + k] = static_cast<std::uint8_t>(words.at(k + 1).toUInt());
        hidsim::pushEvent(report);
        print("lighting report queued");
    } else if (command == "state") {
        printState();
    } else if (command == "calls") {
        printCalls();
    } else if (command == "clear-calls") {
        hidsim::clearCalls();
        print("calls cleared");
    } else if (command == "quit") {
        print("quit through the tray menu");
        window.quitAction()->trigger();
    } else {
        print("unknown command: " + command + "; " + kHelp);
    }
}

void SimConsole::printState()
{
    const hidsim::Firmware fw = hidsim::firmware();
    print("state plugged=" + QByteArray::number(hidsim::isPlugged() ? 1 : 0)
          + " version=" + QByteArray::number(fw.version, 16)
          + " profile=" + QByteArray::number(fw.currentProfile)
          + " option=" + numbers(fw.option)
          + " sensitivity=" + QByteArray::number(fw.sensitivity)
          + " ledType=" + numbers(fw.ledType)
          + " sevenColor=" + numbers(fw.sevenColor)
          + " keyMatrix=" + numbers(fw.keyMatrix)
          + " comboMatrix=" + numbers(fw.comboMatrix)
          + " macros=" + QByteArray::number(qulonglong(fw.macros.size()))
          + " pictures=" + QByteArray::number(qulonglong(fw.pictures.size()))
          + " recovery=" + QByteArray::number(fw.recoveryWrites));
}

void SimConsole::printCalls()
{
    const std::vector<hidsim::Call> log = hidsim::calls();
    for (const hidsim::Call &c : log) {
        print("call " + QByteArray::number(steadyMs(c.time)) + ' ' + QByteArray::fromStdString(c.function)
              + " handle=" + QByteArray::number(c.handle)
              + " path=" + QByteArray::fromStdString(c.path)
              + " result=" + QByteArray::number(c.result) + " bytes=" + hex(c.bytes));
    }
    print("calls end " + QByteArray::number(qulonglong(log.size())));
}
