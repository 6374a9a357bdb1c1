// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowWidget.h"
#include "Contrast.h"
#include "DDataManager.h"
#include "keyboardButCustom.h"
#include "keyboardKeyTool.h"
#include "keyboardPage.h"
#include "xmlInterface.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QMap<int, QString> kNames = {{4, "A"}, {5, "B"}, {41, "Esc"}, {-10, "Fn"}};

// A profile file with two profiles, "Game" (1) and "Office" (2).
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
    }
    void assign(int code, const char *operateType, const char *mode, const QByteArray &value)
    {
        const QByteArray key = QByteArray::number(code);
        xml.addKeyMapItem(path.constData(), "1", key.constData(), "X", operateType, "1", mode, value.constData());
    }
};

QLabel *label(const keyboardKeyTool &card, const char *name)
{
    return card.findChild<QLabel *>(QLatin1String(name));
}

// What a label of 140 pixels shows of a text.
QString shown(const QLabel *label, const QString &text)
{
    const QFontMetrics metrics(label->font());
    return metrics.horizontalAdvance(text) >= 140 ? metrics.elidedText(text, Qt::ElideRight, 140) : text;
}

int aliveCards()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        count += (qobject_cast<keyboardKeyTool *>(widget) || qobject_cast<ArrowWidget *>(widget)) ? 1 : 0;
    return count;
}

void enter(QWidget *widget)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

class tst_KeyHoverCard : public QObject
{
    Q_OBJECT

private slots:
    void describesTheAssignment_data()
    {
        QTest::addColumn<QByteArray>("operateType");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("detail");
        QTest::newRow("no item") << QByteArray() << QByteArray() << QByteArray() << "Default"
                                 << "F5";
        QTest::newRow("remap") << QByteArray("0") << QByteArray("0") << QByteArray("41") << "Remap key"
                               << "Esc";
        QTest::newRow("remap, unnamed") << QByteArray("0") << QByteArray("0") << QByteArray("77") << "Remap key"
                                        << "";
        QTest::newRow("macro") << QByteArray("1") << QByteArray("3") << QByteArray("0") << "Macro"
                               << "Continous playback on/off";
        QTest::newRow("macro, bad mode") << QByteArray("1") << QByteArray("9") << QByteArray("0") << "Macro"
                                         << "";
        QTest::newRow("combination") << QByteArray("2") << QByteArray("0") << QByteArray("5,4") << "key combination"
                                     << "L_CTRL+L_ALT+A";
        QTest::newRow("combination, no modifier")
            << QByteArray("2") << QByteArray("0") << QByteArray("0,4") << "key combination"
            << "A";
        QTest::newRow("combination, unnamed")
            << QByteArray("2") << QByteArray("0") << QByteArray("5,200") << "key combination"
            << "L_CTRL+L_ALT";
        QTest::newRow("combination, right")
            << QByteArray("2") << QByteArray("0") << QByteArray("160,5") << "key combination"
            << "R_SHIFT+R_WIN+B";
        QTest::newRow("multimedia") << QByteArray("3") << QByteArray("0") << QByteArray("12") << "Multimedia"
                                    << "Email";
        QTest::newRow("multimedia 7") << QByteArray("3") << QByteArray("0") << QByteArray("7") << "Multimedia"
                                      << "";
        QTest::newRow("mouse") << QByteArray("4") << QByteArray("0") << QByteArray("0") << "Mouse"
                               << "Mouse Left";
        QTest::newRow("mouse 7") << QByteArray("4") << QByteArray("0") << QByteArray("7") << "Mouse"
                                 << "";
        QTest::newRow("disable") << QByteArray("5") << QByteArray("0") << QByteArray("0") << "Disable"
                                 << "Disable";
        QTest::newRow("text as typed") << QByteArray("6") << QByteArray("0") << QByteArray("<b>x</b>") << "Text"
                                       << "<b>x</b>";
        QTest::newRow("switch profile") << QByteArray("7") << QByteArray("0") << QByteArray("2") << "Switch profile"
                                        << "Profile:Office";
        QTest::newRow("switch, missing profile")
            << QByteArray("7") << QByteArray("0") << QByteArray("9") << "Switch profile"
            << "Profile:";
        QTest::newRow("program") << QByteArray("8") << QByteArray("0") << QByteArray("/bin/a") << "Launch application"
                                 << "/bin/a";
        QTest::newRow("shortcut") << QByteArray("9") << QByteArray("0") << QByteArray("5") << "Shortcuts"
                                  << "Copy";
        QTest::newRow("shortcut 1") << QByteArray("9") << QByteArray("0") << QByteArray("1") << "Shortcuts"
                                    << "";
        QTest::newRow("unknown 10") << QByteArray("10") << QByteArray("0") << QByteArray("0") << "Unknow"
                                    << "F5";
        QTest::newRow("other") << QByteArray("42") << QByteArray("0") << QByteArray("0") << "Default"
                               << "F5";
    }

    void describesTheAssignment()
    {
        QFETCH(QByteArray, operateType);
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, value);
        QFETCH(QString, kind);
        QFETCH(QString, detail);
        Profile profile;
        if (!operateType.isEmpty())
            profile.assign(62, operateType.constData(), mode.constData(), value);

        keyboardKeyTool card;
        card.setData(profile.path.constData(), "", &profile.xml, 1, kNames);
        card.setKeyInfo(QStringLiteral("ZK104A"), 62, QStringLiteral("F5"));
        QCOMPARE(card.captionText(), QStringLiteral("F5"));
        QCOMPARE(card.kindText(), kind);
        QCOMPARE(card.detailText(), shown(label(card, "label_Detail"), detail));
        QCOMPARE(card.isElided(), card.detailText() != detail);
        QCOMPARE(label(card, "label_Detail")->textFormat(), Qt::PlainText);
        QCOMPARE(label(card, "label_Caption")->textFormat(), Qt::PlainText);
    }

    void unreadableProfileShowsTheDefault()
    {
        keyboardKeyTool card;
        xmlInterface xml;
        card.setData("/nonexistent/brivexProFile.xml", "", &xml, 1, kNames);
        card.setKeyInfo(QStringLiteral("ZK104A"), 4, QStringLiteral("A"));
        QCOMPARE(card.kindText(), QStringLiteral("Default"));
        QCOMPARE(card.detailText(), QStringLiteral("A"));
    }

    void unassignableKeys_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("code");
        QTest::newRow("Fn") << "ZK104A" << -10;
        QTest::newRow("Esc on ZK87R") << "ZK87R" << 41;
    }

    void unassignableKeys()
    {
        QFETCH(QString, model);
        QFETCH(int, code);
        Profile profile;
        profile.assign(code, "3", "0", "0");
        keyboardKeyTool card;
        card.setData(profile.path.constData(), "", &profile.xml, 1, kNames);
        card.setTextStyle(QStringLiteral("color: rgb(1,2,3); font: 75 12pt \"Sans\";"));
        card.setKeyInfo(model, code, QStringLiteral("K"));
        QLabel *detail = label(card, "label_Detail");
        QCOMPARE(card.detailText(), shown(detail, QStringLiteral("Cannot be remapped")));
        QVERIFY(detail->styleSheet().contains(QStringLiteral("rgb(1,2,3)")));

        QVERIFY(!keyboardKeyTool::isUnassignable(QStringLiteral("ZK104A"), 41));
    }

    void longDetailEndsInAnEllipsis()
    {
        Profile profile;
        const QString text = QString(60, QLatin1Char('W'));
        profile.assign(4, "6", "0", text.toUtf8());
        keyboardKeyTool card;
        card.setData(profile.path.constData(), "", &profile.xml, 1, kNames);
        card.setKeyInfo(QStringLiteral("ZK104A"), 4, QStringLiteral("A"));
        QVERIFY(card.isElided());
        QVERIFY(card.detailText().endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(label(card, "label_Detail")->font()).horizontalAdvance(card.detailText()) <= 140);
    }

    void textReadsInEveryTheme_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("picture");
        for (int theme = 0; theme < 5; ++theme) {
            for (bool picture : {false, true})
                QTest::newRow(qPrintable(QStringLiteral("theme %1 picture %2").arg(theme).arg(picture)))
                    << theme << picture;
        }
    }

    // Every text of the card, the plain and the highlighted (a key that cannot be assigned), has a
    // contrast ratio of at least 4.5 on the popup's background.
    void textReadsInEveryTheme()
    {
        QFETCH(int, theme);
        QFETCH(bool, picture);
        DDataManager *data = DDataManager::getInstance();
        data->setBgImageIsUsing(picture);
        data->loadThemeConfig(theme);
        const QStringList bg = data->getThemeColor().AllBgColor.split(QLatin1Char(','));
        const QColor background(bg.value(0).toInt(), bg.value(1).toInt(), bg.value(2).toInt());
        keyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("ZK87R"));
        page.applyTheme();
        page.show();
        for (int code : {4, 38}) {
            keyboardButCustom *key = page.getKeyButtonMap().value(code);
            QVERIFY(key);
            enter(key);
            QVERIFY(page.keyTipPopup());
            for (QLabel *text : page.keyTipPopup()->findChildren<QLabel *>()) {
                text->ensurePolished();
                const QColor colour = text->palette().color(QPalette::WindowText);
                QVERIFY2(contrastRatio(colour, background) >= 4.5,
                         qPrintable(QStringLiteral("key %1 %2: %3 on %4")
                                        .arg(code)
                                        .arg(text->objectName(), colour.name(), background.name())));
            }
            leave(key);
        }
        data->setBgImageIsUsing(false);
        data->loadThemeConfig(0);
    }

    void viewOpensTheCardOverTheKey()
    {
        Profile profile;
        profile.assign(4, "7", "0", "2");
        keyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("ZK104A"));
        page.setProfileXml(QString::fromLocal8Bit(profile.path), QString(), &profile.xml);
        page.setKeyNameMap(kNames);
        page.resize(800, 400);
        page.show();
        keyboardButCustom *key = page.getKeyButtonMap().value(4);
        QVERIFY(key);

        enter(key);
        ArrowWidget *popup = page.keyTipPopup();
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->size(), QSize(230, 120));
        const QPoint anchor = key->mapToGlobal(QPoint(key->width() / 2, key->height()));
        QCOMPARE(popup->pos(), anchor - QPoint(115, key->height() + 120));
        auto *card = popup->findChild<keyboardKeyTool *>();
        QVERIFY(card);
        QCOMPARE(card->kindText(), QStringLiteral("Switch profile"));
        QCOMPARE(card->detailText(), QStringLiteral("Profile:Office"));
        leave(key);
        QVERIFY(!page.keyTipPopup());
    }

    void cardsNeverOutliveTheirUse()
    {
        keyboardPage page;
        page.loadKeyboardInfo(QStringLiteral("ZK104A"));
        page.show();
        keyboardButCustom *a = page.getKeyButtonMap().value(4);
        keyboardButCustom *b = page.getKeyButtonMap().value(5);
        const int before = aliveCards();

        for (int i = 0; i < 5; ++i) {
            enter(a);
            enter(b);  // a leave that never came
            leave(b);
        }
        QCOMPARE(aliveCards(), before);

        enter(a);
        QCOMPARE(aliveCards(), before + 2);  // one popup and its card
        page.hideKeyToolTips();
        QCOMPARE(aliveCards(), before);
        QVERIFY(!page.keyTipPopup());

        // A card hidden on deactivation goes at the next leave.
        enter(a);
        page.keyTipPopup()->hide();
        leave(a);
        QCOMPARE(aliveCards(), before);

        enter(a);
        page.setLightMode(true);
        QCOMPARE(aliveCards(), before);
        enter(a);
        QCOMPARE(aliveCards(), before);  // no cards in light mode
        page.setLightMode(false);
        enter(a);
        QCOMPARE(aliveCards(), before + 2);
    }
};

QTEST_MAIN(tst_KeyHoverCard)
#include "tst_KeyHoverCard.moc"
