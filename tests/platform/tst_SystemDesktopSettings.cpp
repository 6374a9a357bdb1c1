// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's settings tools: which commands each desktop tries, and that the first one found
// on PATH is started detached, without a shell, and not waited for.

#include "SystemDesktopSettings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_SystemDesktopSettings : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void startsTheFirstFoundDetached();
    void noToolFound();
};

void tst_SystemDesktopSettings::commands_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("firstKeyboard");
    QTest::addColumn<QString>("firstMouse");

    QTest::newRow("GNOME") << "GNOME"
                           << "gnome-control-center keyboard"
                           << "gnome-control-center mouse";
    QTest::newRow("Ubuntu's list") << "ubuntu:GNOME"
                                   << "gnome-control-center keyboard"
                                   << "gnome-control-center mouse";
    QTest::newRow("KDE") << "KDE"
                         << "systemsettings kcm_keyboard"
                         << "systemsettings kcm_mouse";
    QTest::newRow("Xfce, other case") << "xfce"
                                      << "xfce4-keyboard-settings"
                                      << "xfce4-mouse-settings";
    QTest::newRow("Cinnamon") << "X-Cinnamon"
                              << "cinnamon-settings keyboard"
                              << "cinnamon-settings mouse";
    QTest::newRow("unknown tries all") << "Nowhere"
                                       << "gnome-control-center keyboard"
                                       << "gnome-control-center mouse";
}

void tst_SystemDesktopSettings::commands()
{
    QFETCH(QString, desktop);
    QFETCH(QString, firstKeyboard);
    QFETCH(QString, firstMouse);

    const QList<QStringList> keyboard = SystemDesktopSettings::keyboardCommands(desktop);
    const QList<QStringList> mouse = SystemDesktopSettings::mouseCommands(desktop);
    QVERIFY(!keyboard.isEmpty());
    QCOMPARE(keyboard.first().join(' '), firstKeyboard);
    QCOMPARE(mouse.first().join(' '), firstMouse);
    if (desktop == QLatin1String("Nowhere"))
        QVERIFY(keyboard.size() > 5);
}

void tst_SystemDesktopSettings::startsTheFirstFoundDetached()
{
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QString mark = bin.filePath(QStringLiteral("started"));
    // Only the second tool of the desktop exists; it records its arguments and keeps running.
    QFile tool(bin.filePath(QStringLiteral("systemsettings5")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write(QStringLiteral(
                   "#!/bin/sh\necho \"$@\" > '%1.part' && /bin/mv '%1.part' '%1'\nexec /bin/sleep 15 >/dev/null 2>&1\n")
                   .arg(mark)
                   .toUtf8());
    tool.close();
    QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QByteArray oldPath = qgetenv("PATH");
    const QByteArray oldDesktop = qgetenv("XDG_CURRENT_DESKTOP");
    qputenv("PATH", QFile::encodeName(bin.path()));
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    SystemDesktopSettings settings;
    QElapsedTimer timer;
    timer.start();
    const bool started = settings.openKeyboardSettings();
    const qint64 took = timer.elapsed();
    qputenv("PATH", oldPath);
    qputenv("XDG_CURRENT_DESKTOP", oldDesktop);

    QVERIFY(started);
    QVERIFY2(took < 10000, "waited for the settings tool");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
    QFile args(mark);
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(args.readAll().trimmed(), QByteArray("kcm_keyboard"));
}

void tst_SystemDesktopSettings::noToolFound()
{
    QTemporaryDir empty;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    SystemDesktopSettings settings;
    const bool keyboard = settings.openKeyboardSettings();
    const bool mouse = settings.openMouseSettings();
    qputenv("PATH", oldPath);
    QVERIFY(!keyboard);
    QVERIFY(!mouse);
}

QTEST_GUILESS_MAIN(tst_SystemDesktopSettings)
#include "tst_SystemDesktopSettings.moc"
