// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder a file dialog opens in: the user's Desktop folder where it exists, else the home
// folder (many desktops have no Desktop folder).

#include <QString>

QString dialogStartFolder();
