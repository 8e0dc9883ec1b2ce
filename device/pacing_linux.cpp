#include "device/pacing.h"

#include <cerrno>
#include <ctime>

void pacing::platformSleep(unsigned milliseconds)
{
    timespec left{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    // A signal must not shorten the pause between two reports.
    while (nanosleep(&left, &left) == -1 && errno == EINTR) {
    }
}
