// SPDX-License-Identifier: GPL-3.0-or-later
// A test-only program for the lighting editor on a real X server: the keyboard panel on a
// temporary profile with Wave loaded, two custom-light rows beside it, and with --prompt the save
// prompt over a mask, run as the device page runs it. It prints every signal, the profile's path
// and the screen points a script clicks, one line each:
//   profile <path>
//   point <name> <x> <y>
//   signal <name> [arguments]
//   ready
//   zelka-lightedit-acceptance <theme index> [--prompt]

#include "ColorWheelTool.h"
#include "CustomLightItemInfo.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DTipInfoDia.h"
#include "SliderToolArea.h"
#include "SVColorArea.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void point(const QString &name, QWidget *w, QPoint local)
{
    const QPoint p = w->mapToGlobal(local);
    say(QStringLiteral("point %1 %2 %3").arg(name).arg(p.x()).arg(p.y()));
}

QString rgb(const QString &text)
{
    return text.count(QLatin1Char(',')) >= 3 ? QStringLiteral("rgba(%1)").arg(text)
                                             : QStringLiteral("rgb(%1)").arg(text);
}

void reportSignals(ColorWheelTool *panel)
{
    QObject::connect(panel, &ColorWheelTool::sigLightConfigHaveChanged, [panel](int from, int zone) {
        const colorInfoData d = panel->getColorInfoData();
        say(QStringLiteral("signal sigLightConfigHaveChanged %1 %2 colour %3 %4 %5 brightness %6")
                .arg(from)
                .arg(zone)
                .arg(d.ledModeR)
                .arg(d.ledModeG)
                .arg(d.ledModeB)
                .arg(d.ledBrightness));
    });
    QObject::connect(panel, &ColorWheelTool::sigSelectKeyboardLightType,
                     [](int t) { say(QStringLiteral("signal sigSelectKeyboardLightType %1").arg(t)); });
    QObject::connect(panel, &ColorWheelTool::sigSelectSideLightType,
                     [](int t) { say(QStringLiteral("signal sigSelectSideLightType %1").arg(t)); });
    QObject::connect(panel, &ColorWheelTool::sigLightOpenOrCloseType,
                     [](int v) { say(QStringLiteral("signal sigLightOpenOrCloseType %1").arg(v)); });
    QObject::connect(panel, &ColorWheelTool::sigSendSetKeyboardColorData,
                     [] { say(QStringLiteral("signal sigSendSetKeyboardColorData")); });
    QObject::connect(panel, &ColorWheelTool::sigSendSetSideColorData,
                     [] { say(QStringLiteral("signal sigSendSetSideColorData")); });
    QObject::connect(panel, &ColorWheelTool::sigSetLightEffectSuccessful,
                     [] { say(QStringLiteral("signal sigSetLightEffectSuccessful")); });
    QObject::connect(panel, &ColorWheelTool::sigSetLightEffectFailed,
                     [] { say(QStringLiteral("signal sigSetLightEffectFailed")); });
    QObject::connect(panel, &ColorWheelTool::sigSendSetMouseColorData,
                     [](int zone) { say(QStringLiteral("signal sigSendSetMouseColorData %1").arg(zone)); });
    QObject::connect(panel, &ColorWheelTool::sigSelectightTypeMouseAround,
                     [](int t) { say(QStringLiteral("signal sigSelectightTypeMouseAround %1").arg(t)); });
    QObject::connect(panel, &ColorWheelTool::sigSelectightTypeMouseScroll,
                     [](int t) { say(QStringLiteral("signal sigSelectightTypeMouseScroll %1").arg(t)); });
    QObject::connect(panel, &ColorWheelTool::sigSelectightTypeMouseLogo,
                     [](int t) { say(QStringLiteral("signal sigSelectightTypeMouseLogo %1").arg(t)); });
    QObject::connect(panel, &ColorWheelTool::sigSendUpdataColorBuildUp, [](QList<double> stops, QList<QColor>) {
        say(QStringLiteral("signal sigSendUpdataColorBuildUp %1").arg(stops.size()));
    });
    QObject::connect(panel, &ColorWheelTool::sigSendKeyboardAndSideLightSpeedAndBrightness,
                     [](int keySpeed, int keyBrightness, int sideSpeed, int sideBrightness) {
                         say(QStringLiteral("signal sigSendKeyboardAndSideLightSpeedAndBrightness %1 %2 %3 %4")
                                 .arg(keySpeed)
                                 .arg(keyBrightness)
                                 .arg(sideSpeed)
                                 .arg(sideBrightness));
                     });
    QObject::connect(panel, &ColorWheelTool::sigLightCancelSettings,
                     [](int zone) { say(QStringLiteral("signal sigLightCancelSettings %1").arg(zone)); });
}

void reportSignals(DCustomLightListItem *row, const QString &name)
{
    QObject::connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, [name](QString index, QString n) {
        say(QStringLiteral("signal %1 sigCustomLightItemMouseClicked %2 %3").arg(name, index, n));
    });
    QObject::connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, [name](bool using_) {
        say(QStringLiteral("signal %1 sigCustomLightUsingStatus %2").arg(name).arg(using_ ? 1 : 0));
    });
    QObject::connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty,
                     [name] { say(QStringLiteral("signal %1 sigModifyCustomLightItemNameIsEmpty").arg(name)); });
    QObject::connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess,
                     [name] { say(QStringLiteral("signal %1 sigModifyCustomLightItemNameSuccess").arg(name)); });
    QObject::connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed,
                     [name] { say(QStringLiteral("signal %1 sigModifyCustomLightItemNameFailed").arg(name)); });
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int theme = args.value(1).toInt();
    const bool withPrompt = args.contains(QStringLiteral("--prompt"));

    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(theme);
    const ThemeColorConfig colours = data->getThemeColor();

    QTemporaryDir dir;
    if (!dir.isValid()) {
        say(QStringLiteral("error no temporary folder"));
        return 1;
    }
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("brivexProFile.xml")));
    xmlInterface xml;
    if (!xml.createXmlFile(path.constData()) || !xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", 0)
        || !xml.addCustomLed(path.constData(), "1", "1", "Sunset", "Using", 0)
        || !xml.addCustomLed(path.constData(), "1", "2", "Ocean", "UnUsing", -1)) {
        say(QStringLiteral("error cannot write the profile"));
        return 1;
    }
    say(QStringLiteral("profile %1").arg(QString::fromLocal8Bit(path)));

    QWidget window;
    window.setObjectName(QStringLiteral("acceptanceWindow"));
    window.setWindowTitle(QStringLiteral("LightEditAcceptance"));
    window.setStyleSheet(
        QStringLiteral("QWidget#acceptanceWindow{background-color: %1;}").arg(rgb(colours.DeviceCenterBgColor)));
    auto *layout = new QHBoxLayout(&window);
    auto *panel = new ColorWheelTool(&window);
    reportSignals(panel);
    panel->setDeviceType(0);
    panel->setSpeedAndBrightnessMaxNum(4, 4);
    panel->setSideLightSpeedAndBrightnessMaxNum(4, 4);
    panel->applyTheme();
    panel->setCurrentProfile(path.constData(), &xml, 1);
    panel->setLedSelMode(0, 2, 0);
    panel->setLedType(2, 0);
    layout->addWidget(panel);

    auto *list = new QWidget(&window);
    list->setFixedWidth(260);
    auto *column = new QVBoxLayout(list);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QList<DCustomLightListItem *> rows;
    QList<CustomLedInfo> leds;
    xml.getCustomLeds(path.constData(), "1", &leds);
    for (const CustomLedInfo &led : qAsConst(leds)) {
        auto *row = new DCustomLightListItem(list);
        const QString name = QStringLiteral("row%1").arg(rows.size() + 1);
        reportSignals(row, name);
        row->setProfileXml(path.constData(), &xml);
        CustomLightItemInfo info;
        info.profileIndex = QStringLiteral("1");
        info.index = QString::fromLatin1(led.index);
        info.name = QString::fromUtf8(led.name);
        info.isUsing = QString::fromLatin1(led.isUsing);
        info.usingFlagIndex = led.usingFlagIndex;
        row->setCustomLightInfo(info);
        row->setSelected(rows.isEmpty());
        row->setFixedHeight(32);
        column->addWidget(row);
        rows.append(row);
        // The editor's Save is placed once the editor shows.
        auto *pages = row->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        QObject::connect(pages, &QStackedWidget::currentChanged, row, [row, name](int page) {
            if (page != 1)
                return;
            QTimer::singleShot(100, row, [row, name] {
                auto *save = row->findChild<QPushButton *>(QStringLiteral("pushButton_Save"));
                point(name + QStringLiteral("-save"), save, save->rect().center());
            });
        });
    }
    column->addStretch(1);
    layout->addWidget(list, 0, Qt::AlignTop);
    window.resize(500, 560);
    window.show();

    QTimer::singleShot(500, &window, [&] {
        SVColorArea *wheel = panel->colorArea();
        // Red stands at the top of the disc; the ring's handle is at 50 straight below the centre
        // and at 25 straight left of it.
        point(QStringLiteral("disc-top"), wheel, QPoint(80, 24));
        point(QStringLiteral("ring-bottom"), wheel, QPoint(79, 155));
        point(QStringLiteral("ring-left"), wheel, QPoint(4, 79));
        QSlider *slider = panel->brightnessSlider()->slider();
        point(QStringLiteral("brightness-low"), slider, QPoint(3, slider->height() / 2));
        point(QStringLiteral("ok"), panel->findChild<QPushButton *>(QStringLiteral("pushButton_OK")), QPoint(20, 15));
        for (int i = 0; i < rows.size(); ++i)
            point(QStringLiteral("row%1").arg(i + 1), rows.at(i), QPoint(120, 16));
        if (!withPrompt) {
            say(QStringLiteral("ready"));
            return;
        }
        // The device page's way: a mask over the window, the prompt centred on it, the mask
        // taken away by the close signal.
        auto *mask = new QWidget(&window, Qt::FramelessWindowHint);
        mask->setObjectName(QStringLiteral("widget"));
        mask->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 120);}"));
        mask->resize(window.size());
        mask->show();
        auto *prompt = new DTipInfoDia(&window);
        QObject::connect(prompt, &DTipInfoDia::sigTipInfoDiaClose, mask, [mask] {
            say(QStringLiteral("signal sigTipInfoDiaClose"));
            mask->hide();
        });
        prompt->applyTheme();
        prompt->move(window.pos()
                     + QPoint((window.width() - prompt->width()) / 2, (window.height() - prompt->height()) / 2));
        prompt->setWindowModality(Qt::WindowModal);
        prompt->resetTipResult();
        QTimer::singleShot(500, prompt, [prompt] {
            auto *save = prompt->findChild<QPushButton *>(QStringLiteral("pushButton_SaveChanged"));
            point(QStringLiteral("prompt-save"), save, save->rect().center());
            say(QStringLiteral("ready"));
        });
        prompt->exec();
        say(QStringLiteral("prompt result %1 mask %2")
                .arg(prompt->getTipResult())
                .arg(mask->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")));
    });
    return app.exec();
}
