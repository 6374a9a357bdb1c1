// SPDX-License-Identifier: GPL-3.0-or-later
#include "DKeyWithAppPage.h"
#include "ui_DKeyWithAppPage.h"

#include "DDataManager.h"
#include "DialogStartFolder.h"
#include "LogCategories.h"
#include "RecordText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString systemChooser(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

bool isExistingFile(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

}  // namespace

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DKeyWithAppPage>())
    , m_chooser(systemChooser)
{
    ui->setupUi(this);
    applyTheme();
}

DKeyWithAppPage::~DKeyWithAppPage() = default;

void DKeyWithAppPage::setFileChooser(FileChooser chooser)
{
    m_chooser = chooser ? std::move(chooser) : FileChooser(systemChooser);
}

void DKeyWithAppPage::loadCustomKeyInfo()
{
    ui->textEdit_appPath->clear();
    m_appPath.clear();
    CustomKeyInfo info;
    if (readKeyRecord(&info) && recordText(info.operateType) == "8") {
        m_appPath = QString::fromUtf8(recordText(info.Value));
        showPath(m_appPath);
    }
}

void DKeyWithAppPage::showPath(const QString &path)
{
    ui->textEdit_appPath->clear();
    ui->textEdit_appPath->setPlainText(path);
}

void DKeyWithAppPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(entryStyle(theme));
    QString button = okCancelStyle(theme);
    button.replace(QLatin1String("border-radius:8px"), QLatin1String("border-radius:0px"));
    ui->pushButton_selectAppPath->setStyleSheet(button);
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DKeyWithAppPage::retranslate()
{
    ui->retranslateUi(this);
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    const QString start = dialogStartFolder();
    const QString path = m_chooser(this, tr("Select exe"), start, QStringLiteral("App(*)"));
    if (!isExistingFile(path))
        return;
    m_appPath = QFileInfo(path).absoluteFilePath();
    showPath(m_appPath);
}

void DKeyWithAppPage::on_pushButton_OK_clicked()
{
    if (!isExistingFile(m_appPath)) {
        if (!m_appPath.isEmpty())
            qCInfo(lcUi) << "Not assigning" << m_appPath << "to key" << currentKeyCode() << ": no such file";
        return;
    }
    saveKeyRecord("8", "1", "1", m_appPath.toUtf8());
}

void DKeyWithAppPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
