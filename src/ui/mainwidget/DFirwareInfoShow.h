// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

#include <memory>

class DFirwareInfoItem;

namespace Ui {
class DFirwareInfoShow;
}

// The small "Firmware Info" window: one row per attached device with its identification and
// firmware build, in the order of the identification texts. It stays until its parent goes.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT
public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    // Replaces the rows: one per entry, identification text to build text.
    void setFirmwareInfoMap(QMap<QString, QString> firmwareInfoMap);
    void clearRows();
    QList<DFirwareInfoItem *> rows() const;

private:
    std::unique_ptr<Ui::DFirwareInfoShow> ui;
    QMap<QString, QString> m_firmwareInfoMap;
};
