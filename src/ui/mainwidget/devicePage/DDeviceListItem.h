// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the device list: the device's picture, product and display name, and a bar under
// it while the device is the current one. A press anywhere on the row asks to make it current.

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DDeviceListItem;
}

class DDeviceListItem : public QWidget
{
    Q_OBJECT
public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setDeviceInfo(int vid, int pid, QString hidPath, QString manufacturer, QString product, QString hidName,
                       int deviceType, QString firmwareId);
    void setSelected(bool selected);
    bool isSelected() const;
    void applyTheme();

    QString getHidPath() const { return m_strHidPath; }
    QString getHidName() const { return m_strHidName; }
    QString getProductName() const { return m_strProductName; }
    QString getLikeName() const { return m_strLikeName; }
    QString getFirmwareId() const { return m_strFirmwareId; }
    int getDeviceType() const { return m_deviceType; }
    bool isNameElided() const { return m_isNameElided; }

    // The text as shown in a label of the font and width: elided on the right when it needs the width or more.
    static QString elideText(const QFont &font, const QString &text, int width, bool *elided);

signals:
    void sigDeviceItemPressed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_DeviceLogo_clicked();

private:
    std::unique_ptr<Ui::DDeviceListItem> ui;
    int m_vid = 0;
    int m_pid = 0;
    QString m_strHidPath;
    QString m_strManufacturer;
    QString m_strProduct;
    QString m_strHidName;
    QString m_strLikeName;
    QString m_strProductName;
    QString m_strFirmwareId;
    int m_deviceType = 0;
    bool m_isNameElided = false;
};
