#pragma once
#include <QLoggingCategory>

// Notes about the global input source (opened, missing, lost), never about
// keys or buttons; enable with QT_LOGGING_RULES="zr.shell.input.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcInput)
