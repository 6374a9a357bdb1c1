// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HidRecords.h"

#include <QList>
#include <QWidget>

#include <memory>

class FlowLayout;

namespace Ui {
class DHomeDeviceListWidget;
}

// The home page's card container: one card per device, laid out by a flow layout and rebuilt
// whenever a new device list arrives. Card clicks come out as one signal.
class DHomeDeviceListWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DHomeDeviceListWidget(QWidget *parent = nullptr);
    ~DHomeDeviceListWidget() override;

    void setDeviceList(QList<hidStructInfo> list);
    void clearDeviceItems();

signals:
    void sigHidStructInfoListWidget(QString hidPath);

private:
    std::unique_ptr<Ui::DHomeDeviceListWidget> ui;
    FlowLayout *flowLayout = nullptr;
};
