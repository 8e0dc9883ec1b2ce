#include "device/log.h"

Q_LOGGING_CATEGORY(lcDevice, "zr.device")
Q_LOGGING_CATEGORY(lcDeviceTraffic, "zr.device.traffic", QtWarningMsg)
