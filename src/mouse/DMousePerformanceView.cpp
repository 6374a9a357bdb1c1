// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMousePerformanceView.h"
#include "ui_DMousePerformanceView.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "SystemDesktopSettings.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"

#include <QLabel>
#include <QTimer>

namespace {

DesktopSettings *systemDesktop()
{
    static SystemDesktopSettings desktop;
    return &desktop;
}

constexpr int kNoticeMs = 3000;

}  // namespace

DMousePerformanceView::DMousePerformanceView(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMousePerformanceView>())
    , m_desktop(systemDesktop())
{
    ui->setupUi(this);
    setFixedSize(700, 150);
    ui->frame_3->hide();
    ui->horizontalSlider_RateReturn->setOrientation(Qt::Horizontal);
    ui->horizontalSlider_RateReturn->setMinimum(0);
    ui->horizontalSlider_RateReturn->setPageStep(1);
    connect(ui->horizontalSlider_RateReturn, &QSlider::valueChanged, this, &DMousePerformanceView::onValueChanged);
    connect(ui->horizontalSlider_RateReturn, &QSlider::sliderPressed, this, &DMousePerformanceView::onSliderPressed);
    connect(ui->horizontalSlider_RateReturn, &QSlider::sliderReleased, this, &DMousePerformanceView::onSliderReleased);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("label_MouseSettingsNotice"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->hide();
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setSingleShot(true);
    connect(m_noticeTimer, &QTimer::timeout, m_notice, &QWidget::hide);
    applyTheme();
}

DMousePerformanceView::~DMousePerformanceView() = default;

int DMousePerformanceView::rateStepFromSetting(const char *feature1)
{
    bool ok = false;
    const int step = QByteArray(feature1 ? feature1 : "").trimmed().toInt(&ok);
    if (!ok || step < 0 || step >= kRateSteps) {
        qCWarning(lcUi) << "The stored report-rate step" << (feature1 ? feature1 : "") << "is not 0 to 3; using"
                        << kDefaultRateStep;
        return kDefaultRateStep;
    }
    return step;
}

void DMousePerformanceView::setRateIndex(int index)
{
    ui->horizontalSlider_RateReturn->setValue(index);
}

void DMousePerformanceView::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DMousePerformanceView::setDesktopSettings(DesktopSettings *settings)
{
    m_desktop = settings ? settings : systemDesktop();
}

void DMousePerformanceView::onValueChanged(int valueNum)
{
    emit sigCurIndexChanged_MouseRateNumIndex(valueNum);
    qCDebug(lcUi) << "-----------------------ui->horizontalSlider_RateReturn->value[Change]:" << valueNum;
}

void DMousePerformanceView::onSliderPressed()
{
    qCDebug(lcUi) << "-----------------------ui->horizontalSlider_RateReturn->value[Press]:"
                  << ui->horizontalSlider_RateReturn->value();
}

void DMousePerformanceView::onSliderReleased()
{
    qCDebug(lcUi) << "-----------------------ui->horizontalSlider_RateReturn->value[Release]:"
                  << ui->horizontalSlider_RateReturn->value();
}

void DMousePerformanceView::on_pushButton_MouseProfileRestore_clicked()
{
    emit sigResetoreMouseCurrentProfile();
}

void DMousePerformanceView::on_pushButton_MouseProperties_clicked()
{
    // The settings tool runs on its own; the window never waits for it.
    if (m_desktop->openMouseSettings())
        return;
    m_notice->setText(tr("No mouse settings tool found"));
    m_notice->adjustSize();
    m_notice->resize(m_notice->width() + 24, m_notice->height() + 12);
    m_notice->move((width() - m_notice->width()) / 2, height() - m_notice->height() - 8);
    m_notice->raise();
    m_notice->show();
    m_noticeTimer->start(kNoticeMs);
}

void DMousePerformanceView::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(QStringLiteral("QLabel { color: %1; font: 75 10pt \"%2\"; }")
                      .arg(stylesheets::colour(theme.TextDefaultColor), theme.TextFont));
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame { border-radius: 8px; border: 0px solid %1; "
                       "background-color: %2; }")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceBottomBgColor)));
    ui->frame_4->setStyleSheet(QStringLiteral("QFrame#frame_4 { border: none; border-right: 1px solid %1; }")
                                   .arg(stylesheets::colour(theme.DeviceControlDefaultColor)));
    ui->frame_RateReturn->setStyleSheet(
        QStringLiteral("QSlider::add-page:horizontal { background: %1; height: 8px; border-radius: 4px; }"
                       "QSlider::sub-page:horizontal { background: %2; height: 8px; border-radius: 4px; }"
                       "QSlider::groove:horizontal { background: transparent; height: 8px; border-radius: 4px; }"
                       "QSlider::handle:horizontal { width: 16px; height: 20px; margin: -8px 0px; "
                       "image: url(:/images/deviceLed/sliderDef.png); }")
            .arg(stylesheets::colour(theme.DeviceColorToolSliderTopColor),
                 stylesheets::colour(theme.DeviceColorToolSliderBottomColor)));
    ui->frame_5->setStyleSheet(
        QStringLiteral("QPushButton { border-radius: 8px; border: 1px solid %1; background-color: %2; "
                       "color: %4; font: 75 10pt \"%6\"; }"
                       "QPushButton:hover { background-color: %7; border: 1px solid %5; }"
                       "QPushButton:pressed { color: %5; background-color: %3; border: 1px solid %5; }")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceControlDefaultColor),
                 stylesheets::colour(theme.DeviceControlHoverColor), stylesheets::colour(theme.TextDefaultColor),
                 stylesheets::colour(theme.TextCheckedColor), theme.TextFont,
                 stylesheets::translucent(theme.DeviceControlHoverColor, 130)));
    m_notice->setStyleSheet(
        QStringLiteral("QLabel { border-radius: 6px; background-color: %1; color: %2; }")
            .arg(stylesheets::colour(theme.DeviceControlDefaultColor), stylesheets::colour(theme.TextCheckedColor)));
}

void DMousePerformanceView::retranslate()
{
    ui->retranslateUi(this);
}

QSlider *DMousePerformanceView::rateSlider() const
{
    return ui->horizontalSlider_RateReturn;
}

QPushButton *DMousePerformanceView::restoreButton() const
{
    return ui->pushButton_MouseProfileRestore;
}

QPushButton *DMousePerformanceView::mouseSettingsButton() const
{
    return ui->pushButton_MouseProperties;
}
