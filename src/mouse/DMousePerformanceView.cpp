#include "DMousePerformanceView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

DMousePerformanceView::DMousePerformanceView(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("label_Rate"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("horizontalSlider_Rate"));
    m_slider->setRange(0, 3);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_restore = new QPushButton(this);
    m_restore->setObjectName(QStringLiteral("pushButton_Restore"));
    layout->addWidget(m_title);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_restore);
    // Only a step the user chose is sent, not one set from the profile.
    connect(m_slider, &QSlider::valueChanged, this, &DMousePerformanceView::sigCurIndexChanged_MouseRateNumIndex);
    connect(m_restore, &QPushButton::clicked, this, &DMousePerformanceView::sigResetoreMouseCurrentProfile);
    retranslate();
}

void DMousePerformanceView::setRateIndex(int index)
{
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(qBound(0, index, 3));
}

void DMousePerformanceView::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DMousePerformanceView::applyTheme() {}

void DMousePerformanceView::retranslate()
{
    m_title->setText(tr("Report rate"));
    m_restore->setText(tr("Restore"));
}

QSlider *DMousePerformanceView::rateSlider() const
{
    return m_slider;
}

QPushButton *DMousePerformanceView::restoreButton() const
{
    return m_restore;
}
