#include "InputHookLog.h"

Q_LOGGING_CATEGORY(lcHook, "zelka.hook")
