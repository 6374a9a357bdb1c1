#pragma once
// The log category of the lighting editor's controls.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLightEdit)
