#include "data/log.h"

Q_LOGGING_CATEGORY(lcData, "zr.data")
