#pragma once
// A temporary ./modules tree, the simulated keyboard found by discovery, and
// a view wired to the worker as the main window wires them.
#include "bridge/my_qquick_view.h"
#include "bridge/user_dialogs.h"
#include "device/discovery.h"
#include "device/hid_thread.h"
#include "device/sim/hidsim.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace fixture {

// Limits and a small layout in group [2]; the profile files p1..p3.
inline const char *const kHwDef =
    "[common]\n"
    "kbLayoutType=2\n"
    "maxMacro=4\n"
    "maxProfile=3\n"
    "[2]\n"
    "total_HW=2\n"
    "total_FW=128\n"
    "1=10, 20, 1, Esc, 0, 41\n"
    "2=30, 20, 1, F1, 1, 58\n";

// Three usable pairs (the fourth name has no code); "A" listed twice.
inline const char *const kKeyCodeDef =
    "[common]\n"
    "usbStr=A, B, A, C\n"
    "usbCode=4, 5, 6\n";

inline void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the file dialogs from a script and records what they were asked.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Asked
    {
        QString kind, caption, folder, filter;
    };
    QString answer;
    QList<Asked> asked;
    QList<QPair<QString, QString>> warnings;

    QString openFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        asked.append({QStringLiteral("open"), caption, folder, filter});
        return answer;
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        asked.append({QStringLiteral("save"), caption, folder, filter});
        return answer;
    }
    void warn(const QString &title, const QString &text) override
    {
        warnings.append({title, text});
    }
};

// One test's world: run from a fresh folder holding ./modules.
class World
{
public:
    explicit World(const char *hwDef = kHwDef, const char *keyCodeDef = kKeyCodeDef)
    {
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        if (hwDef)
            writeFile(setting("HWDef.bin"), hwDef);
        if (keyCodeDef)
            writeFile(setting("KeyCodeDef.bin"), keyCodeDef);
        QDir().mkpath(QStringLiteral("modules/macro"));
        hidsim::reset();
    }

    ~World()
    {
        view.reset();
        worker.reset();
        QDir::setCurrent(previous);
    }

    World(const World &) = delete;
    World &operator=(const World &) = delete;

    static QString setting(const QString &name) { return QStringLiteral("modules/setting/") + name; }

    // Builds the worker and the view and runs discovery and the firmware
    // sync, as the main window does at start-up.
    myQQuickView &start(bool discover = true)
    {
        worker = std::make_unique<Hid_Thread>();
        view = std::make_unique<myQQuickView>();
        view->setWorker(worker.get());
        worker->setOwner(view.get());
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        view->setDialogs(std::move(scripted));
        if (discover) {
            discoverDevices(*worker, view->productNames());
            view->syncFW();
        }
        hidsim::clearCalls();
        return *view;
    }

    // Writes pending profile changes and reads profile `n` (1-based) back
    // from its file.
    QVariant storedInFile(int n, const QString &key)
    {
        if (QSettings *s = view->currentProfileStore())
            s->sync();
        QSettings file(setting(QStringLiteral("p%1.bin").arg(n)), QSettings::IniFormat);
        return file.value(key);
    }

    QTemporaryDir dir;
    QString previous;
    std::unique_ptr<Hid_Thread> worker;
    std::unique_ptr<myQQuickView> view;
    ScriptedDialogs *dialogs = nullptr;
};

// The command codes the program sent, in order (feature reports only).
inline QList<int> sentCommands()
{
    QList<int> codes;
    for (const hidsim::Call &c : hidsim::calls())
        if (c.function == "hid_send_feature_report" && c.bytes.size() > 1)
            codes.append(c.bytes[1]);
    return codes;
}

// The feature reports of one command, in order.
inline QList<std::vector<std::uint8_t>> reportsOf(int code)
{
    QList<std::vector<std::uint8_t>> out;
    for (const hidsim::Call &c : hidsim::calls())
        if (c.function == "hid_send_feature_report" && c.bytes.size() > 1 && c.bytes[1] == code)
            out.append(c.bytes);
    return out;
}

inline QVariantList ints(std::initializer_list<int> values)
{
    QVariantList out;
    for (int v : values)
        out.append(v);
    return out;
}

inline QList<int> toInts(const QVariantList &list)
{
    QList<int> out;
    for (const QVariant &v : list)
        out.append(v.toInt());
    return out;
}

// Waits until every write handed to the pool has reached the keyboard: a
// read takes the link only once the last write has given it back.
inline void settle(Hid_Thread &worker)
{
    uchar sensitivity = 0;
    worker.hid_84H_GetButtonSensitivity(sensitivity);
}

} // namespace fixture
