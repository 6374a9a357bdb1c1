// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The custom per-key lightings of the device page: the five of a new profile, the list of rows
// beside the key view, which two of them the keyboard keeps in its slots 0 and 1, sending one
// (0x09 packets, then 0x07), saving the painted keys, and the question asked before unsaved
// lighting is left.

#include <QObject>
#include <QString>

class DCustomLightListItem;
class DDevicePage;

class DevicePageCustomLights : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageCustomLights(DDevicePage *page);

    void addDefaultCustomLights(int profileIndex);
    void loadCustomLightDefaults(int profileIndex, int customLightIndex);
    void clearCustomLightList();
    void reloadCustomLightList();
    void sendCustomLight(const QString &index, int slot, bool clearOnly);
    // The editor's OK while the custom effect is chosen: stores the painted keys and sends them.
    void saveCustomLight();

    void onCustomLightItemMouseClicked(DCustomLightListItem *row);
    void onCustomLightUsingStatus(DCustomLightListItem *row, bool isUsing);
    void onUpdateCustomLight();
    int showTipInfoDia();
    bool mayLeaveLighting(bool leaveAfterSave);
    // The key count of the device shown; 0 without one.
    int currentKeyCount() const;

private:
    void paintAllKeysDark();
    void paintCustomLight(const QString &index, int alpha);
    void setRowUsing(DCustomLightListItem *row, bool isUsing, int flag);
    void selectOnly(DCustomLightListItem *row);
    // The keys and the preview show the row's light as stored.
    void showStoredLight(DCustomLightListItem *row);

    DDevicePage *p;
};
