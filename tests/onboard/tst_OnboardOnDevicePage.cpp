// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board editor on the device page with an emulated keyboard: the first entry into
// on-board mode makes the files (a configuration with the QWERTY template in the Default layer,
// quietly), the view shows the layer's functions, the layer buttons switch what it shows, and the
// explanation popup lives only while the pointer rests on its button.

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DOnboardPage.h"
#include "Emulator.h"
#include "SoftKeyboardButCustom.h"
#include "xmlInterface.h"

#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kLoadTimeoutMs = 10000;

struct PageFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    DDevicePage page;
    PageFixture() { page.setMacroXml(macroPath.constData(), &xml); }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page.findChild<T *>(QLatin1String(name));
    }
};

hidStructInfo record(emu::DeviceId id, const QString &model)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model.toUtf8().constData(), sizeof info.hidName - 1);
    info.deviceType = 0;
    return info;
}

QString functionOf(const DDevicePage &page, int code)
{
    SoftKeyboardButCustom *button = page.onboardPage()->getKeyButtonMap().value(code);
    return button ? QString::number(button->getOperateType()) + QLatin1Char(':') + button->getFunctionText()
                  : QStringLiteral("no key");
}

}  // namespace

class tst_OnboardOnDevicePage : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }
    void firstEntry_data();
    void firstEntry();
    void explainPopup();
};

void tst_OnboardOnDevicePage::firstEntry_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("fn1Codes");
    QTest::newRow("ZK87A") << QStringLiteral("ZK87A") << QList<int>{-10};
    QTest::newRow("ZK87R") << QStringLiteral("ZK87R") << QList<int>{251, 41};
}

void tst_OnboardOnDevicePage::firstEntry()
{
    QFETCH(QString, model);
    QFETCH(QList<int>, fn1Codes);
    emu::DeviceSpec spec = emu::keyboardSpec(model);
    spec.serial = QByteArray(32, 'k');
    const emu::DeviceId kb = emu::plug(spec);
    PageFixture f;
    f.page.setHidStructInfoList({record(kb, model)});
    QTRY_VERIFY_WITH_TIMEOUT(!f.page.profileXmlPath().isEmpty(), kLoadTimeoutMs);
    auto *notice = f.page.findChild<CbNotice *>();
    const QString noticeBefore = notice->text();

    f.child<QPushButton>("pushButton_OnboardMode")->click();
    QVERIFY(f.page.onboardPage());
    QCOMPARE(f.page.onboardPage()->keyboardModel(), model);
    QCOMPARE(notice->text(), noticeBefore);  // no toast on the quiet first entry

    const QString folder = QFileInfo(QFile::decodeName(f.page.profileXmlPath())).absolutePath();
    const QByteArray def = QFile::encodeName(folder + QStringLiteral("/OnboardDefaultProFile.xml"));
    const QByteArray fn1 = QFile::encodeName(folder + QStringLiteral("/OnboardFN1ProFile.xml"));
    ProfileConfigInfo info{};
    f.xml.getProfileInfo(def.constData(), "1", &info);
    QCOMPARE(QByteArray(info.name), QByteArray("Profile_QWERTY"));
    QStringList codes;
    f.xml.getKeyMapCodes(fn1.constData(), "1", &codes);
    QStringList expected;
    for (int code : fn1Codes)
        expected << QString::number(code);
    QCOMPARE(codes, expected);

    // Default layer: every key sends itself.
    QCOMPARE(functionOf(f.page, 4).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));
    QCOMPARE(functionOf(f.page, 225).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));
    // FN1 layer: only its first records; layer 2 shows nothing and reads no file.
    f.child<QPushButton>("pushButton_FN1")->click();
    QCOMPARE(f.page.onboardLayer(), 1);
    QCOMPARE(functionOf(f.page, 4), QStringLiteral("-1:"));
    QCOMPARE(functionOf(f.page, fn1Codes.first()).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));
    f.child<QPushButton>("pushButton_Default")->click();
    QCOMPARE(f.page.onboardLayer(), 0);
    QCOMPARE(functionOf(f.page, 4).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));

    f.child<QPushButton>("pushButton_AppMode")->click();
    QVERIFY(!f.page.onboardPage());
}

void tst_OnboardOnDevicePage::explainPopup()
{
    QPointer<ArrowWidget> popup;
    {
        PageFixture f;
        auto *button = f.child<QToolButton>("toolButton_Explain");
        QVERIFY(button);
        QEvent enter(QEvent::Enter);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &enter);
        popup = f.page.explainPopup();
        QVERIFY(popup);
        QCoreApplication::sendEvent(button, &enter);  // a second entry replaces the first
        QVERIFY(!popup);
        popup = f.page.explainPopup();
        QVERIFY(popup);
        QCoreApplication::sendEvent(button, &leave);
        QVERIFY(!popup);
        QCoreApplication::sendEvent(button, &enter);
        popup = f.page.explainPopup();
        QVERIFY(popup);
    }
    QVERIFY(!popup);  // gone with the page
}

QTEST_MAIN(tst_OnboardOnDevicePage)
#include "tst_OnboardOnDevicePage.moc"
