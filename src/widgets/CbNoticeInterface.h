// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

// A short message shown to the user for a moment.
class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface() = default;

    // Shows the last text again at the stored centre.
    virtual void showAgain() = 0;
    // Shows a new text centred on the stored centre.
    virtual void showText(QString text) = 0;
    // Shows a new text centred on the given point, or on the stored centre when the point is (0, 0).
    virtual void showTextAt(QString text, QPoint centre) = 0;
};
