// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key part of the device page: choosing a key or a mouse button, showing the key operation
// its stored assignment names (and preparing that page), the relays from the on-screen keyboard
// and the key hook to the key-entry pages, the profiles' copies of a changed macro, and applying
// a whole profile (or one changed key) to the key view, the mouse picture and the key pages.

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class DDevicePage;
class DKeyAssignPage;

class DevicePageKeys : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageKeys(DDevicePage *page);

    // Creates the key pages, the performance page, the custom event list and the on-screen
    // keyboard in their hosts and connects them.
    void createKeyPages();
    // The eleven key pages in key-operation order.
    QList<DKeyAssignPage *> keyPages() const;

    void onKeyboardClicked(int keyDec, const QString &keyCharacter);
    void onMouseButtonClicked(int selIndex);
    void onCurIndexChangedKey(int selIndex);
    void relayEnteredKey(int keyDec);
    void onHookKey(int keyCode, int flag);
    void onMacroChanged(const QString &macroIndex, const QString &macroName);

    // Forgets the key the key panel was opened for (after a device or profile switch): no key
    // is selected, the Default page shows, and every key page holds no key of the file shown.
    void resetKeyPanel();
    // A key page's save belongs to what the page shows: the key selected now, in the profile
    // file and profile shown now, and (but for a reset) the file holds the key's record.
    bool isSaveOfShownKey(const DKeyAssignPage *page) const;

    void onShoudUpdateKeyboard(int keyDec);
    void onKeyboardAlreadyLoad(int keyDec);
    void setAllKeysCustomFlag(bool flag);

    // The key operation id that a stored operateType selects; -1 for none.
    static int operationForType(int operateType);
    // The page type shown for a key operation id.
    static int pageTypeForOperation(int operation);

    // Marks or unmarks a key of the keyboard view; rebuilds the custom event list when it shows.
    void markKey(int keyDec, bool marked);
    void refreshCustomEventList();
    // The key's record in a profile; keyCode "-1" when it has none.
    CustomKeyInfo readKey(const QByteArray &file, int profileIndex, int keyCode) const;

private:
    void showSidePanel();
    void updateOnboardKey(int keyDec);
    QByteArray currentLayerFile() const;

    DDevicePage *p;
};
