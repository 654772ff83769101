#pragma once
// Diagnostics of the whole program go through this category
// (QT_LOGGING_RULES="mordaventa.debug=true" shows the debug lines).
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcMordaventa)
