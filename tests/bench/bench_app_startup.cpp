// Starts the program and a minimal frameless QQuickWidget window in turn,
// several times each, and prints the medians and their ratio for the time to
// the first frame shown and for the peak memory (VmHWM) one second after it.
// Usage: bench_app_startup [runs]   (run under a display, see run_app_bench.sh)
#include "../shell/program_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <signal.h>

namespace {

struct Sample
{
    double firstFrameMs = -1;
    double peakMiB = -1;
};

double peakMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression hwm(QStringLiteral("^VmHWM:\\s+(\\d+) kB"),
                                        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = hwm.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : -1;
}

Sample runOnce(const QString &executable)
{
    program::Runner run(executable);
    Sample s;
    if (!run.ready || !run.start({}, qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"))))
        return s;
    const QString line = run.waitFor(QStringLiteral("first frame shown after"), 30000);
    if (line.isEmpty())
        return s;
    // Time from the start of the process as seen from outside.
    s.firstFrameMs = double(run.clock.elapsed());
    run.idle(1000);
    s.peakMiB = peakMiB(run.process.processId());
    ::kill(pid_t(run.process.processId()), SIGTERM);
    run.finish(5000);
    return s;
}

double median(QList<double> values)
{
    values.removeIf([](double v) { return v < 0; });
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QString programs[2] = {QStringLiteral(ZR770_REAL), QStringLiteral(ZR_MINIMAL_WINDOW)};
    QList<double> frame[2];
    QList<double> memory[2];
    for (int r = 0; r < runs; ++r) {
        for (int p = 0; p < 2; ++p) {  // in turn
            const Sample s = runOnce(programs[p]);
            frame[p].append(s.firstFrameMs);
            memory[p].append(s.peakMiB);
            std::printf("run %d %-16s first frame %7.1f ms  peak %6.1f MiB\n", r + 1,
                        p == 0 ? "zr770" : "minimal window", s.firstFrameMs, s.peakMiB);
            std::fflush(stdout);
        }
    }
    const double f0 = median(frame[0]), f1 = median(frame[1]);
    const double m0 = median(memory[0]), m1 = median(memory[1]);
    std::printf("\nmedian of %d runs      first frame      peak memory\n", runs);
    std::printf("zr770                  %7.1f ms       %6.1f MiB\n", f0, m0);
    std::printf("minimal window         %7.1f ms       %6.1f MiB\n", f1, m1);
    std::printf("ratio                  %7.2f          %6.2f\n", f1 > 0 ? f0 / f1 : -1,
                m1 > 0 ? m0 / m1 : -1);
    return f0 > 0 && f1 > 0 ? 0 : 1;
}
