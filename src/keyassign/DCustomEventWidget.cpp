// SPDX-License-Identifier: GPL-3.0-or-later
#include "DCustomEventWidget.h"
#include "ui_DCustomEventWidget.h"

#include "DCustomEventListItem.h"
#include "FlowLayout.h"
#include "xmlInterface.h"

#include <QFileInfo>

#include <cstring>

DCustomEventWidget::DCustomEventWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCustomEventWidget>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_flowLayout = new FlowLayout(this);
    m_flowLayout->setContentsMargins(30, 2, 0, 0);
}

DCustomEventWidget::~DCustomEventWidget() = default;

QList<DCustomEventListItem *> DCustomEventWidget::items() const
{
    QList<DCustomEventListItem *> tiles;
    for (int i = 0; i < m_flowLayout->count(); ++i) {
        if (auto *tile = qobject_cast<DCustomEventListItem *>(m_flowLayout->itemAt(i)->widget()))
            tiles.append(tile);
    }
    return tiles;
}

void DCustomEventWidget::loadCustomEventList(xmlInterface *xml, const char *profileXmlPath, int profileIndex,
                                             const QMap<int, QString> &keyNameMap)
{
    m_keyNameMap = keyNameMap;
    if (!xml || !profileXmlPath || !QFileInfo(QString::fromLocal8Bit(profileXmlPath)).isFile())
        return;

    const QByteArray profileKey = QByteArray::number(profileIndex);
    QStringList codes;
    xml->getKeyMapCodes(profileXmlPath, profileKey.constData(), &codes);
    if (codes.isEmpty()) {
        emit sigCustomEventListIsEmpty();
        return;
    }
    for (const QString &codeText : qAsConst(codes)) {
        const QByteArray code = QByteArray::number(codeText.trimmed().toInt());
        CustomKeyInfo info;
        std::strcpy(info.keyCode, "-1");
        xml->getKeyMapItems(profileXmlPath, profileKey.constData(), code.constData(), &info);
        if (std::strcmp(info.keyCode, "-1") == 0)
            continue;
        if (QByteArray(info.operateType).trimmed().toInt() == 7) {
            ProfileConfigInfo profile;
            const QByteArray target = QByteArray(info.Value).trimmed();
            xml->getProfileInfo(profileXmlPath, target.constData(), &profile);
            m_profileName = QString::fromUtf8(profile.name);
        }
        auto *tile = new DCustomEventListItem(this);
        connect(tile, &DCustomEventListItem::sigCustomEventItemMouseClicked, this,
                &DCustomEventWidget::sigCustomEventItemMouseClicked);
        tile->setProfileName(m_profileName);
        tile->setEventInfo(info, m_keyNameMap);
        tile->setFixedSize(206, 32);
        m_flowLayout->addWidget(tile);
    }
}
