// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopPcActions.h"

#include "LogCategories.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace {

QGuiApplication *guiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance());
}

}  // namespace

bool DesktopPcActions::launchProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    if (!file.exists()) {
        qCDebug(lcPlatform).noquote() << "---------- *** Launch failed, no such file:" << path;
        return false;
    }
    bool started = false;
    if (file.isFile() && file.isExecutable())
        started = QProcess::startDetached(file.absoluteFilePath(), QStringList());
    else
        started = QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (!started)
        qCDebug(lcPlatform).noquote() << "---------- *** Launch failed:" << path;
    return started;
}

bool DesktopPcActions::isOwnWindowActive() const
{
    return guiApplication() && QGuiApplication::focusWindow() != nullptr;
}

bool DesktopPcActions::setClipboardText(const QString &text)
{
    if (!guiApplication()) {
        qCDebug(lcPlatform) << "---------- *** No clipboard without a GUI application";
        return false;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    return true;
}
