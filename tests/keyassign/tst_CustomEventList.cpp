// SPDX-License-Identifier: GPL-3.0-or-later
#include "DCustomEventListItem.h"
#include "DCustomEventListPage.h"
#include "DCustomEventWidget.h"
#include "xmlInterface.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <cstring>

namespace {

const QMap<int, QString> kNames = {{4, "A"}, {5, "B"}, {41, "Esc"}, {58, "F1"}};

// A profile file with the profiles "Game" (1), "Office" (2) and "Movies" (3).
struct Profile {
    QTemporaryDir dir;
    xmlInterface xml;
    QByteArray path;
    Profile()
    {
        path = QFile::encodeName(dir.filePath(QStringLiteral("brivexProFile.xml")));
        xml.createXmlFile(path.constData());
        xml.addProfileConfig(path.constData(), "1", "Game", "", "", 0);
        xml.addProfileConfig(path.constData(), "2", "Office", "", "", 0);
        xml.addProfileConfig(path.constData(), "3", "Movies", "", "", 0);
    }
    void assign(int code, const QByteArray &name, const char *operateType, const char *mode, const QByteArray &value)
    {
        const QByteArray key = QByteArray::number(code);
        xml.deleteKeyMapItem(path.constData(), "1", key.constData());
        xml.addKeyMapItem(path.constData(), "1", key.constData(), name.constData(), operateType, "1", mode,
                          value.constData());
    }
};

QList<DCustomEventListItem *> tiles(const DCustomEventListPage &page)
{
    return page.eventWidget() ? page.eventWidget()->items() : QList<DCustomEventListItem *>();
}

CustomKeyInfo record(const char *code, const QByteArray &name, const char *operateType, const QByteArray &value)
{
    CustomKeyInfo info;
    std::strcpy(info.keyCode, code);
    std::strncpy(info.keyChar, name.constData(), sizeof(info.keyChar) - 1);
    std::strcpy(info.operateType, operateType);
    std::strcpy(info.mode, "1");
    std::strncpy(info.Value, value.constData(), sizeof(info.Value) - 1);
    return info;
}

QString shown(const QLabel *label, const QString &text, int width)
{
    const QFontMetrics metrics(label->font());
    return metrics.horizontalAdvance(text) >= width ? metrics.elidedText(text, Qt::ElideRight, width) : text;
}

}  // namespace

class tst_CustomEventList : public QObject
{
    Q_OBJECT

private slots:
    void tilesFollowTheFile()
    {
        Profile profile;
        profile.assign(4, "A", "3", "0", "0");
        profile.assign(41, "Esc", "2", "0", "5,4");
        profile.assign(58, "F1", "1", "2", "0");
        profile.assign(4, "A", "5", "0", "0");  // changed last: comes last

        DCustomEventListPage page;
        page.updateCustomEventList(&profile.xml, profile.path.constData(), 1, kNames);
        QCOMPARE(page.currentPage(), 0);
        const QList<DCustomEventListItem *> list = tiles(page);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0)->getKeyDec(), 41);
        QCOMPARE(list.at(1)->getKeyDec(), 58);
        QCOMPARE(list.at(2)->getKeyDec(), 4);
        QCOMPARE(list.at(2)->eventText(), QStringLiteral("Disable"));
        QCOMPARE(list.at(0)->size(), QSize(206, 32));

        // A refresh rebuilds the tiles.
        profile.xml.deleteKeyMapItem(profile.path.constData(), "1", "58");
        page.updateCustomEventList(&profile.xml, profile.path.constData(), 1, kNames);
        QCOMPARE(tiles(page).size(), 2);
        QCOMPARE(page.findChildren<DCustomEventWidget *>().size(), 1);
    }

    void emptyAndMissingProfiles()
    {
        Profile profile;
        DCustomEventListPage page;
        page.updateCustomEventList(&profile.xml, profile.path.constData(), 1, kNames);
        QCOMPARE(page.currentPage(), 1);
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("label_Tip"))->text(),
                 QStringLiteral("No custom features added"));

        const QByteArray missing = QFile::encodeName(profile.dir.filePath(QStringLiteral("none.xml")));
        page.updateCustomEventList(&profile.xml, missing.constData(), 1, kNames);
        QCOMPARE(page.currentPage(), 0);
        QVERIFY(tiles(page).isEmpty());

        // No store or no path: nothing changes.
        page.onCustomEventListIsEmpty();
        page.updateCustomEventList(nullptr, profile.path.constData(), 1, kNames);
        page.updateCustomEventList(&profile.xml, "", 1, kNames);
        QCOMPARE(page.currentPage(), 1);
    }

    void switchTilesNameTheirOwnTarget()
    {
        Profile profile;
        profile.assign(4, "A", "7", "0", "2");
        profile.assign(5, "B", "7", "0", "3");
        profile.assign(41, "Esc", "7", "0", "9");
        DCustomEventListPage page;
        page.updateCustomEventList(&profile.xml, profile.path.constData(), 1, kNames);
        const QList<DCustomEventListItem *> list = tiles(page);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0)->eventText(), QStringLiteral("Profile:Office"));
        QCOMPARE(list.at(1)->eventText(), QStringLiteral("Profile:Movies"));
        QCOMPARE(list.at(2)->eventText(), QStringLiteral("Profile:"));
    }

    void tileTexts_data()
    {
        QTest::addColumn<QByteArray>("operateType");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("remap") << QByteArray("0") << QByteArray("58") << "F1";
        QTest::newRow("remap, unnamed") << QByteArray("0") << QByteArray("77") << "";
        QTest::newRow("macro") << QByteArray("1") << QByteArray("0") << "Macro:Play once";
        QTest::newRow("combination") << QByteArray("2") << QByteArray("3,5") << "L_CTRL+L_SHIFT+B";
        QTest::newRow("multimedia") << QByteArray("3") << QByteArray("0") << "Volume Up";
        QTest::newRow("mouse") << QByteArray("4") << QByteArray("2") << "Mouse Right";
        QTest::newRow("text") << QByteArray("6") << QByteArray("<i>hi</i>") << "<i>hi</i>";
        QTest::newRow("program") << QByteArray("8") << QByteArray("/bin/b") << "/bin/b";
        QTest::newRow("shortcut") << QByteArray("9") << QByteArray("11") << "Save";
        QTest::newRow("other") << QByteArray("10") << QByteArray("0") << "Unknow";
    }

    void tileTexts()
    {
        QFETCH(QByteArray, operateType);
        QFETCH(QByteArray, value);
        QFETCH(QString, text);
        DCustomEventListItem tile;
        tile.setEventInfo(record("5", "B", operateType.constData(), value), kNames);
        auto *event = tile.findChild<QLabel *>(QStringLiteral("label_CustomEvent"));
        QCOMPARE(tile.eventText(), shown(event, text, 130));
        QCOMPARE(event->textFormat(), Qt::PlainText);
    }

    void longTextsAreElidedWithTheWholeTextAsTooltip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << "A"
                               << "Hello";
        QTest::newRow("long") << "Backspace Key" << QString(40, QLatin1Char('W'));
        QTest::newRow("markup") << "<b>Enter</b>"
                                << "<b>" + QString(40, QLatin1Char('M')) + "</b>";
    }

    void longTextsAreElidedWithTheWholeTextAsTooltip()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        DCustomEventListItem tile;
        tile.setEventInfo(record("4", name.toUtf8(), "6", text.toUtf8()), kNames);
        auto *key = tile.findChild<QLabel *>(QStringLiteral("label_Key"));
        auto *event = tile.findChild<QLabel *>(QStringLiteral("label_CustomEvent"));
        QCOMPARE(tile.keyText(), shown(key, name, 54));
        QCOMPARE(tile.eventText(), shown(event, text, 130));
        QCOMPARE(tile.keyToolTip(), tile.keyText() == name ? QString() : DCustomEventListItem::plainToolTip(name));
        QCOMPARE(tile.eventToolTip(), tile.eventText() == text ? QString() : DCustomEventListItem::plainToolTip(text));
        if (text.size() > 30) {
            QVERIFY(tile.eventText().endsWith(QChar(0x2026)));
            QVERIFY(!tile.eventToolTip().isEmpty());
        }
    }

    void markupInTooltipsShowsAsTyped()
    {
        QTextDocument document;
        document.setHtml(DCustomEventListItem::plainToolTip(QStringLiteral("<b>x</b> & y")));
        QCOMPARE(document.toPlainText(), QStringLiteral("<b>x</b> & y"));
        QCOMPARE(DCustomEventListItem::plainToolTip(QStringLiteral("plain")), QStringLiteral("plain"));
    }

    void pressReportsTheKey()
    {
        Profile profile;
        profile.assign(41, "Esc", "3", "0", "1");
        DCustomEventListPage page;
        QSignalSpy clicked(&page, &DCustomEventListPage::sigCustomEventItemMouseClicked);
        page.updateCustomEventList(&profile.xml, profile.path.constData(), 1, kNames);
        QCOMPARE(tiles(page).size(), 1);
        QTest::mouseClick(tiles(page).first(), Qt::RightButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 41);
        QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Esc"));
    }
};

QTEST_MAIN(tst_CustomEventList)
#include "tst_CustomEventList.moc"
