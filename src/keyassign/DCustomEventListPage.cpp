// SPDX-License-Identifier: GPL-3.0-or-later
#include "DCustomEventListPage.h"
#include "ui_DCustomEventListPage.h"

#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "ThemeStyleSheets.h"

DCustomEventListPage::DCustomEventListPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCustomEventListPage>())
{
    ui->setupUi(this);
    setFixedSize(700, 150);
    applyTheme();
}

DCustomEventListPage::~DCustomEventListPage() = default;

int DCustomEventListPage::currentPage() const
{
    return ui->stackedWidget->currentIndex();
}

void DCustomEventListPage::updateCustomEventList(xmlInterface *xml, const char *profileXmlPath, int profileIndex,
                                                 const QMap<int, QString> &keyNameMap)
{
    if (!xml || !profileXmlPath || !*profileXmlPath)
        return;
    ui->stackedWidget->setCurrentIndex(0);

    m_hostLayout = ui->verticalLayout;
    // Everything but the trailing spacer goes.
    while (m_hostLayout->count() > 1) {
        QLayoutItem *item = m_hostLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            if (widget == m_eventWidget)
                m_eventWidget = nullptr;
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    delete m_eventWidget;

    m_eventWidget = new DCustomEventWidget(ui->scrollAreaWidgetContents);
    m_hostLayout->insertWidget(m_hostLayout->count() - 1, m_eventWidget);
    connect(m_eventWidget, &DCustomEventWidget::sigCustomEventItemMouseClicked, this,
            &DCustomEventListPage::sigCustomEventItemMouseClicked);
    connect(m_eventWidget, &DCustomEventWidget::sigCustomEventListIsEmpty, this,
            &DCustomEventListPage::onCustomEventListIsEmpty);
    m_eventWidget->loadCustomEventList(xml, profileXmlPath, profileIndex, keyNameMap);
}

void DCustomEventListPage::onCustomEventListIsEmpty()
{
    ui->stackedWidget->setCurrentIndex(1);
}

void DCustomEventListPage::retranslate()
{
    setWindowTitle(tr("Form"));
    ui->label_Tip->setText(tr("No custom features added"));
}

void DCustomEventListPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QString clear = QStringLiteral("0,0,0,1");
    ui->frame->setStyleSheet(
        QStringLiteral("\t\tQFrame#frame{\t\tborder-radius: 8px;\t\tborder: 0px solid "
                       "%1;\t\tbackground-color: %2;\t\t}\t\t")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceBottomBgColor)));
    ui->page_NoHave->setStyleSheet(
        QStringLiteral("\t\tQWidget{\t\t\tborder-radius: 8px;\t\t\tbackground-color: %1;\t\t}\t\t")
            .arg(stylesheets::colour(clear)));
    ui->label_Tip->setStyleSheet(QStringLiteral("\t\tQLabel#label_Tip{\t\t\tcolor: %1;\t\t\t\t\t}\t\t")
                                     .arg(stylesheets::colour(theme.TextCheckedColor)));
    ui->scrollArea->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea{ background-color: %1;\t}").arg(stylesheets::colour(clear)));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{\tbackground-color: %1; }").arg(stylesheets::colour(clear)));
    ui->widget_4->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{\twidth: 3px;\tbackground: transparent;\tmargin: 3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{\tbackground: rgba(0,0,0,20%);\tmin-height: 20px;\tborder-radius: "
                       "1px;}QScrollBar::handle:vertical:hover{\tbackground: rgba(0,0,0,30%);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{\theight: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{\tbackground: %1;\t"
                       "border-radius: 3px;}")
            .arg(stylesheets::colour(theme.HomeScrollBarBgColor)));
}
