#include "LightEditLog.h"

Q_LOGGING_CATEGORY(lcLightEdit, "zelka.ui")
