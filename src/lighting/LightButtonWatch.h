// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells an engine when a preview button it was handed is deleted, so that it forgets the button
// before its next tick. The buttons are widgets of a later layer that the engine sees through its
// interfaces; a button that is also a QObject is watched through its destroyed() signal. A new
// hand-over drops the watch of the earlier buttons.

#include <QObject>
#include <QPointer>

class LightButtonWatch : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Watches `buttons` (a list of interface pointers, null entries allowed) in place of the earlier
    // ones; `gone` runs with the interface pointer of each one deleted.
    template <class Buttons, class Gone>
    void watch(const Buttons &buttons, Gone gone)
    {
        delete m_context.data();
        m_context = new QObject(this);
        for (auto *button : buttons) {
            if (auto *object = dynamic_cast<QObject *>(button))
                connect(object, &QObject::destroyed, m_context, [gone, button] { gone(button); });
        }
    }

private:
    QPointer<QObject> m_context;
};
