#pragma once
#include <QLoggingCategory>

// Diagnostics of the data layer; enable with QT_LOGGING_RULES="zr.data.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcData)
