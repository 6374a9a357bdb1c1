// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcPlatform, "zelka.platform")
Q_LOGGING_CATEGORY(lcData, "zelka.data")
Q_LOGGING_CATEGORY(lcHid, "zelka.hid")
Q_LOGGING_CATEGORY(lcLink, "zelka.link")
Q_LOGGING_CATEGORY(lcLinkReports, "zelka.link.reports", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMacro, "zelka.macro")
Q_LOGGING_CATEGORY(lcLight, "zelka.light")
Q_LOGGING_CATEGORY(lcAudio, "zelka.audio")
Q_LOGGING_CATEGORY(lcAudioBlocks, "zelka.audio.blocks", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFirmware, "zelka.firmware")
Q_LOGGING_CATEGORY(lcUi, "zelka.ui")
Q_LOGGING_CATEGORY(lcHook, "zelka.hook")
