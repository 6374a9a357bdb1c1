#include "DCustomLightListItem.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(9, 0, 9, 0);
    m_checkBox = new QCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    layout->addWidget(m_checkBox);
    layout->addWidget(m_label, 1);
    connect(m_checkBox, &QCheckBox::clicked, this, [this](bool checked) {
        emit sigCustomLightUsingStatus(checked);
        setIsUsing(checked);
    });
}

void DCustomLightListItem::setProfileXml(const char *profilePath, xmlInterface *xml)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
}

void DCustomLightListItem::setCustomLightInfo(CustomLightItemInfo info)
{
    m_info = info;
    m_checkBox->setChecked(info.isUsing == QLatin1String("Using"));
    m_label->setText(info.name);
}

void DCustomLightListItem::setSelected(bool selected)
{
    m_selected = selected;
}

void DCustomLightListItem::setUsingStatus(bool isUsing)
{
    m_checkBox->setChecked(isUsing);
}

void DCustomLightListItem::setUsingFlagIndex(int usingFlagIndex)
{
    m_info.usingFlagIndex = usingFlagIndex;
}

void DCustomLightListItem::setUsingText(QString usingText)
{
    m_info.isUsing = usingText;
}

QString DCustomLightListItem::getIndex() const
{
    return m_info.index;
}

QString DCustomLightListItem::getCustomLightIndex() const
{
    return m_info.index;
}

QString DCustomLightListItem::getName() const
{
    return m_info.name;
}

QString DCustomLightListItem::getUsingText() const
{
    return m_info.isUsing;
}

int DCustomLightListItem::getUsingFlagIndex() const
{
    return m_info.usingFlagIndex;
}

bool DCustomLightListItem::getIsUsing() const
{
    return m_info.isUsing == QLatin1String("Using");
}

void DCustomLightListItem::setIsUsing(bool isUsing)
{
    m_info.isUsing = isUsing ? QStringLiteral("Using") : QStringLiteral("UnUsing");
}

bool DCustomLightListItem::isSelected() const
{
    return m_selected;
}

void DCustomLightListItem::applyTheme() {}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    emit sigCustomLightItemMouseClicked(m_info.index, m_info.name);
}
