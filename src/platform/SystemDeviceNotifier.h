// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's device notifier, chosen here so that the notifier interface knows none of its
// implementations.

class DeviceNotifier;
class QObject;

// The system's notifier, a child of parent. Never null: without a udev monitor (a container,
// a sandbox) the notifier is inactive, says so in the debug output, and the program goes on.
DeviceNotifier *createSystemDeviceNotifier(QObject *parent);
