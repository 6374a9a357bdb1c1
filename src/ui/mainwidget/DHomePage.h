// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HidRecords.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class ArrowWidget;
class DHomeDeviceListWidget;
class QPushButton;

namespace Ui {
class DHomePage;
}

// The first page of the main window: the connected devices as cards, or a picture and
// "Device not connected" when there is none. A click on a card comes out as the device's path.
// A column of link buttons and a company link row are switched on by the default configuration.
class DHomePage : public QWidget
{
    Q_OBJECT
public:
    explicit DHomePage(QWidget *parent = nullptr);
    // Reads its link settings from another default configuration file (tests).
    DHomePage(const QString &defaultConfigPath, QWidget *parent);
    ~DHomePage() override;

    // Shows a list without keeping it.
    void showDeviceList(QList<hidStructInfo> list);
    void retranslate();
    void applyTheme();

signals:
    void sigHidDeviceListUpdateHome(QList<hidStructInfo> hidStructInfoList);
    void sigHomePage(QString hidPath);

public slots:
    void onHidDeviceListUpdateHome(QList<hidStructInfo> hidStructInfoList);
    void onCloseMenuWidow();
    void onLickActivited(QString str);
    void onLickActivited_EN(QString str);
    void on_pushButton_Brivex_clicked();
    void on_pushButton_JD_clicked();
    void on_pushButton_TaoBao_clicked();
    void on_pushButton_WeChatPublic_clicked();
    void on_pushButton_WeiBo_clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString linkText(const QString &link) const;
    void updateLinkLabels();
    void showQrPopup(const QString &picture, QPushButton *button);
    static void openAddress(const QString &address);

    std::unique_ptr<Ui::DHomePage> ui;
    QList<hidStructInfo> deviceList;
    DHomeDeviceListWidget *deviceListWidget = nullptr;
    QPointer<ArrowWidget> qrPopup;
    QString webUrl;
    QString jdUrl;
    QString taoBaoUrl;
    QString companyLink;
    QString companyLinkEN;
};
