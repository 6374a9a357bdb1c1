// SPDX-License-Identifier: GPL-3.0-or-later
#include "DHomeDeviceListItem.h"

#include <QFrame>
#include <QImage>
#include <QtTest>

namespace {

// True when some pixel is drawn at all.
bool hasDrawing(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

}  // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void resourcePictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("shownSize");  // empty: no fixed size
        const QStringList themes = {"Black", "Light", "Blue", "Pink", "Other"};
        QTest::newRow("logo") << ":/images/brivexLogo.png" << QSize(30, 30);
        QTest::newRow("tray") << ":/images/trayLogo.ico" << QSize(32, 32);
        QTest::newRow("wide logo") << ":/images/leftTopLogo.png" << QSize(200, 30);
        for (const QString &theme : themes)
            QTest::newRow(qPrintable("wide logo " + theme))
                << QString(":/images/mainpage/leftTopLogo_%1.png").arg(theme) << QSize(200, 30);
        for (const char *button : {"setting", "minWindow", "maxWindow", "intoMaxWindow", "closeWindow"}) {
            for (const char *state : {"Def", "Sel"}) {
                QTest::newRow(qPrintable(QString(button) + state))
                    << QString(":/images/mainpage/%1%2.png").arg(button, state) << QSize(18, 18);
            }
        }
        QTest::newRow("no device") << ":/images/NoConnect.png" << QSize(160, 160);
        for (const char *arrow : {"comboxDef", "comboxSel"})
            QTest::newRow(arrow) << QString(":/images/publicIco/%1.png").arg(arrow) << QSize(10, 10);
        for (const char *box : {"checkBoxDef", "checkBoxSel"})
            QTest::newRow(box) << QString(":/images/publicIco/%1.png").arg(box) << QSize(13, 13);
        for (const char *link : {"Brivex", "JD", "TaoBao", "WeChatPublic", "WeiBo"})
            QTest::newRow(link) << QString(":/images/home/%1.png").arg(link) << QSize(75, 75);
        QTest::newRow("chat code") << ":/images/LoadImages/WeChatQR.png" << QSize(145, 145);
        QTest::newRow("social code") << ":/images/LoadImages/WeiBoQR.png" << QSize(145, 145);
        QTest::newRow("default card") << ":/images/deviceLogo/Keyboard_Gameing.png" << QSize();
    }

    // Every picture the forms name is there, drawn, and no smaller than it is shown.
    void resourcePictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, shownSize);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QVERIFY(hasDrawing(image));
        if (shownSize.isValid()) {
            QVERIFY(image.width() >= shownSize.width() && image.height() >= shownSize.height());
            // Square pictures stay square, wide ones keep their proportion.
            QCOMPARE(image.width() * shownSize.height(), image.height() * shownSize.width());
        }
    }

    void cardPictures_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("deviceType");
        for (const char *model : {"ZK87A", "ZK87B", "ZK87C", "ZK87R", "ZK87S", "ZK87W", "ZK104A", "ZK104B", "ZK104C",
                                  "ZK104R", "ZK104S", "ZK104W"})
            QTest::newRow(model) << model << 0;
        QTest::newRow("ZM1") << "ZM1" << 1;
    }

    // Each model has its card picture beside the program, in the proportions of the frame the
    // card shows it in, so that the drawing is not stretched.
    void cardPictures()
    {
        QFETCH(QString, model);
        QFETCH(int, deviceType);
        const QImage image(QString(ZELKA_BIN_DIR "/images/hidImages/Keyboard_%1.png").arg(model));
        QVERIFY2(!image.isNull(), qPrintable(model));
        QVERIFY(hasDrawing(image));

        QWidget holder;
        auto *card = new DHomeDeviceListItem(&holder);
        card->setDeviceInfo(1, 2, "path", "m", "p", model, deviceType);
        card->setFixedSize(460, 210);
        holder.show();
        QCoreApplication::processEvents();
        // The mouse's picture is also the mouse pages' drawing, on which they place the LED buttons
        // and leader lines at its own proportions: the card shows it somewhat narrower.
        if (deviceType == 1)
            return;
        const QFrame *frame = card->findChild<QFrame *>("frame_DeviceLogo");
        const double shown = double(frame->width()) / frame->height();
        const double drawn = double(image.width()) / image.height();
        QVERIFY2(qAbs(shown - drawn) / shown < 0.03, qPrintable(QString("frame %1x%2, picture %3x%4")
                                                                    .arg(frame->width())
                                                                    .arg(frame->height())
                                                                    .arg(image.width())
                                                                    .arg(image.height())));
        QVERIFY(image.height() >= frame->height());
    }
};

QTEST_MAIN(tst_Pictures)
#include "tst_Pictures.moc"
