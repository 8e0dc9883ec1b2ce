// Host-side cost of one command against the simulated keyboard, with the
// transport's pacing pauses switched off. Run by hand:
//   build/tests/device/bench_device [iterations]
#include "device/hid_thread.h"
#include "device/pacing.h"
#include "device/sim/hidsim.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

void noPause(unsigned) {}

double microsecondsPer(int iterations, const std::function<void()> &op)
{
    for (int i = 0; i < iterations / 10 + 1; ++i)
        op();  // warm up
    hidsim::clearCalls();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < iterations; ++i) {
        op();
        if ((i & 1023) == 0)
            hidsim::clearCalls();  // keep the simulator's log from growing without bound
    }
    return double(t.nsecsElapsed()) / 1000.0 / iterations;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;
    pacing::setSleepFunction(&noPause);

    Hid_Thread worker;
    worker.updateDevices({CatalogEntry{hidsim::kVendorId, hidsim::kProductId, 0xFF01, 1, 0xFF02, 1, {}, 64}});
    std::vector<uchar> block(128, 0x42);

    std::printf("host-side cost per command, %d iterations, pacing pauses excluded\n", iterations);
    std::printf("  read without data (A1H):         %8.2f us\n", microsecondsPer(iterations, [&] {
        uchar p = 0;
        worker.hid_A1H_GetCurrentProfile(p);
    }));
    std::printf("  read with 128 bytes (8CH):       %8.2f us\n",
                microsecondsPer(iterations, [&] { worker.hid_8CH_GetKeyMatrix_1(block.data()); }));
    std::printf("  write with 128 bytes (0CH):      %8.2f us  (issued and completed on the pool)\n",
                microsecondsPer(iterations, [&] {
                    worker.hid_0CH_SetKeyMatrix_1(block.data());
                    worker.waitForWrites();
                }));
    Hid_Thread idle;  // no device: the transfer gives the link straight back
    std::printf("  take and give back the link:     %8.3f us\n", microsecondsPer(iterations, [&] {
        idle.acquireLink();
        idle.sendCommand(0);
    }));
    return 0;
}
