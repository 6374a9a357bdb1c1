#pragma once
// The device page's log lines.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDevicePage)
