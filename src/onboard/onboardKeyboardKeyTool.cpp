// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboardKeyboardKeyTool.h"

#include "DDataManager.h"
#include "DOnboardPage.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(QWidget *parent, const QString &text, int pointSize)
{
    auto *label = new QLabel(text, parent);
    label->setFixedSize(200, 34);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("color: %1; font: 75 %2pt \"Microsoft YaHei\";")
            .arg(stylesheets::colour(stylesheets::popupText(DDataManager::getInstance()->getThemeColor())))
            .arg(pointSize));
    return label;
}

}  // namespace

onboardKeyboardKeyTool::onboardKeyboardKeyTool(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    m_captionLabel = makeLabel(this, QString(), 12);
    m_kindLabel = makeLabel(this, tr("Default"), 12);
    m_valueLabel = makeLabel(this, QStringLiteral("ABC666666CFK"), 14);
    layout->addWidget(m_captionLabel);
    layout->addWidget(m_kindLabel);
    layout->addWidget(m_valueLabel);
}

void onboardKeyboardKeyTool::setTextStyle(const QString &styleSheet)
{
    m_captionLabel->setStyleSheet(styleSheet);
    m_valueLabel->setStyleSheet(styleSheet);
}

void onboardKeyboardKeyTool::setKeyInfo(const QString &model, int keyDec, const QString &valueText,
                                        const QString &typeName, const QString &caption)
{
    m_captionLabel->setText(caption);
    m_kindLabel->setText(typeName);
    QString value = valueText;
    if (DOnboardPage::isLockedKey(model, keyDec))
        value = tr("Cannot be remapped");
    m_valueLabel->ensurePolished();
    const QFontMetrics metrics(m_valueLabel->font());
    if (metrics.horizontalAdvance(value) >= kValueWidth)
        value = metrics.elidedText(value, Qt::ElideRight, kValueWidth);
    m_valueLabel->setText(value);
}

QString onboardKeyboardKeyTool::captionText() const
{
    return m_captionLabel->text();
}

QString onboardKeyboardKeyTool::kindText() const
{
    return m_kindLabel->text();
}

QString onboardKeyboardKeyTool::valueText() const
{
    return m_valueLabel->text();
}

QString onboardKeyboardKeyTool::valueStyle() const
{
    return m_valueLabel->styleSheet();
}
