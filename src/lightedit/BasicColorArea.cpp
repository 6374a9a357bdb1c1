#include "BasicColorArea.h"

#include "ArrowWidget.h"
#include "BasicColorItem.h"
#include "deleteBasicColorItemTool.h"
#include "LogCategories.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QHBoxLayout *newRow()
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    return row;
}

}  // namespace

BasicColorArea::BasicColorArea(QWidget *parent)
    : QWidget(parent)
    , m_mainLayout(new QVBoxLayout(this))
{
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(2);
    setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/addColorDef.png);}"
                                 "QPushButton:hover{border-image:url(:/images/deviceLed/addColorSel.png);}"
                                 "QPushButton:pressed{border-image:url(:/images/deviceLed/addColorSel.png);}"));
}

BasicColorArea::~BasicColorArea()
{
    // The popup is a window of its own, not a child.
    delete m_deletePopup;
}

void BasicColorArea::setMode(int mode)
{
    if (m_slotRow) {
        qCWarning(lcUi) << "BasicColorArea: rows already built; mode" << mode << "ignored";
        return;
    }
    m_mode = mode;
    buildRows();
}

ArrowWidget *BasicColorArea::deletePopup() const
{
    return m_deletePopup;
}

int BasicColorArea::slotCount() const
{
    return m_addButtons.size();
}

void BasicColorArea::buildRows()
{
    QList<QList<QColor>> presetRows;
    int slotTotal = 0;
    if (m_mode == 0) {
        presetRows = {
            {QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 255, 255)},
            {QColor(255, 0, 255), QColor(128, 0, 255), QColor(0, 0, 255), QColor(0, 0, 0), QColor(255, 255, 255)}};
        slotTotal = 5;
    } else if (m_mode == 1) {
        presetRows = {{QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                       QColor(0, 255, 255), QColor(0, 0, 255), QColor(128, 0, 255), QColor(0, 0, 0),
                       QColor(255, 255, 255)}};
        slotTotal = 9;
    } else {
        qCWarning(lcUi) << "BasicColorArea: unknown mode" << m_mode;
        return;
    }

    for (const QList<QColor> &colours : presetRows) {
        QHBoxLayout *row = newRow();
        for (const QColor &colour : colours) {
            auto *item = new BasicColorItem(colour, this);
            connect(item, &BasicColorItem::itemClickedSignal, this, &BasicColorArea::colorItemSelcSignal);
            row->addWidget(item);
            m_presets.append(item);
        }
        m_mainLayout->addLayout(row);
    }

    using Slot = void (BasicColorArea::*)();
    static const Slot addSlots[] = {
        &BasicColorArea::onAddColor01, &BasicColorArea::onAddColor02, &BasicColorArea::onAddColor03,
        &BasicColorArea::onAddColor04, &BasicColorArea::onAddColor05, &BasicColorArea::onAddColor06,
        &BasicColorArea::onAddColor07, &BasicColorArea::onAddColor08, &BasicColorArea::onAddColor09};
    m_slotRow = newRow();
    for (int k = 0; k < slotTotal; ++k) {
        auto *button = new QPushButton(this);
        button->setFixedSize(12, 12);
        connect(button, &QPushButton::clicked, this, addSlots[k]);
        m_slotRow->addWidget(button);
        m_addButtons.append(button);
    }
    m_mainLayout->addLayout(m_slotRow);
}

BasicColorItem *BasicColorArea::userItemAt(int slot) const
{
    for (BasicColorItem *item : m_userItems) {
        if (item->index() == slot)
            return item;
    }
    return nullptr;
}

void BasicColorArea::addColorItem(int slot, int r, int g, int b)
{
    if (slot < 0 || slot >= slotCount()) {
        qCWarning(lcUi) << "BasicColorArea: no slot" << slot << "in mode" << m_mode;
        return;
    }
    if (userItemAt(slot)) {
        // The first colour stored for a slot is the one a delete removes, so it is the one shown.
        qCWarning(lcUi) << "BasicColorArea: slot" << slot << "already holds a colour";
        return;
    }

    auto *item = new BasicColorItem(QColor(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255), 255), this);
    item->setIndex(slot);
    connect(item, &BasicColorItem::itemClickedSignal, this, &BasicColorArea::colorItemSelcSignal);
    connect(item, &BasicColorItem::sigBasicColorItemMouseRightButtonPress, this,
            &BasicColorArea::onBasicColorItemMouseRightButtonPress);
    m_userItems.append(item);

    QPushButton *button = m_addButtons.at(slot);
    m_slotRow->removeWidget(button);
    button->hide();
    m_slotRow->insertWidget(slot, item);
    item->show();
    m_slotRow->update();
}

void BasicColorArea::putAddButtonBack(int slot)
{
    QPushButton *button = m_addButtons.value(slot);
    if (!button)
        return;
    m_slotRow->insertWidget(slot, button);
    button->show();
}

void BasicColorArea::clearColorItems()
{
    if (m_userItems.isEmpty())
        return;
    for (BasicColorItem *item : qAsConst(m_userItems)) {
        putAddButtonBack(item->index());
        m_slotRow->removeWidget(item);
        item->hide();
        item->deleteLater();
    }
    m_userItems.clear();
    m_rightClickedItem = nullptr;
    if (m_deletePopup)
        m_deletePopup->hide();
    m_slotRow->update();
}

void BasicColorArea::onBasicColorItemMouseRightButtonPress()
{
    auto *item = qobject_cast<BasicColorItem *>(sender());
    if (!item || !m_userItems.contains(item))
        return;
    m_rightClickedItem = item;

    // One popup at a time: the last one goes with the next.
    delete m_deletePopup;

    auto *tool = new deleteBasicColorItemTool(this);
    connect(tool, &deleteBasicColorItemTool::sigDeleteBasicColor, this, &BasicColorArea::onDeleteBasicColor);
    auto *popup = new ArrowWidget(ArrowWidget::ArrowDown);
    popup->setSize(60, 60);
    popup->setArrowX(23);
    popup->setContentWidget(tool);
    m_deletePopup = popup;

    popup->move(item->mapToGlobal(QPoint(8, 16)) - QPoint(32, 76));
    popup->show();
    popup->activateWindow();
}

void BasicColorArea::onDeleteBasicColor()
{
    if (m_deletePopup)
        m_deletePopup->hide();
    BasicColorItem *item = m_rightClickedItem;
    m_rightClickedItem = nullptr;
    if (!item || !m_userItems.contains(item))
        return;

    const int slot = item->index();
    putAddButtonBack(slot);
    m_userItems.removeOne(item);
    m_slotRow->removeWidget(item);
    item->hide();
    item->deleteLater();
    m_slotRow->update();
    emit sigDeleteColor(slot);
}

void BasicColorArea::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void BasicColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void BasicColorArea::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}
