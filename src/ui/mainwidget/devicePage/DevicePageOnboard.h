// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board editor's bodies on the device page: the layer files of the current configuration
// (through OnboardConfigFiles), the layout templates, the layer switch and the texts of the
// on-board view's keys. The page keeps the names and forwards here.

#include "OnboardConfigFiles.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DDevicePage;
class DKeyAssignPage;
class OnboardDownload;
class QWidget;

class DevicePageOnboard : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageOnboard(DDevicePage *page);

    // The files of the current device, its model and the store, as the page holds them now.
    OnboardConfigFiles &files();

    bool createOnboardConfig(int index);
    bool deleteOnboardConfig(int index);
    void applyOnboardLayoutTemplate(int layout);
    void updateOnboardKeyboard();
    void onCurIndexChangedOn_board(int selIndex);

    // The download of the current configuration into the keyboard; a second start is refused.
    void startDownload();
    bool isDownloading() const;
    // Ends a running download as failed (the current device changes or leaves).
    void abortDownload();
    void restoreFactorySettings();
    void saveName();
    void cancelName();
    void setFn1Key();
    void openMenu(bool layoutMenu);

    // Yes/No questions titled "Tip"; replaceable for tests.
    using Asker = std::function<bool(const QString &text)>;
    void setAsker(const Asker &asker) { m_ask = asker; }
    bool ask(const QString &text) const;
    // The eleven key-assignment pages.
    QList<DKeyAssignPage *> keyPages() const;

private:
    void setControlsEnabled(bool enabled);
    void onDownloadFinished(bool ok);

    DDevicePage *p;
    OnboardConfigFiles m_files;
    OnboardDownload *m_download = nullptr;
    QMetaObject::Connection m_answerConnection;
    Asker m_ask;
};
