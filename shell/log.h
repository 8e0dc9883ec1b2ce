#pragma once
#include <QLoggingCategory>

// Diagnostics of the shell layer; enable with QT_LOGGING_RULES="zr.shell.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcShell)
