#include "device/pacing.h"

#include <atomic>

namespace pacing {
namespace {
std::atomic<SleepFunction> current{&platformSleep};
}

void pause(unsigned milliseconds)
{
    current.load(std::memory_order_relaxed)(milliseconds);
}

SleepFunction setSleepFunction(SleepFunction f)
{
    return current.exchange(f ? f : &platformSleep);
}

} // namespace pacing
