#include "bridge/log.h"

Q_LOGGING_CATEGORY(lcBridge, "zr.bridge")
