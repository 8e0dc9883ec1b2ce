#pragma once
#include <QLoggingCategory>

// Failures of the device link ("cmd Failed 21", "Device removed") go to
// zr.device at debug level. Every report sent to or read from the keyboard can
// be dumped through zr.device.traffic, which is off by default:
//   QT_LOGGING_RULES="zr.device.traffic.debug=true"
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcDeviceTraffic)
