// The real program, started as a user would start it, against the simulated
// keyboard: the scene calls it makes, what reaches the keyboard, a lighting
// change made on the keyboard, device changes, quitting from the tray, and
// starting with no keyboard at all. Observed from outside: the program's own
// diagnostics, the simulated keyboard's console and the files it writes.
#include "program_runner.h"

#include <QSettings>
#include <QtTest>

using program::Runner;

namespace {

// Index of the first call containing all of `parts`, or -1.
int firstCall(const QStringList &calls, const QStringList &parts)
{
    for (int i = 0; i < calls.size(); ++i) {
        bool all = true;
        for (const QString &p : parts)
            all = all && calls.at(i).contains(p);
        if (all)
            return i;
    }
    return -1;
}

int sentCommand(const QStringList &calls, const char *code)
{
    return firstCall(calls, {QStringLiteral(" hid_send_feature_report "),
                             QStringLiteral("bytes=00 %1").arg(QLatin1String(code))});
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void startsAsAUserWould();
    void discoveryTraffic();
    void lightingChangeOnTheKeyboardReachesProfileAndScene();
    void burstOfDeviceChangesGivesOneDiscovery();
    void quitFromTheTrayEndsWithExitCodeZero();
    void noKeyboardAtAll();
    void realBackendWithoutKeyboard();
};

void TestProgram::startsAsAUserWould()
{
    Runner run(QStringLiteral(ZR770_SIM));
    QVERIFY(run.ready);
    QVERIFY(run.start());
    QVERIFY2(!run.waitFor("scene call: run").isEmpty(), qPrintable(run.output()));
    QCOMPARE(run.sceneCalls().mid(0, 4),
             QStringList({"setProtectUI 1", "initUI", "setProtectUI 0", "run"}));
    // The data beside the executable was found, whatever the current folder.
    const QString hardware = run.waitFor("hardware: layout");
    QVERIFY2(!hardware.isEmpty() && !hardware.endsWith(" 0 profiles"), qPrintable(run.output()));
    // Discovery ran before the window was shown, once.
    const int discovery = int(run.lines.indexOf(run.waitFor("sim: discovery at")));
    QVERIFY(discovery >= 0);
    QVERIFY(discovery < int(run.lines.indexOf(run.waitFor("scene call: setProtectUI 1"))));
    QCOMPARE(run.linesWith("sim: discovery at").size(), 1);
    // Nothing was written where the program was started from.
    QVERIFY(QDir(run.elsewhere).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    run.send("quit");
    QVERIFY(run.finish());
}

void TestProgram::discoveryTraffic()
{
    Runner run(QStringLiteral(ZR770_SIM));
    QVERIFY(run.ready);
    QVERIFY(run.start());
    QVERIFY(!run.waitFor("scene call: run").isEmpty());
    const QStringList calls = run.calls();

    // Discovery enumerates and the listener opens the event interface; the
    // firmware sync then reads the version (80H) and the active profile (A1H).
    const int enumerate = firstCall(calls, {" hid_enumerate "});
    const int listener = firstCall(calls, {" hid_open_path ", "path=sim-hidraw1"});
    const int read80 = sentCommand(calls, "80");
    const int readA1 = sentCommand(calls, "a1");
    QVERIFY2(enumerate >= 0 && listener > enumerate, qPrintable(calls.join('\n')));
    QVERIFY2(read80 > enumerate && readA1 > read80, qPrintable(calls.join('\n')));
    QCOMPARE(calls.filter(" hid_enumerate ").size(), 1);
    run.send("quit");
    QVERIFY(run.finish());
}

void TestProgram::lightingChangeOnTheKeyboardReachesProfileAndScene()
{
    Runner run(QStringLiteral(ZR770_SIM));
    QVERIFY(run.ready);
    QVERIFY(run.start());
    QVERIFY(!run.waitFor("scene call: run").isEmpty());

    const int from = int(run.lines.size());
    run.send("lighting 9 8 7 6 5 4 3");
    QVERIFY2(!run.waitFor("scene call: zzzTerlow", 10000, from).isEmpty(), qPrintable(run.output()));
    // The current profile (0) file, written back by its store on its own.
    const QString p1 = run.appDir + QStringLiteral("/modules/setting/p1.bin");
    QTRY_COMPARE_WITH_TIMEOUT(
        QSettings(p1, QSettings::IniFormat).value("color/ledType").toStringList(),
        QStringList({"9", "8", "7", "6", "5", "4", "3"}), 5000);
    run.idle(1000);
    QCOMPARE(run.linesWith("scene call: zzzTerlow", from).size(), 1);
    run.send("quit");
    QVERIFY(run.finish());
}

void TestProgram::burstOfDeviceChangesGivesOneDiscovery()
{
    Runner run(QStringLiteral(ZR770_SIM));
    QVERIFY(run.ready);
    QVERIFY(run.start());
    QVERIFY(!run.waitFor("scene call: run").isEmpty());
    run.calls();

    const int from = int(run.lines.size());
    run.send("unplug");
    run.idle(400);
    run.send("plug");
    run.idle(400);
    run.send("change");
    const QString lastChange = run.waitFor("sim: change at", 5000, from);
    QVERIFY(!lastChange.isEmpty());
    const QString discovery = run.waitFor("sim: discovery at", 5000, from);
    QVERIFY2(!discovery.isEmpty(), qPrintable(run.output()));
    const qint64 after = program::timeOf(discovery) - program::timeOf(lastChange);
    QVERIFY2(after >= 2048 && after < 2048 + 1000, qPrintable(QString::number(after)));
    run.idle(2500);
    QCOMPARE(run.linesWith("sim: discovery at", from).size(), 1);
    QCOMPARE(run.calls().filter(" hid_enumerate ").size(), 1);
    // Found again: the listener runs on the fresh paths.
    const int again = int(run.lines.size());
    run.send("lighting 1 2 3 4 5 6 7");
    QVERIFY(!run.waitFor("scene call: zzzTerlow", 10000, again).isEmpty());
    run.send("quit");
    QVERIFY(run.finish());
}

void TestProgram::quitFromTheTrayEndsWithExitCodeZero()
{
    Runner run(QStringLiteral(ZR770_SIM));
    QVERIFY(run.ready);
    QVERIFY(run.start());
    QVERIFY(!run.waitFor("scene call: run").isEmpty());
    run.send("quit");
    // The tray's action asks the scene to close; the scene's closing
    // animation closes the window, and the loop ends.
    QVERIFY(!run.waitFor("scene call: close", 5000).isEmpty());
    QVERIFY2(!run.waitFor("window closed by the scene", 10000).isEmpty(), qPrintable(run.output()));
    QVERIFY(run.finish());
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);
    QVERIFY(run.lines.indexOf(run.waitFor("scene call: close"))
            < run.lines.indexOf(run.waitFor("window closed by the scene")));
}

void TestProgram::noKeyboardAtAll()
{
    Runner run(QStringLiteral(ZR770_SIM));
    QVERIFY(run.ready);
    QVERIFY(run.start({QStringLiteral("--unplugged")}));
    QVERIFY2(!run.waitFor("scene call: run").isEmpty(), qPrintable(run.output()));
    // Nothing was found, so no report went anywhere and no listener runs.
    QStringList calls = run.calls();
    QCOMPARE(calls.filter(" hid_enumerate ").size(), 1);
    QVERIFY(calls.filter(" hid_send_feature_report ").isEmpty());
    QVERIFY(calls.filter(" hid_open_path ").isEmpty());

    // Plugged in later: found by the next discovery.
    const int from = int(run.lines.size());
    run.send("plug");
    QVERIFY(!run.waitFor("sim: discovery at", 5000, from).isEmpty());
    run.send("lighting 2 2 2 2 2 2 2");
    QVERIFY(!run.waitFor("scene call: zzzTerlow", 10000, from).isEmpty());
    run.send("quit");
    QVERIFY(run.finish());
    QCOMPARE(run.process.exitCode(), 0);
}

void TestProgram::realBackendWithoutKeyboard()
{
    // The build against hidapi on a machine without the keyboard.
    Runner run(QStringLiteral(ZR770_REAL));
    QVERIFY(run.ready);
    QVERIFY(run.start());
    QVERIFY2(!run.waitFor("scene call: run").isEmpty(), qPrintable(run.output()));
    QCOMPARE(run.sceneCalls().mid(0, 4),
             QStringList({"setProtectUI 1", "initUI", "setProtectUI 0", "run"}));
    run.process.terminate();
    QVERIFY(run.finish());
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
