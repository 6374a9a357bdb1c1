// SPDX-License-Identifier: GPL-3.0-or-later
#include "DHomePage.h"
#include "ui_DHomePage.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DHomeDeviceListWidget.h"
#include "LogCategories.h"
#include "QRcodeShowTool.h"
#include "ThemeStyleSheets.h"

#include <QDesktopServices>
#include <QSettings>
#include <QUrl>

namespace {

const QString kDefaultConfigPath = QStringLiteral(":/images/configDir/BrivexDefaultConfig.ini");

// Built-in addresses, used until the default configuration names others.
const QString kDefaultWebUrl = QStringLiteral("https://www.example.com/");
const QString kDefaultFirstMarketUrl = QStringLiteral("https://market-one.example.com/");
const QString kDefaultSecondMarketUrl = QStringLiteral("https://market-two.example.com/");

// The vertical scroll bar of the card area, with the colour of the page behind it.
QString scrollBarStyle(const QString &pageColor)
{
    return QStringLiteral("QScrollBar:vertical{ background: transparent; width: 3px; margin: 3px 0px 3px 0px; }\n"
                          "QScrollBar::handle:vertical{ background: rgba(0, 0, 0, 20%); min-height: 20px; "
                          "border-radius: 1px; }\n"
                          "QScrollBar::handle:vertical:hover{ background: rgba(0, 0, 0, 30% ); }\n"
                          "QScrollBar::add-line:vertical{ height: 0px; }\n"
                          "QScrollBar::sub-line:vertical{ height: 0px; }\n"
                          "QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical{ background: %1; "
                          "border-radius: 3px; }")
        .arg(pageColor);
}

}  // namespace

DHomePage::DHomePage(QWidget *parent)
    : DHomePage(kDefaultConfigPath, parent)
{
}

DHomePage::DHomePage(const QString &defaultConfigPath, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DHomePage>())
    , webUrl(kDefaultWebUrl)
    , jdUrl(kDefaultFirstMarketUrl)
    , taoBaoUrl(kDefaultSecondMarketUrl)
    , companyLink(kDefaultWebUrl)
    , companyLinkEN(kDefaultWebUrl)
{
    ui->setupUi(this);
    for (QPushButton *button : {ui->pushButton_Brivex, ui->pushButton_JD, ui->pushButton_TaoBao,
                                ui->pushButton_WeChatPublic, ui->pushButton_WeiBo}) {
        button->setCursor(Qt::PointingHandCursor);
    }
    ui->page_DeviceListShow->setFixedWidth(1000);
    ui->gridLayout->setVerticalSpacing(60);

    deviceListWidget = new DHomeDeviceListWidget(ui->scrollAreaWidgetContents);
    ui->scrollAreaWidgetContents->layout()->addWidget(deviceListWidget);
    connect(deviceListWidget, &DHomeDeviceListWidget::sigHidStructInfoListWidget, this, &DHomePage::sigHomePage);
    connect(this, &DHomePage::sigHidDeviceListUpdateHome, this, &DHomePage::onHidDeviceListUpdateHome);

    QSettings config(defaultConfigPath, QSettings::IniFormat);
    if (config.contains(QStringLiteral("Web/WebUrl")))
        webUrl = config.value(QStringLiteral("Web/WebUrl")).toString();
    if (config.contains(QStringLiteral("Jd/JdUrl")))
        jdUrl = config.value(QStringLiteral("Jd/JdUrl")).toString();
    if (config.contains(QStringLiteral("TaoBao/TaoBaoUrl")))
        taoBaoUrl = config.value(QStringLiteral("TaoBao/TaoBaoUrl")).toString();

    ui->frame_Link->setVisible(config.value(QStringLiteral("HomeLinkFrame/showStatus"), false).toBool());

    connect(ui->label_CompanyLink, &QLabel::linkActivated, this, &DHomePage::onLickActivited, Qt::DirectConnection);
    connect(ui->label_CompanyLink_EN, &QLabel::linkActivated, this, &DHomePage::onLickActivited_EN,
            Qt::DirectConnection);

    if (config.value(QStringLiteral("MainPageCompanyLinkFrame/showStatus"), false).toBool()) {
        if (config.contains(QStringLiteral("MainPageCompanyLink/ComLink")))
            companyLink = config.value(QStringLiteral("MainPageCompanyLink/ComLink")).toString();
        if (config.contains(QStringLiteral("MainPageCompanyLinkEN/ComLink")))
            companyLinkEN = config.value(QStringLiteral("MainPageCompanyLinkEN/ComLink")).toString();
        updateLinkLabels();
        ui->frame_4->show();
    } else {
        ui->frame_4->hide();
    }
    ui->label_CompanyLink_EN->hide();
}

DHomePage::~DHomePage() = default;

void DHomePage::showDeviceList(QList<hidStructInfo> list)
{
    const int count = list.size();
    qCDebug(lcUi).noquote() << "---------------- *** Home page shows" << count << "device card(s) *** ----------------";
    if (count < 1) {
        ui->stackedWidget->setCurrentWidget(ui->page_TipShow);
        return;
    }
    // One card stands centred with room on every side, two stand in a row with room above and
    // below, three or more fill the area and scroll.
    ui->frame_Top->setVisible(count <= 2);
    ui->frame_Bottom->setVisible(count <= 2);
    ui->frame_Left->setVisible(count == 1);
    ui->frame_Right->setVisible(count == 1);
    ui->stackedWidget->setCurrentWidget(ui->page_DeviceListShow);
    deviceListWidget->setDeviceList(list);
}

void DHomePage::onHidDeviceListUpdateHome(QList<hidStructInfo> hidStructInfoList)
{
    deviceList = hidStructInfoList;
    showDeviceList(deviceList);
}

void DHomePage::retranslate()
{
    ui->retranslateUi(this);
    updateLinkLabels();
}

void DHomePage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{ background-color: %1;}").arg(stylesheets::colour(theme.HomeBgColor)));
    ui->widget_4->setStyleSheet(
        scrollBarStyle(QStringLiteral("%1").arg(stylesheets::colour(theme.HomeScrollBarBgColor))));
    ui->scrollArea->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea{ background-color: %1;\t}").arg(stylesheets::colour(theme.HomeBgColor)));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: %1;}")
            .arg(stylesheets::colour(theme.HomeBgColor)));
    ui->frame_Link->setStyleSheet(QStringLiteral("QFrame#frame_Link{\tborder: none; border-left:3px solid %1;}")
                                      .arg(stylesheets::colour(theme.HomeScrollBarBgColor)));
    ui->label_Tip->setStyleSheet(
        QStringLiteral("QLabel#label_Tip { color:%1;}").arg(stylesheets::colour(theme.TextCheckedColor)));

    // The cards take the theme when they are built: build them anew from the kept list.
    onHidDeviceListUpdateHome(deviceList);

    QFont tipFont = DDataManager::getInstance()->getFont(0);
    tipFont.setPointSize(22);
    ui->label_Tip->setFont(tipFont);
    updateLinkLabels();
}

QString DHomePage::linkText(const QString &link) const
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    return tr("<span style=\"font-family:\"%3\";font-size:14pt; color:#ff6666;\"></span>"
              "<a href=\"Company|%1|\"><span style=\"font-size:14pt; text-decoration:underline; "
              "color:rgb(%2);\">%1</span>")
        .arg(link, theme.TextCheckedColor, theme.TextFont);
}

void DHomePage::updateLinkLabels()
{
    ui->label_CompanyLink->setAlignment(Qt::AlignCenter);
    ui->label_CompanyLink->setText(linkText(companyLink));
    ui->label_CompanyLink_EN->setAlignment(Qt::AlignCenter);
    ui->label_CompanyLink_EN->setText(linkText(companyLinkEN));
}

void DHomePage::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void DHomePage::onCloseMenuWidow()
{
    if (qrPopup)
        qrPopup->hide();
}

void DHomePage::onLickActivited(QString str)
{
    Q_UNUSED(str)
    openAddress(companyLink);
}

void DHomePage::onLickActivited_EN(QString str)
{
    Q_UNUSED(str)
    openAddress(companyLinkEN);
}

void DHomePage::on_pushButton_Brivex_clicked()
{
    openAddress(webUrl);
}

void DHomePage::on_pushButton_JD_clicked()
{
    openAddress(jdUrl);
}

void DHomePage::on_pushButton_TaoBao_clicked()
{
    openAddress(taoBaoUrl);
}

void DHomePage::on_pushButton_WeChatPublic_clicked()
{
    showQrPopup(QStringLiteral(":/images/LoadImages/WeChatQR.png"), ui->pushButton_WeChatPublic);
}

void DHomePage::on_pushButton_WeiBo_clicked()
{
    showQrPopup(QStringLiteral(":/images/LoadImages/WeiBoQR.png"), ui->pushButton_WeiBo);
}

void DHomePage::showQrPopup(const QString &picture, QPushButton *button)
{
    // One pop-up at a time: an earlier one goes, with its picture view.
    if (qrPopup)
        qrPopup->deleteLater();

    auto *view = new QRcodeShowTool(this);
    view->setImage(picture);

    qrPopup = new ArrowWidget(ArrowWidget::ArrowDown, this);
    qrPopup->setSize(200, 200);
    qrPopup->setArrowX(93);
    qrPopup->setContentWidget(view);

    // The arrow's tip lands on the middle of the button's top edge.
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 5));
    qrPopup->move(anchor - QPoint(100, button->height() + 195));
    qrPopup->show();
    qrPopup->activateWindow();
}

void DHomePage::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over the page stay here: a drag that starts on the page does not move the window.
    Q_UNUSED(event)
}
