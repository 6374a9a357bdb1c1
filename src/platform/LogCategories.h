// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's logging categories, declared once for every layer. Every category is on by
// default; QT_LOGGING_RULES (or a qtlogging.ini) turns one off, e.g. QT_LOGGING_RULES="zelka.hid.debug=false".
// Nothing is logged per key report or per lighting frame.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)     // "zelka.platform": notifications, autostart, timers, crash reports
Q_DECLARE_LOGGING_CATEGORY(lcData)         // "zelka.data": settings, themes, the XML store, device lists
Q_DECLARE_LOGGING_CATEGORY(lcHid)          // "zelka.hid": transport, enumeration, report ids
Q_DECLARE_LOGGING_CATEGORY(lcLink)         // "zelka.link": a device's link: opening, answers, key actions
Q_DECLARE_LOGGING_CATEGORY(lcLinkReports)  // "zelka.link.reports": one line per key report; off unless turned on
Q_DECLARE_LOGGING_CATEGORY(lcMacro)        // "zelka.macro": macro playback
Q_DECLARE_LOGGING_CATEGORY(lcLight)        // "zelka.light": lighting engines
Q_DECLARE_LOGGING_CATEGORY(lcAudio)        // "zelka.audio": loopback audio and the spectrum
Q_DECLARE_LOGGING_CATEGORY(lcAudioBlocks)  // "zelka.audio.blocks": one line per analysed block; off unless turned on
Q_DECLARE_LOGGING_CATEGORY(lcFirmware)     // "zelka.firmware": firmware update
Q_DECLARE_LOGGING_CATEGORY(lcUi)           // "zelka.ui": windows, pages, the application object
Q_DECLARE_LOGGING_CATEGORY(lcHook)         // "zelka.hook": global keyboard and mouse capture
