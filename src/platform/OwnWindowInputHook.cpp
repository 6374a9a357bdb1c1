#include "OwnWindowInputHook.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

constexpr int kKeyCodeOffset = 8;  // native scan codes are X key codes: the kernel's plus 8

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::MiddleButton:
        return 2;
    case Qt::RightButton:
        return 3;
    case Qt::BackButton:
        return 8;
    case Qt::ForwardButton:
        return 9;
    default:
        return 0;
    }
}

}  // namespace

OwnWindowInputHook::OwnWindowInputHook(const QString &reason, QObject *parent)
    : InputHook(parent)
    , m_reason(reason)
{
}

OwnWindowInputHook::~OwnWindowInputHook()
{
    stop();
}

InputHook::Status OwnWindowInputHook::start(quintptr)
{
    if (m_running)
        return Status::Limited;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        qCWarning(lcHook) << "Input hook not started: no application object";
        return Status::Failed;
    }
    app->installEventFilter(this);
    m_running = true;
    qCInfo(lcHook) << "Input hook limited to our own windows:" << m_reason;
    return Status::Limited;
}

void OwnWindowInputHook::stop()
{
    if (!m_running)
        return;
    m_running = false;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool OwnWindowInputHook::isRunning() const
{
    return m_running;
}

QString OwnWindowInputHook::startReason() const
{
    return m_reason;
}

bool OwnWindowInputHook::eventFilter(QObject *watched, QEvent *event)
{
    // An input event is handed to its window first and then, as a copy, to the widget inside:
    // only the window's delivery is read, and a key eaten there reaches no widget.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!watched->isWindowType())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat()) {
            const int code = int(key->nativeScanCode()) - kKeyCodeOffset;
            emit keyEvent(code, event->type() == QEvent::KeyPress, quint32(key->timestamp()));
        }
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        if (!watched->isWindowType())
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int button = buttonNumber(mouse->button());
        if (button) {
            const QPoint at = mouse->globalPos();
            emit buttonEvent(button, event->type() == QEvent::MouseButtonPress, at.x(), at.y(),
                             quint32(mouse->timestamp()));
        }
        return false;
    }
    case QEvent::Wheel: {
        if (!watched->isWindowType())
            return false;
        auto *wheel = static_cast<QWheelEvent *>(event);
        const int dy = wheel->angleDelta().y();
        if (dy != 0) {
            const QPoint at = wheel->globalPosition().toPoint();
            emit buttonEvent(dy > 0 ? 4 : 5, true, at.x(), at.y(), quint32(wheel->timestamp()));
        }
        return false;
    }
    default:
        return false;
    }
}
