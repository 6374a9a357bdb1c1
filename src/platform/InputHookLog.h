#pragma once
// The log category of the global input hooks.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcHook)
