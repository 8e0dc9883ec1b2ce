#pragma once
// A private Xvfb for one test: it picks a free display number itself
// (-displayfd), so tests running side by side never share a server.
#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>

class XvfbServer
{
public:
    ~XvfbServer() { stop(); }

    // Starts the server; false with the reason in `why` when it cannot.
    bool start(QString *why)
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty()) {
            *why = QStringLiteral("Xvfb is not installed");
            return false;
        }
        process_.setProgram(program);
        process_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                               QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("1024x768x24")});
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start();
        if (!process_.waitForStarted(5000)) {
            *why = QStringLiteral("Xvfb did not start: ") + process_.errorString();
            return false;
        }
        QByteArray number;
        while (!number.endsWith('\n') && process_.waitForReadyRead(10000))
            number += process_.readAllStandardOutput();
        number = number.trimmed();
        if (number.isEmpty()) {
            *why = QStringLiteral("Xvfb gave no display number");
            stop();
            return false;
        }
        display_ = ':' + number;
        return true;
    }

    void stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    QByteArray display() const { return display_; }

private:
    QProcess process_;
    QByteArray display_;
};
