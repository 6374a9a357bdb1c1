#include "DTipInfoDia.h"

#include <QHBoxLayout>
#include <QPushButton>

DTipInfoDia::DTipInfoDia(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DTipInfoDia"));
    setModal(true);
    auto *layout = new QHBoxLayout(this);
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("pushButton_Save"));
    m_discard = new QPushButton(this);
    m_discard->setObjectName(QStringLiteral("pushButton_Discard"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("pushButton_Close"));
    layout->addWidget(m_save);
    layout->addWidget(m_discard);
    layout->addWidget(m_close);
    connect(m_save, &QPushButton::clicked, this, [this] { finish(1); });
    connect(m_discard, &QPushButton::clicked, this, [this] { finish(2); });
    connect(m_close, &QPushButton::clicked, this, [this] { finish(0); });
    retranslate();
}

void DTipInfoDia::resetTipResult()
{
    m_result = 0;
}

int DTipInfoDia::getTipResult() const
{
    return m_result;
}

void DTipInfoDia::applyTheme() {}

void DTipInfoDia::retranslate()
{
    m_save->setText(tr("Save"));
    m_discard->setText(tr("Discard"));
    m_close->setText(tr("Close"));
}

void DTipInfoDia::finish(int result)
{
    emit sigTipInfoDiaClose();
    m_result = result;
    close();
}
