#include "shell/Logging.h"

Q_LOGGING_CATEGORY(lcMordaventa, "mordaventa", QtInfoMsg)
