// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PC profiles of the device page: the list of profile rows, adding, importing, exporting and
// deleting profiles, storing the current profile's name and linked program, making a profile
// current (a click on its row, or a key bound to switching profiles), and resetting the current
// keyboard profile to the defaults of a new one.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class DDeviceKeyboardLink;
class DDevicePage;
class profileListItem;
struct IndexNameInfo;

class DevicePageProfiles : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageProfiles(DDevicePage *page);

    void refreshProfileList(int reason);
    void addProfile();
    void importProfile();
    void exportProfile(const QString &index, const QString &name);
    void deleteProfile(profileListItem *row, const QString &index);
    void selectAppPath();
    void storeNameAndProgram();

    // A click on a row (the sender; null when the call came from no row). After the current
    // profile was deleted the first row is taken instead.
    void selectProfile(profileListItem *row);
    // A switch key of the device behind link was pressed.
    void switchByKey(DDeviceKeyboardLink *link, int index);
    void resetCurrentProfile();

private:
    QList<IndexNameInfo> profileList(const QByteArray &path) const;
    void makeCurrent(profileListItem *row, const QString &index);
    void addDefaultsTo(int index);

    DDevicePage *p;
};
