#include "shell/input/input_log.h"

Q_LOGGING_CATEGORY(lcInput, "zr.shell.input")
