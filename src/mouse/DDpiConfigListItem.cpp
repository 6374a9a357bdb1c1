// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDpiConfigListItem.h"
#include "ui_DDpiConfigListItem.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"

#include <QMouseEvent>

namespace {

constexpr int kPageSelect = 0;
constexpr int kPageSniper = 1;
constexpr int kPageTwoValues = 1;
constexpr int kPageOneValue = 2;

QString labelRule(const QString &colour, const QString &font)
{
    return QStringLiteral("QLabel{color:%1;font-weight:75;font-size:8pt;font-family:\"%2\";}")
        .arg(stylesheets::colour(colour), font);
}

}  // namespace

DDpiConfigListItem::DDpiConfigListItem(int index, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DDpiConfigListItem)
    , m_index(index)
{
    ui->setupUi(this);
    ui->frame_3->hide();
    ui->checkBox_Select->setEnabled(true);
    ui->radioButton_hasSet->setEnabled(false);
    ui->stackedWidget_2->setCurrentIndex(m_index == kSniperLevel ? kPageSniper : kPageSelect);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_normalBg = QStringLiteral("0,0,0,1");
    m_hoverBg = theme.DeviceMouseDpiConfigItemHoverColor;
    m_selectedBg = theme.DeviceMouseDpiConfigItemSelectedColor;
    m_textColor = theme.TextDefaultColor;
    m_textCheckedColor = theme.TextCheckedColor;
    m_font = theme.TextFont;

    if (m_index == kSniperLevel)
        ui->label_Sniper->setStyleSheet(labelRule(m_textCheckedColor, m_font));
    for (QLabel *label : {ui->label, ui->label_X, ui->label_3, ui->label_Y, ui->label_8, ui->label_XandY})
        label->setStyleSheet(labelRule(m_textColor, m_font));
    setSelected(false);
}

DDpiConfigListItem::~DDpiConfigListItem()
{
    delete ui;
}

void DDpiConfigListItem::setDpiItemInfo(DpiItemInfo info, int usingIndex)
{
    m_info = info;
    setConfigType(info.isXY);
    ui->label_XandY->setText(QString::number(info.dpiX));
    ui->label_X->setText(QString::number(info.dpiX));
    ui->label_Y->setText(QString::number(info.dpiY));
    ui->checkBox_Select->setChecked(info.selectStatus != 0);
    ui->radioButton_hasSet->setEnabled(info.selectStatus == 1);
    ui->radioButton_hasSet->setChecked(false);
    ui->checkBox_Select->setVisible(true);
    if (info.index == usingIndex) {
        ui->checkBox_Select->hide();
        ui->radioButton_hasSet->setChecked(true);
    }
    m_colour = QColor(qBound(0, info.dpiColorR, 255), qBound(0, info.dpiColorG, 255), qBound(0, info.dpiColorB, 255));
    showColour();
}

void DDpiConfigListItem::setSelected(bool selected)
{
    QString style;
    if (selected) {
        style = labelRule(m_textCheckedColor, m_font)
                + QStringLiteral("#frame_DpiMain{background-color:%1;border-radius:5px;}")
                      .arg(stylesheets::colour(m_selectedBg));
    } else {
        style = labelRule(m_textColor, m_font)
                + QStringLiteral("#frame_DpiMain{background-color:%1;border-radius:5px;}"
                                 "#frame_DpiMain:hover{background-color:%2;border-radius:5px;}")
                      .arg(stylesheets::colour(m_normalBg), stylesheets::colour(m_hoverBg));
    }
    ui->frame_DpiMain->setStyleSheet(style);
}

void DDpiConfigListItem::setHasSet(bool hasSet)
{
    ui->radioButton_hasSet->setChecked(hasSet);
    ui->checkBox_Select->setVisible(!hasSet);
}

void DDpiConfigListItem::setConfigType(int isXY)
{
    m_info.isXY = isXY;
    m_configType = isXY;
    ui->stackedWidget->setCurrentIndex(isXY == 1 ? kPageTwoValues : kPageOneValue);
}

void DDpiConfigListItem::setValueXY(int dpi)
{
    m_info.dpiX = dpi;
    if (m_info.isXY == 0)
        m_info.dpiY = dpi;
    ui->label_XandY->setText(QString::number(dpi));
}

void DDpiConfigListItem::setValueX(int dpi)
{
    m_info.dpiX = dpi;
    ui->label_X->setText(QString::number(dpi));
}

void DDpiConfigListItem::setValueY(int dpi)
{
    m_info.dpiY = dpi;
    ui->label_Y->setText(QString::number(dpi));
}

void DDpiConfigListItem::setDpiColor(const QColor &colour)
{
    m_info.dpiColorR = colour.red();
    m_info.dpiColorG = colour.green();
    m_info.dpiColorB = colour.blue();
    m_colour = QColor(colour.red(), colour.green(), colour.blue());
    showColour();
    if (!m_colorDragging)
        emit sigDpiConfigHaveChanged();
}

void DDpiConfigListItem::setColorDragging(bool dragging)
{
    m_colorDragging = dragging;
}

void DDpiConfigListItem::retranslate()
{
    ui->retranslateUi(this);
    ui->label_XandY->setText(QString::number(m_info.dpiX));
    ui->label_X->setText(QString::number(m_info.dpiX));
    ui->label_Y->setText(QString::number(m_info.dpiY));
}

void DDpiConfigListItem::clickItem()
{
    emit sigDpiConfigItemMouseClicked(m_info.index);
}

void DDpiConfigListItem::setToMouse()
{
    emit sigDpiConfigSetToMouse();
}

void DDpiConfigListItem::notifyChanged()
{
    emit sigDpiConfigHaveChanged();
}

void DDpiConfigListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigDpiConfigItemMouseClicked(m_index);
    event->accept();
}

void DDpiConfigListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void DDpiConfigListItem::on_checkBox_Select_clicked()
{
    if (ui->checkBox_Select->isChecked()) {
        m_info.selectStatus = 1;
        ui->radioButton_hasSet->setEnabled(true);
    } else {
        m_info.selectStatus = 0;
        ui->radioButton_hasSet->setEnabled(false);
        ui->radioButton_hasSet->setChecked(false);
    }
    emit sigDpiConfigHaveChanged();
}

void DDpiConfigListItem::on_radioButton_hasSet_clicked()
{
    emit sigDpiConfigSetToMouse();
}

void DDpiConfigListItem::showColour()
{
    ui->frame_DpiColor->setStyleSheet(
        QStringLiteral("#frame_DpiColor{border-radius:3px;background-color:rgb(%1,%2,%3);}")
            .arg(m_colour.red())
            .arg(m_colour.green())
            .arg(m_colour.blue()));
}
