// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A key button of the keyboard view, as the device link sees it: its place in the
// 6 by 22 key matrix, which the reactive lighting is given for a key press.
class KeyButtonInterface
{
public:
    virtual ~KeyButtonInterface() = default;

    virtual int getRow() const = 0;     // 0 to 5
    virtual int getColumn() const = 0;  // 0 to 21
};
