#include "DevicePageLog.h"

Q_LOGGING_CATEGORY(lcDevicePage, "zelka.ui")
