#pragma once
#include <QLoggingCategory>

// Diagnostics of the bridge layer; enable with QT_LOGGING_RULES="zr.bridge.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcBridge)
