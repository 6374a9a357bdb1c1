#include "LightLog.h"

Q_LOGGING_CATEGORY(lcLight, "zelka.light")
