// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMousePage.h"

#include "MouseDefinitionFile.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

// Button index -> button code of the profile file; the two forward and the two backward
// buttons share a code.
constexpr int kButtonCodes[DMousePage::kButtonCount] = {1, 32, 16, 8, 2, 4, 16, 8};

}  // namespace

DMousePage::DMousePage(QString model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    auto *layout = new QGridLayout(this);
    for (int i = 0; i < kButtonCount; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("pushButton_Key%1").arg(i));
        button->setMinimumSize(120, 30);
        layout->addWidget(button, i % 4, i / 4);
        connect(button, &QPushButton::clicked, this, [this, i] { emit sigMouseButtonClicked(i); });
        m_buttons.append(button);
    }
    resetAllKeyText();
}

void DMousePage::loadMouseInfo(QString model)
{
    m_model = model;
    MouseDefinitionFile definition;
    if (!definition.load(MouseDefinitionFile::resourcePath(model)))
        return;
    m_supportEnableXY = definition.supportEnableXY();
    emit sigMouseInfoAlreadyLoad();
}

void DMousePage::setKeyNameMap(QMap<int, QString> keyNameMap)
{
    m_keyNameMap = keyNameMap;
}

void DMousePage::setXmlInterface(xmlInterface *xml)
{
    m_xml = xml;
}

void DMousePage::setProfilePath(const char *profilePath)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
}

void DMousePage::resetAllKeyText()
{
    for (int i = 0; i < kButtonCount; ++i) {
        m_buttons.at(i)->setText(defaultName(i));
        m_buttons.at(i)->setToolTip(defaultName(i));
    }
}

void DMousePage::resetKeyText(int keyCode)
{
    for (int i = 0; i < kButtonCount; ++i) {
        if (kButtonCodes[i] == keyCode)
            m_buttons.at(i)->setText(defaultName(i));
    }
}

void DMousePage::showKeyInfo(int keyCode, CustomKeyInfo record)
{
    Q_UNUSED(keyCode)
    Q_UNUSED(record)
}

void DMousePage::setKeyText(QPair<int, QString> key)
{
    for (int i = 0; i < kButtonCount; ++i) {
        if (kButtonCodes[i] == key.first)
            m_buttons.at(i)->setText(key.second);
    }
}

void DMousePage::applyTheme() {}

QPushButton *DMousePage::button(int index) const
{
    return m_buttons.value(index, nullptr);
}

int DMousePage::supportEnableXY() const
{
    return m_supportEnableXY;
}

QString DMousePage::defaultName(int index) const
{
    switch (index) {
    case 0:
        return tr("Left Click");
    case 1:
        return tr("Dpi Loop");
    case 2:
        return tr("Forward_L");
    case 3:
        return tr("Backward_L");
    case 4:
        return tr("Right Click");
    case 5:
        return tr("Center Click");
    case 6:
        return tr("Forward_R");
    case 7:
        return tr("Backward_R");
    default:
        return QString();
    }
}
