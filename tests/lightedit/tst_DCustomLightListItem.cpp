// SPDX-License-Identifier: GPL-3.0-or-later
// A row of the custom lighting list on a real profile file with two profiles, each holding a
// custom lighting with index "1": the check box, the editor, the rename and its failures, the
// name limit and the looks.

#include "CustomLightItemInfo.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "xmlInterface.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Profile {
    QTemporaryDir dir;
    QByteArray path;
    xmlInterface xml;

    Profile()
        : path(QFile::encodeName(dir.filePath(QStringLiteral("profile.xml"))))
    {
        xml.createXmlFile(path.constData());
        xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", 0);
        xml.addProfileConfig(path.constData(), "2", "Profile 2", "", "", 0);
        xml.addCustomLed(path.constData(), "1", "1", "Alpha", "Using", 0);
        xml.addCustomLed(path.constData(), "2", "1", "Beta", "UnUsing", -1);
    }

    QByteArray bytes() const
    {
        QFile file(QString::fromLocal8Bit(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString name(const char *profile, const char *index = "1")
    {
        QList<CustomLedInfo> leds;
        xml.getCustomLeds(path.constData(), profile, &leds);
        for (const CustomLedInfo &led : qAsConst(leds)) {
            if (qstrcmp(led.index, index) == 0)
                return QString::fromUtf8(led.name);
        }
        return QStringLiteral("<none>");
    }
};

CustomLightItemInfo info(const QString &profile, const QString &index, const QString &name, const QString &isUsing)
{
    CustomLightItemInfo i;
    i.profileIndex = profile;
    i.index = index;
    i.name = name;
    i.isUsing = isUsing;
    i.usingFlagIndex = isUsing == QLatin1String("Using") ? 0 : -1;
    return i;
}

template <class T>
T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no widget %s", name);
    return c;
}

std::unique_ptr<DCustomLightListItem> row(Profile &profile, const QString &profileIndex = QStringLiteral("1"),
                                          const QString &index = QStringLiteral("1"))
{
    auto r = std::make_unique<DCustomLightListItem>();
    r->setProfileXml(profile.path.constData(), &profile.xml);
    r->setCustomLightInfo(info(profileIndex, index, QStringLiteral("Alpha"), QStringLiteral("Using")));
    r->resize(400, 32);
    r->show();
    return r;
}

bool editing(DCustomLightListItem &r)
{
    return child<QStackedWidget>(r, "stackedWidget")->currentWidget() == child<QWidget>(r, "page_ModifyName");
}

void openEditor(DCustomLightListItem &r)
{
    QTest::mouseDClick(child<QLabel>(r, "label_CustomItemName"), Qt::LeftButton);
    QVERIFY(editing(r));
}

// Key clicks that carry any character, not only Latin-1 ones.
void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void typeName(DCustomLightListItem &r, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(r, "lineEdit_CustomItemName");
    edit->selectAll();
    edit->del();
    typeText(edit, text);
}

}  // namespace

class tst_DCustomLightListItem : public QObject
{
    Q_OBJECT

private slots:
    void usingText_data();
    void usingText();
    void onlyTheUsersClickReportsUse();
    void doubleClickAndCancel();
    void emptyNameIsRefused();
    void spacesAreWritten();
    void renameChangesOnlyItsProfile();
    void renameFailures_data();
    void renameFailures();
    void nameLimit();
    void nameIsPlainText();
    void selectedLook();
};

void tst_DCustomLightListItem::usingText_data()
{
    QTest::addColumn<QString>("isUsing");
    QTest::addColumn<bool>("checked");
    QTest::newRow("Using") << "Using" << true;
    QTest::newRow("UnUsing") << "UnUsing" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("using") << "using" << false;
}

void tst_DCustomLightListItem::usingText()
{
    QFETCH(QString, isUsing);
    QFETCH(bool, checked);
    DCustomLightListItem r;
    r.setUsingStatus(!checked);
    r.setCustomLightInfo(info(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("A"), isUsing));
    QCOMPARE(child<QCheckBox>(r, "checkBox")->isChecked(), checked);
    QCOMPARE(r.getIsUsing(), isUsing);
}

void tst_DCustomLightListItem::onlyTheUsersClickReportsUse()
{
    Profile profile;
    auto r = row(profile);
    QSignalSpy use(r.get(), &DCustomLightListItem::sigCustomLightUsingStatus);
    QSignalSpy clicked(r.get(), &DCustomLightListItem::sigCustomLightItemMouseClicked);
    r->setUsingStatus(false);
    r->setUsingStatus(true);
    r->setCustomLightInfo(
        info(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("Alpha"), QStringLiteral("UnUsing")));
    QCOMPARE(use.count(), 0);
    QTest::mouseClick(child<QCheckBox>(*r, "checkBox"), Qt::LeftButton);
    QCOMPARE(use.count(), 1);
    QCOMPARE(use.at(0).at(0).toBool(), true);
    QCOMPARE(clicked.count(), 0);  // the box's own click is not a click on the row
    // setIsUsing changes the text only, not the box.
    r->setIsUsing(QStringLiteral("UnUsing"));
    QVERIFY(child<QCheckBox>(*r, "checkBox")->isChecked());
}

void tst_DCustomLightListItem::doubleClickAndCancel()
{
    Profile profile;
    auto r = row(profile);
    openEditor(*r);
    QCOMPARE(child<QLineEdit>(*r, "lineEdit_CustomItemName")->text(), QStringLiteral("Alpha"));
    typeName(*r, QStringLiteral("Typed"));
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Cancel"), Qt::LeftButton);
    QVERIFY(!editing(*r));
    QCOMPARE(r->getName(), QStringLiteral("Alpha"));
    QCOMPARE(child<QLabel>(*r, "label_CustomItemName")->text(), QStringLiteral("Alpha"));
    openEditor(*r);
    QCOMPARE(child<QLineEdit>(*r, "lineEdit_CustomItemName")->text(), QStringLiteral("Alpha"));
    QCOMPARE(profile.name("1"), QStringLiteral("Alpha"));
}

void tst_DCustomLightListItem::emptyNameIsRefused()
{
    Profile profile;
    auto r = row(profile);
    const QByteArray before = profile.bytes();
    QSignalSpy empty(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty);
    QSignalSpy success(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameSuccess);
    QSignalSpy failed(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameFailed);
    openEditor(*r);
    typeName(*r, QString());
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Save"), Qt::LeftButton);
    QCOMPARE(empty.count(), 1);
    QCOMPARE(success.count(), 0);
    QCOMPARE(failed.count(), 0);
    QVERIFY(editing(*r));
    QCOMPARE(profile.bytes(), before);
}

void tst_DCustomLightListItem::spacesAreWritten()
{
    Profile profile;
    auto r = row(profile);
    QSignalSpy success(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameSuccess);
    openEditor(*r);
    typeName(*r, QStringLiteral("   "));
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Save"), Qt::LeftButton);
    QCOMPARE(success.count(), 1);
    QCOMPARE(profile.name("1"), QStringLiteral("   "));
    QCOMPARE(r->getName(), QStringLiteral("   "));
}

void tst_DCustomLightListItem::renameChangesOnlyItsProfile()
{
    Profile profile;
    auto r = row(profile);
    QSignalSpy success(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameSuccess);
    QSignalSpy clicked(r.get(), &DCustomLightListItem::sigCustomLightItemMouseClicked);
    openEditor(*r);
    typeName(*r, QStringLiteral("Gamma"));
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Save"), Qt::LeftButton);
    QCOMPARE(success.count(), 1);
    QVERIFY(!editing(*r));
    QCOMPARE(child<QLabel>(*r, "label_CustomItemName")->text(), QStringLiteral("Gamma"));
    QCOMPARE(profile.name("1"), QStringLiteral("Gamma"));
    QCOMPARE(profile.name("2"), QStringLiteral("Beta"));

    clicked.clear();
    QTest::mouseClick(child<QLabel>(*r, "label_CustomItemName"), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("1"));
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Gamma"));
}

void tst_DCustomLightListItem::renameFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("profile index not in the file") << "noProfile";
    QTest::newRow("customLed missing") << "noCustomLed";
    QTest::newRow("file does not parse") << "unparsable";
    QTest::newRow("no store") << "noStore";
}

void tst_DCustomLightListItem::renameFailures()
{
    QFETCH(QString, kind);
    Profile profile;
    auto r = row(profile, kind == QLatin1String("noProfile") ? QStringLiteral("7") : QStringLiteral("1"),
                 kind == QLatin1String("noCustomLed") ? QStringLiteral("5") : QStringLiteral("1"));
    if (kind == QLatin1String("noStore"))
        r->setProfileXml(nullptr, nullptr);
    if (kind == QLatin1String("unparsable")) {
        QFile file(QString::fromLocal8Bit(profile.path));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<Parameters><config index=\"1\"><customLight><customLed index=\"1\"");
    }
    const QByteArray before = profile.bytes();
    QSignalSpy success(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameSuccess);
    QSignalSpy failed(r.get(), &DCustomLightListItem::sigModifyCustomLightItemNameFailed);
    openEditor(*r);
    typeName(*r, QStringLiteral("Delta"));
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Save"), Qt::LeftButton);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(success.count(), 0);
    QCOMPARE(profile.bytes(), before);
    QVERIFY(editing(*r));
    QCOMPARE(child<QLineEdit>(*r, "lineEdit_CustomItemName")->text(), QStringLiteral("Delta"));
    QCOMPARE(r->getName(), QStringLiteral("Alpha"));
    QCOMPARE(child<QLabel>(*r, "label_CustomItemName")->text(), QStringLiteral("Alpha"));
}

void tst_DCustomLightListItem::nameLimit()
{
    Profile profile;
    auto r = row(profile);
    openEditor(*r);
    QLineEdit *edit = child<QLineEdit>(*r, "lineEdit_CustomItemName");
    const QString euro(QChar(0x20AC));  // three bytes of UTF-8
    const QString longest = euro.repeated(21);
    typeName(*r, longest);
    QCOMPARE(edit->text(), longest);
    typeText(edit, euro);
    QCOMPARE(edit->text(), longest);
    typeText(edit, QStringLiteral("a"));
    QCOMPARE(edit->text(), longest);
    // A paste past the limit is refused as a whole.
    edit->selectAll();
    edit->del();
    edit->insert(longest + QLatin1Char('x'));
    QCOMPARE(edit->text(), QString());
    edit->insert(longest);
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Save"), Qt::LeftButton);
    QCOMPARE(profile.name("1"), longest);
}

void tst_DCustomLightListItem::nameIsPlainText()
{
    Profile profile;
    auto r = row(profile);
    openEditor(*r);
    typeName(*r, QStringLiteral("<b>x</b>"));
    QTest::mouseClick(child<QPushButton>(*r, "pushButton_Save"), Qt::LeftButton);
    QLabel *label = child<QLabel>(*r, "label_CustomItemName");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), QStringLiteral("<b>x</b>"));
    // Shown as eight characters, wider than the one letter the markup would leave.
    QVERIFY(label->sizeHint().width() > label->fontMetrics().horizontalAdvance(QStringLiteral("xxxx")));
    QCOMPARE(profile.name("1"), QStringLiteral("<b>x</b>"));
}

void tst_DCustomLightListItem::selectedLook()
{
    DDataManager::getInstance()->loadThemeConfig(0);
    Profile profile;
    auto selected = row(profile);
    auto plain = row(profile);
    selected->setSelected(true);
    QFrame *frame = child<QFrame>(*selected, "frame_5");
    QFrame *plainFrame = child<QFrame>(*plain, "frame_5");
    QVERIFY(QTest::qWaitForWindowExposed(selected.get()));

    const auto looks = [](QWidget *w) {
        w->setAttribute(Qt::WA_UnderMouse, false);
        const QImage away = w->grab().toImage();
        w->setAttribute(Qt::WA_UnderMouse, true);
        const QImage over = w->grab().toImage();
        w->setAttribute(Qt::WA_UnderMouse, false);
        return qMakePair(away, over);
    };
    const auto selectedLooks = looks(frame);
    QCOMPARE(selectedLooks.first, selectedLooks.second);
    const auto plainLooks = looks(plainFrame);
    QVERIFY(plainLooks.first != plainLooks.second);
    // The selected background is the unselected row's hover background.
    QCOMPARE(selectedLooks.first.pixelColor(5, 5), plainLooks.second.pixelColor(5, 5));

    const QString sheet = frame->styleSheet();
    selected->applyTheme();
    QCOMPARE(frame->styleSheet(), sheet);
    QVERIFY(!sheet.contains(QStringLiteral(":hover")));
    const auto afterTheme = looks(frame);
    QCOMPARE(afterTheme.first, selectedLooks.first);
    QCOMPARE(afterTheme.second, selectedLooks.first);
    QVERIFY(!plainFrame->styleSheet().contains(QStringLiteral("rgb(0,0,0,1)")));
}

QTEST_MAIN(tst_DCustomLightListItem)
#include "tst_DCustomLightListItem.moc"
