#pragma once
// Starts the built program as a user would: a copy of the executable beside a
// copy of the shipped runtime tree, started from another folder, with its
// console (the simulated keyboard's) on standard input and its messages
// collected line by line.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace program {

inline bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

class Runner
{
public:
    // `executable` is copied into the application folder, next to the tree.
    explicit Runner(const QString &executable)
    {
        appDir = root.path() + QStringLiteral("/app");
        elsewhere = root.path() + QStringLiteral("/elsewhere");
        runtime = root.path() + QStringLiteral("/xdg");
        QDir().mkpath(appDir);
        QDir().mkpath(elsewhere);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                           | QFileDevice::ExeOwner);
        ready = copyTree(QStringLiteral(ZR_SHIPPED_TREE), appDir);
        programPath = appDir + QLatin1Char('/') + QFileInfo(executable).fileName();
        ready = ready && QFile::copy(executable, programPath);
        QFile::setPermissions(programPath, QFile::permissions(executable));
    }

    ~Runner()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    Runner(const Runner &) = delete;
    Runner &operator=(const Runner &) = delete;

    bool start(const QStringList &arguments = {},
               const QString &platform = QStringLiteral("offscreen"))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("zr.shell.debug=true\nzr.bridge.debug=true"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(elsewhere);
        process.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&process, &QProcess::readyRead, &process, [this] { collect(); });
        clock.start();
        process.start(programPath, arguments);
        return process.waitForStarted(10000);
    }

    void send(const QByteArray &command)
    {
        process.write(command + '\n');
        process.waitForBytesWritten(1000);
    }

    // The first line after `from` that contains `text`, or an empty text
    // when none came within `timeoutMs`.
    QString waitFor(const QString &text, int timeoutMs = 15000, int from = 0)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            for (int i = from; i < lines.size(); ++i)
                if (lines.at(i).contains(text))
                    return lines.at(i);
            if (waited.elapsed() > timeoutMs || process.state() == QProcess::NotRunning)
                return QString();
            process.waitForReadyRead(50);
            collect();
        }
    }

    // Lets the program run for a while, collecting what it says.
    void idle(int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms) {
            process.waitForReadyRead(20);
            collect();
        }
    }

    QStringList linesWith(const QString &text, int from = 0) const
    {
        QStringList out;
        for (int i = from; i < lines.size(); ++i)
            if (lines.at(i).contains(text))
                out.append(lines.at(i));
        return out;
    }

    // The scene's root functions the program called, in order
    // ("setProtectUI 1", "initUI", ...).
    QStringList sceneCalls() const
    {
        QStringList out;
        static const QRegularExpression note(QStringLiteral("scene call: (.*)$"));
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = note.match(line);
            if (m.hasMatch())
                out.append(m.captured(1));
        }
        return out;
    }

    // The hidapi calls the simulated keyboard logged since the last "calls".
    QStringList calls()
    {
        const int from = int(lines.size());
        send("calls");
        waitFor(QStringLiteral("sim: calls end"), 10000, from);
        QStringList out;
        for (int i = from; i < lines.size(); ++i)
            if (lines.at(i).startsWith(QLatin1String("sim: call ")))
                out.append(lines.at(i).mid(10));
        send("clear-calls");
        waitFor(QStringLiteral("sim: calls cleared"), 5000, from);
        return out;
    }

    bool finish(int timeoutMs = 15000)
    {
        return process.waitForFinished(timeoutMs) || process.state() == QProcess::NotRunning;
    }

    QString output() const { return lines.join(QLatin1Char('\n')); }

    QTemporaryDir root;
    QString appDir;
    QString elsewhere;
    QString runtime;
    QString programPath;
    bool ready = false;
    QProcess process;
    QStringList lines;
    QElapsedTimer clock;

private:
    void collect()
    {
        while (process.canReadLine())
            lines.append(QString::fromUtf8(process.readLine()).trimmed());
    }
};

// The number at the end of "... at <ms>".
inline qint64 timeOf(const QString &line)
{
    return line.section(QLatin1Char(' '), -1).toLongLong();
}

} // namespace program
