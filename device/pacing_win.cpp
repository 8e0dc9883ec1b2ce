#include "device/pacing.h"

#include <windows.h>

void pacing::platformSleep(unsigned milliseconds)
{
    Sleep(milliseconds);
}
