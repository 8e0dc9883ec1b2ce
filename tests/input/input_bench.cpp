// Cost of one global key event, from the raw event (an X keycode, or the
// scan code and flags a Windows hook receives) to the queued call of the
// scene's detectKeyboard, and the number of allocations on the way.
//
//   build-*/bin/input_bench [events per run, default 200000]
#include "shell/input/input_hooks.h"
#include "shell/input/view_input_receiver.h"
#include "shell/input/x11_raw_input.h"
#include "tests/input/stand_in_view.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {
unsigned long s_allocations = 0;
} // namespace

void *operator new(std::size_t size)
{
    ++s_allocations;
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

using Clock = std::chrono::steady_clock;

class IdleSource final : public InputBackend
{
};

std::unique_ptr<InputBackend> openIdle(InputHooks &)
{
    return std::make_unique<IdleSource>();
}

// 64 X keycodes of keys that have usage codes (A to Z, digits, F keys,
// modifiers, keypad, navigation): every event changes a key's state when
// they are pressed in turn and released in turn.
std::vector<unsigned> reportedKeycodes()
{
    std::vector<unsigned> codes;
    for (unsigned keycode = 9; keycode < 256 && codes.size() < 64; ++keycode) {
        const SetOneScanCode key = scanCodeForX11Keycode(keycode);
        if (key.scan != 0)
            codes.push_back(keycode);
    }
    return codes;
}

struct Figures
{
    double nsPerEvent;
    double allocationsPerEvent;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

unsigned long s_reported = 0;
void countKey(std::uint8_t, bool, void *)
{
    ++s_reported;
}

// Runs `events` key events through `deliver`; `drain` runs every `batch`
// events outside the timing (the queued calls waiting for the event loop).
template <class Deliver, class Drain>
Figures run(const std::vector<unsigned> &codes, int events, int batch, Deliver deliver, Drain drain)
{
    const int perKeySweep = static_cast<int>(codes.size());
    Clock::duration busy{};
    unsigned long allocations = 0;
    for (int done = 0; done < events;) {
        const int n = std::min(batch, events - done);
        const unsigned long before = s_allocations;
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < n; ++i) {
            const int k = done + i;
            const bool isDown = (k / perKeySweep) % 2 == 0;
            deliver(codes[static_cast<std::size_t>(k % perKeySweep)], isDown);
        }
        busy += Clock::now() - start;
        allocations += s_allocations - before;
        done += n;
        drain();
    }
    const double ns = std::chrono::duration<double, std::nano>(busy).count();
    return {ns / events, static_cast<double>(allocations) / events};
}

void report(const char *what, const std::vector<Figures> &runs)
{
    std::vector<double> ns;
    std::vector<double> allocs;
    for (const Figures &f : runs) {
        ns.push_back(f.nsPerEvent);
        allocs.push_back(f.allocationsPerEvent);
    }
    std::printf("%-58s %9.1f ns/event (best %.1f)  %5.2f allocations/event\n", what, median(ns),
                *std::min_element(ns.begin(), ns.end()), median(allocs));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kRuns = 7;
    constexpr int kBatch = 1000;
    const std::vector<unsigned> codes = reportedKeycodes();
    // Whole press-and-release sweeps, so every run starts with all keys up
    // and every event is a change that gets reported.
    const int sweep = 2 * static_cast<int>(codes.size());
    const int wanted = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 200000;
    const int events = (wanted + sweep - 1) / sweep * sweep;

    InputHooks hooks;
    hooks.install(true, openIdle);
    std::array<std::uint32_t, 256> scans{};
    std::array<std::uint32_t, 256> flags{};
    for (unsigned code : codes) {
        const SetOneScanCode key = scanCodeForX11Keycode(code);
        scans[code] = key.scan;
        flags[code] = flagsOf(key);
    }
    auto nothing = [] {};

    std::printf("input_bench: %d key events per run, %d runs, %zu keys\n", events, kRuns, codes.size());

    // 1. Translation and de-duplication only, as a Windows hook runs them.
    hooks.setKeyboardCallback(countKey, nullptr);
    s_reported = 0;
    std::vector<Figures> windowsPath;
    for (int r = 0; r < kRuns; ++r)
        windowsPath.push_back(run(codes, events, kBatch, [&](unsigned code, bool isDown) {
            hooks.keyEvent(scans[code], flags[code], isDown);
        }, nothing));
    report("scan code + flags -> usage -> callback", windowsPath);
    const bool allReported = s_reported == static_cast<unsigned long>(events) * kRuns;

    // 2. The same from an X raw keycode.
    std::vector<Figures> x11Path;
    for (int r = 0; r < kRuns; ++r)
        x11Path.push_back(run(codes, events, kBatch, [&](unsigned code, bool isDown) {
            X11RawInput::deliverKey(hooks, code, isDown);
        }, nothing));
    report("X keycode -> usage -> callback", x11Path);

    // 3. All the way to the posted detectKeyboard call of the scene.
    StandInScene scene;
    StandInView view(&scene);
    ViewInputReceiver<StandInView> receiver(&view);
    attachInputReceiver(hooks, &receiver);
    int delivered = 0;
    std::vector<Figures> posted;
    Clock::duration deliveryTime{};
    for (int r = 0; r < kRuns; ++r) {
        posted.push_back(run(codes, events, kBatch, [&](unsigned code, bool isDown) {
            X11RawInput::deliverKey(hooks, code, isDown);
        }, [&] {
            const Clock::time_point start = Clock::now();
            QCoreApplication::processEvents();
            deliveryTime += Clock::now() - start;
            delivered += static_cast<int>(scene.calls.size());
            scene.calls.clear();
        }));
    }
    report("X keycode -> ... -> queued detectKeyboard posted", posted);
    std::printf("%-58s %9.1f ns/event (mean, the scene stand-in formats a string)\n",
                "queued call delivered by the event loop",
                std::chrono::duration<double, std::nano>(deliveryTime).count() / delivered);

    const bool allArrived = delivered == events * kRuns;
    std::printf("calls delivered: %d of %d%s\n", delivered, events * kRuns, allArrived ? "" : "  MISSING");
    if (!allReported)
        std::printf("callback reports: %lu of %d  MISSING\n", s_reported, events * kRuns);
    return allArrived && allReported ? 0 : 1;
}
