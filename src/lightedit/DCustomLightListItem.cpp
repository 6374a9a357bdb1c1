// SPDX-License-Identifier: GPL-3.0-or-later
#include "DCustomLightListItem.h"
#include "ui_DCustomLightListItem.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "ThemeStyleSheets.h"
#include "Utf8LengthValidator.h"
#include "xmlInterface.h"

#include <QMouseEvent>
#include <QStringList>

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCustomLightListItem>())
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    // A name is shown as the text it is, never as markup.
    ui->label_CustomItemName->setTextFormat(Qt::PlainText);
    ui->lineEdit_CustomItemName->setValidator(new Utf8LengthValidator(MaxNameBytes, ui->lineEdit_CustomItemName));
    readTheme();
    applyLook();
}

DCustomLightListItem::~DCustomLightListItem() = default;

void DCustomLightListItem::setProfileXml(const char *profilePath, xmlInterface *xml)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
}

void DCustomLightListItem::setCustomLightInfo(CustomLightItemInfo info)
{
    m_info = info;
    ui->checkBox->setChecked(info.isUsing == QLatin1String("Using"));
    ui->label_CustomItemName->setText(info.name);
}

void DCustomLightListItem::setSelected(bool selected)
{
    m_selected = selected;
    applyLook();
}

void DCustomLightListItem::setUsingStatus(bool isUsing)
{
    ui->checkBox->setChecked(isUsing);
}

void DCustomLightListItem::setIsUsing(QString isUsing)
{
    m_info.isUsing = isUsing;
}

void DCustomLightListItem::setUsingFlagIndex(int usingFlagIndex)
{
    m_info.usingFlagIndex = usingFlagIndex;
}

void DCustomLightListItem::applyTheme()
{
    readTheme();
    applyLook();
}

void DCustomLightListItem::readTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_borderColor = theme.DeviceBorderColor;
    m_bgColor = QStringLiteral("0,0,0,1");
    m_hoverColor = theme.DeviceLeftAreaItemHoverColor;
    m_textColor = theme.DeviceLeftAreaItemTextDefaultColor;
    m_selectedTextColor = theme.DeviceLeftAreaItemTextSelectedColor;
    m_fontFamily = theme.TextFont;
    m_editTextColor = theme.TextDefaultColor;
    m_editBgColor = theme.DeviceCenterBgColor;
    m_editHoverColor = theme.TextCheckedColor;
}

void DCustomLightListItem::applyLook()
{
    if (m_selected) {
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{border: none; border-bottom: 1px solid %1;}"
                                                  "QFrame#frame_5{background-color: %2;}")
                                       .arg(stylesheets::colour(m_borderColor), stylesheets::colour(m_hoverColor)));
    } else {
        ui->frame_5->setStyleSheet(
            QStringLiteral("QFrame#frame_5{border: none; border-bottom: 1px solid %1; background-color: %2;}"
                           "QFrame#frame_5:hover{background-color: %3;}")
                .arg(stylesheets::colour(m_borderColor), stylesheets::colour(m_bgColor),
                     stylesheets::colour(m_hoverColor)));
    }
    ui->label_CustomItemName->setStyleSheet(
        QStringLiteral("QLabel#label_CustomItemName{color: %1; font: 75 9pt \"%2\";}")
            .arg(stylesheets::colour(m_selected ? m_selectedTextColor : m_textColor), m_fontFamily));
    ui->lineEdit_CustomItemName->setStyleSheet(
        QStringLiteral("QLineEdit{color: %1; font: 75 9pt \"%5\"; background-color: %2; border: 1px solid %3;}"
                       "QLineEdit:hover{border: 1px solid %4;}"
                       "QLineEdit:pressed{border: 1px solid %4;}")
            .arg(stylesheets::colour(m_editTextColor), stylesheets::colour(m_editBgColor),
                 stylesheets::colour(m_borderColor), stylesheets::colour(m_editHoverColor), m_fontFamily));
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigCustomLightItemMouseClicked(m_info.index, m_info.name);
    QWidget::mousePressEvent(event);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    ui->lineEdit_CustomItemName->setText(m_info.name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
    QWidget::mouseDoubleClickEvent(event);
}

void DCustomLightListItem::on_checkBox_clicked()
{
    emit sigCustomLightUsingStatus(ui->checkBox->isChecked());
    ui->checkBox->clearFocus();
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString name = ui->lineEdit_CustomItemName->text();
    if (name.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    const QByteArray utf8 = name.toUtf8();
    bool written = false;
    if (!m_xml || m_profilePath.isEmpty()) {
        qCWarning(lcUi) << "Custom lighting" << m_info.index << "not renamed: no profile yet";
    } else if (utf8.size() > MaxNameBytes) {
        qCWarning(lcUi) << "Custom lighting" << m_info.index << "not renamed: the name is longer than" << MaxNameBytes
                        << "bytes";
    } else {
        written = m_xml->renameCustomLed(m_profilePath.constData(), m_info.profileIndex.toLatin1().constData(),
                                         m_info.index.toLatin1().constData(), utf8.constData());
        if (!written)
            qCWarning(lcUi) << "Custom lighting" << m_info.index << "of profile" << m_info.profileIndex
                            << "not renamed in" << m_profilePath;
    }
    if (!written) {
        emit sigModifyCustomLightItemNameFailed();
        return;
    }
    ui->label_CustomItemName->setText(name);
    m_info.name = name;
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
