// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DFirwareInfoItem;
}

// One row of the "Firmware Info" window: a device's identification and its firmware build.
class DFirwareInfoItem : public QWidget
{
    Q_OBJECT
public:
    explicit DFirwareInfoItem(QWidget *parent = nullptr);
    ~DFirwareInfoItem() override;

    // idText is shown from the character after its first "-" (whole without one);
    // buildText as it is.
    void setInfoText(QString idText, QString buildText);
    QString hidInfoText() const;
    QString dataTimeInfoText() const;

private:
    std::unique_ptr<Ui::DFirwareInfoItem> ui;
};
