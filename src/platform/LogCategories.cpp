#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcPlatform, "zelka.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcData, "zelka.data", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHid, "zelka.hid", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLink, "zelka.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMacro, "zelka.macro", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLight, "zelka.light", QtInfoMsg)
Q_LOGGING_CATEGORY(lcAudio, "zelka.audio", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFirmware, "zelka.firmware", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "zelka.ui", QtInfoMsg)
