// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DHomeDeviceListItem;
}

// One device on the home page: its picture above its product name and device name, on a
// rounded panel outlined while the mouse is over it. A press anywhere on the card reports the
// device's path. The card takes the theme once, when it is built.
class DHomeDeviceListItem : public QWidget
{
    Q_OBJECT
public:
    explicit DHomeDeviceListItem(QWidget *parent = nullptr);
    ~DHomeDeviceListItem() override;

    void setDeviceInfo(int vid, int pid, const QString &hidPath, const QString &manufacturer, const QString &product,
                       const QString &hidName, int deviceType);

    QString hidPath() const { return m_hidPath; }

    // The width at which the picture of a model is shown, or 0 when the form's rule holds.
    static int pictureWidth(const QString &hidName, int deviceType);
    // The style sheet that shows the picture file at picturePath on the picture frame.
    static QString pictureStyleSheet(const QString &picturePath);

signals:
    void sigHomeDeviceListItemMouseClicked(QString hidPath);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::DHomeDeviceListItem> ui;
    qint32 m_vid = 0;
    qint32 m_pid = 0;
    QString m_hidPath;
    QString m_manufacturer;
    QString m_product;
    QString m_hidName;
    qint32 m_deviceType = 0;
};
