// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the resource object library non-empty while no .qrc file exists yet.
namespace zelka {
int resourcesAnchor = 0;
}
