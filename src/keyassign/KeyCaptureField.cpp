// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCaptureField.h"

#include "LogCategories.h"
#include "WindowsHookInterface.h"

#include <QEvent>
#include <QLineEdit>

KeyCaptureField::KeyCaptureField(QLineEdit *field, int mode, QObject *parent)
    : QObject(parent)
    , m_field(field)
    , m_hook(new WindowsHookInterface(this))
    , m_mode(mode)
{
    m_field->installEventFilter(this);
}

KeyCaptureField::~KeyCaptureField()
{
    if (m_capturing)
        m_hook->stopHook();
}

bool KeyCaptureField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        begin();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        end();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
        // Keys are entered through the capture only; the text is the page's.
        event->accept();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyCaptureField::begin()
{
    if (m_capturing)
        return;
    m_capturing = true;
    emit focusChanged(true);
    if (m_hook->startHook(m_mode) != 1)
        qCWarning(lcUi) << "Key entry without the global key capture:" << WindowsHookInterface::startReason();
}

void KeyCaptureField::end()
{
    if (!m_capturing)
        return;
    m_capturing = false;
    m_hook->stopHook();
    emit focusChanged(false);
}
