// SPDX-License-Identifier: GPL-3.0-or-later
#include "DHomeDeviceListWidget.h"
#include "ui_DHomeDeviceListWidget.h"

#include "DHomeDeviceListItem.h"
#include "FlowLayout.h"
#include "RecordText.h"

namespace {

}  // namespace

DHomeDeviceListWidget::DHomeDeviceListWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DHomeDeviceListWidget>())
{
    ui->setupUi(this);
    flowLayout = new FlowLayout(this, -1, -1, -1);
    flowLayout->setContentsMargins(5, 0, 0, 0);
}

DHomeDeviceListWidget::~DHomeDeviceListWidget() = default;

void DHomeDeviceListWidget::setDeviceList(QList<hidStructInfo> list)
{
    clearDeviceItems();
    for (const hidStructInfo &info : qAsConst(list)) {
        auto *item = new DHomeDeviceListItem(this);
        item->setDeviceInfo(info.vid, info.pid, QString::fromUtf8(recordText(info.hidPath)),
                            QString::fromUtf8(recordText(info.manufacturer)),
                            QString::fromUtf8(recordText(info.product)), QString::fromUtf8(recordText(info.hidName)),
                            info.deviceType);
        connect(item, &DHomeDeviceListItem::sigHomeDeviceListItemMouseClicked, this,
                &DHomeDeviceListWidget::sigHidStructInfoListWidget);
        item->setFixedSize(460, 210);
        flowLayout->addWidget(item);
    }
}

void DHomeDeviceListWidget::clearDeviceItems()
{
    const int count = flowLayout->count();
    for (int i = 0; i < count; ++i) {
        QLayoutItem *layoutItem = flowLayout->takeAt(0);
        if (!layoutItem)
            break;
        if (QWidget *widget = layoutItem->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete layoutItem;
    }
}
