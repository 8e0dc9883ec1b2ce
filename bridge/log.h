#pragma once
#include <QLoggingCategory>

// Diagnostics of the bridge layer, at debug level like every category of the
// program; silence them with QT_LOGGING_RULES="zr.bridge.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcBridge)
