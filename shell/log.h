#pragma once
#include <QLoggingCategory>

// Diagnostics of the shell layer, at debug level like every category of the
// program; silence them with QT_LOGGING_RULES="zr.shell.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcShell)
