// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of a fixed-width widget fits its widget, in every language: the main window with an
// emulated keyboard and mouse (the home page, the device page with its key, lighting, mouse and
// performance pages, the macro page), the on-board editor and the dialogs, built in each
// translation and in the program's font. A text is measured in the widget's own font (its style
// sheet's, once polished) against the room the style leaves for it inside the widget.

#include "CustomButton.h"
#include "DAppllication.h"
#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DFirwareInfoShow.h"
#include "DLoginWidget.h"
#include "DMainWidget.h"
#include "DOnboardPage.h"
#include "DSettingsDia.h"
#include "DTipInfoDia.h"
#include "DUpdateFirmwareDia.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "keyboardButCustom.h"
#include "keyboardKeyTool.h"
#include "macroMenuToolWidget.h"
#include "onboardExplainDia.h"
#include "onboardKeyboardKeyTool.h"
#include "onboardProfileMenuToolWidget.h"
#include "proFileOperateMenuToolWidget.h"
#include "QtLinguist.h"
#include "SliderToolArea.h"
#include "SoftKeyboardButCustom.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QLabel>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 30000;

// Where a widget is: its nearest class of the program and its own name.
QString placeOf(const QWidget *widget)
{
    QString owner;
    for (const QObject *o = widget->parent(); o; o = o->parent()) {
        const QByteArray name = o->metaObject()->className();
        if (!name.startsWith('Q')) {
            owner = QString::fromLatin1(name);
            break;
        }
    }
    const QString own =
        widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
    return owner.isEmpty() ? own : owner + QLatin1Char('/') + own;
}

// The text as drawn: a single '&' marks a mnemonic and is not drawn.
QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int plainWidth(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return qCeil(widest);
}

struct Need {
    int width = 0;
    int room = 0;
    int height = 0;      // 0: not checked
    int roomHeight = 0;  // 0: not checked
};

bool isRich(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
           || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

Need labelNeed(QLabel *label)
{
    Need need;
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    need.room = room.width() - qMax(0, label->indent());
    const bool fixedHeight = label->minimumHeight() == label->maximumHeight();
    if (isRich(label)) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        if (label->wordWrap()) {
            document.setTextWidth(need.room);
            need.width = qCeil(qMin(document.idealWidth(), qreal(need.room)));
            if (document.idealWidth() > need.room)
                need.width = qCeil(document.idealWidth());
        } else {
            need.width = qCeil(document.idealWidth());
        }
        if (fixedHeight) {
            need.height = qCeil(document.size().height());
            need.roomHeight = room.height();
        }
        return need;
    }
    const QString text = label->hasSelectedText() ? label->text() : label->text();
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, need.room, 100000), Qt::TextWordWrap, text);
        need.width = bounds.width();
        if (fixedHeight) {
            need.height = bounds.height();
            need.roomHeight = room.height();
        }
    } else {
        need.width = plainWidth(text, label->font());
        if (fixedHeight && text.contains(QLatin1Char('\n'))) {
            need.height = metrics.lineSpacing() * (text.count(QLatin1Char('\n')) + 1);
            need.roomHeight = room.height();
        }
    }
    return need;
}

Need buttonNeed(QAbstractButton *button)
{
    Need need;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const int text = plainWidth(withoutMnemonic(button->text()), button->font());
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    if (qobject_cast<QToolButton *>(button)) {
        // A tool button draws its label across the whole button, less a frame of two pixels.
        need.room = button->width() - 4;
    } else {
        need.room = button->style()->subElementRect(contents, &option, button).width();
    }
    need.width = text + icon;
    return need;
}

// The widget's text when it is a label or a button that does not fit; one line.
void checkWidget(QWidget *widget, QStringList *faults, int *checked)
{
    // The keys' legends are fitted to their keys and checked by their own test.
    if (qobject_cast<SoftKeyboardButCustom *>(widget) || qobject_cast<keyboardButCustom *>(widget))
        return;
    // The widgets that draw their text themselves, in a room of their own.
    QString painted;
    QFont paintedFont;
    QRect paintedRoom;
    if (auto *custom = qobject_cast<CustomButton *>(widget)) {
        painted = custom->caption();
        paintedFont = custom->captionFont();
        paintedRoom = custom->captionRect() & custom->rect();
    } else if (auto *slider = qobject_cast<SliderToolArea *>(widget)) {
        painted = slider->title();
        paintedFont = slider->titleFont();
        paintedRoom = slider->titleRect() & slider->rect();
    }
    if (!painted.isEmpty()) {
        ++*checked;
        const int width = plainWidth(painted, paintedFont);
        if (width > paintedRoom.width())
            *faults << QStringLiteral("%1 \"%2\": %3 px wide, room for %4")
                           .arg(placeOf(widget), painted)
                           .arg(width)
                           .arg(paintedRoom.width());
        return;
    }
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!label && !button)
        return;
    const QString text = label ? label->text() : button->text();
    if (text.trimmed().isEmpty())
        return;
    const Need need = label ? labelNeed(label) : buttonNeed(button);
    ++*checked;
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    if (need.width > need.room)
        *faults << QStringLiteral("%1 \"%2\": %3 px wide, room for %4")
                       .arg(placeOf(widget), shown)
                       .arg(need.width)
                       .arg(need.room);
    else if (need.roomHeight > 0 && need.height > need.roomHeight)
        *faults << QStringLiteral("%1 \"%2\": %3 px high, room for %4")
                       .arg(placeOf(widget), shown)
                       .arg(need.height)
                       .arg(need.roomHeight);
}

// The shown widget and everything below it as the user can come to see it: each page of a stacked
// widget in turn and each hidden part shown for a moment, laid out in place. The stacks' own
// signals stay quiet, so no page reacts to the walk.
void walk(QWidget *widget, QStringList *faults, int *checked)
{
    checkWidget(widget, faults, checked);
    if (auto *stack = qobject_cast<QStackedWidget *>(widget)) {
        const QSignalBlocker quiet(stack);
        const int current = stack->currentIndex();
        for (int i = 0; i < stack->count(); ++i) {
            stack->setCurrentIndex(i);
            QCoreApplication::processEvents();
            walk(stack->widget(i), faults, checked);
        }
        stack->setCurrentIndex(current);
        QCoreApplication::processEvents();
        return;
    }
    const QList<QWidget *> children = widget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        if (child->isHidden()) {
            child->show();
            QCoreApplication::processEvents();
            walk(child, faults, checked);
            child->hide();
            QCoreApplication::processEvents();
        } else {
            walk(child, faults, checked);
        }
    }
}

}  // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setFont(DAppllication::programFont());
        DDataManager::getInstance();
        linguist = std::make_unique<QtLinguist>(QStringLiteral(ZELKA_TRANSLATION_DIR));
    }

    void cleanup()
    {
        linguist->loadLanguage(QtLinguist::English);
        emu::reset();
    }

    void everyFixedWidthText_data()
    {
        QTest::addColumn<int>("language");
        const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
        QCOMPARE(languages.keyCount(), 14);
        for (int i = 0; i < languages.keyCount(); ++i)
            QTest::newRow(languages.key(i)) << languages.value(i);
    }

    void everyFixedWidthText()
    {
        QFETCH(int, language);
        QVERIFY(linguist->loadLanguage(QtLinguist::Language(language)));
        QCoreApplication::processEvents();

        emu::reset();
        emu::plug(emu::keyboardSpec(QStringLiteral("ZK104A")));
        emu::plug(emu::mouseSpec());
        DMainWidget::StartOptions options;
        options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
        options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
        options.registerAutoStart = false;
        options.trayAvailable = [] { return true; };
        auto window = std::make_unique<DMainWidget>(options);
        QVERIFY(firstEnumeration::applied(*window));
        window->resize(1280, 715);
        window->show();
        auto *page = window->findChild<DDevicePage *>();
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(!page->profileXmlPath().isEmpty(), kLoadTimeoutMs);

        // The forms that are not part of the window until the user opens them, and the hover cards.
        std::vector<std::unique_ptr<QWidget>> forms;
        forms.emplace_back(new DSettingsDia);
        forms.emplace_back(new DUpdateFirmwareDia);
        forms.emplace_back(new DFirwareInfoShow);
        forms.emplace_back(new DTipInfoDia);
        forms.emplace_back(new DLoginWidget);
        forms.emplace_back(new onboardExplainDia);
        forms.emplace_back(new macroMenuToolWidget);
        forms.emplace_back(new proFileOperateMenuToolWidget);
        forms.emplace_back(new onboardProfileMenuToolWidget(0));
        forms.emplace_back(new onboardProfileMenuToolWidget(1));
        forms.emplace_back(new DCustomEventWidget);
        auto *onboard = new DOnboardPage;
        onboard->setKeyboardModel(QStringLiteral("ZK104A"));
        forms.emplace_back(onboard);
        auto *keyCard = new keyboardKeyTool;
        keyCard->setKeyInfo(QStringLiteral("ZK104A"), -10, QStringLiteral("Fn"));
        forms.emplace_back(keyCard);
        auto *onboardCard = new onboardKeyboardKeyTool;
        onboardCard->setKeyInfo(QStringLiteral("ZK104A"), -10, QString(), QString(), QStringLiteral("Fn"));
        forms.emplace_back(onboardCard);

        int checked = 0;
        QStringList faults;
        walk(window.get(), &faults, &checked);
        for (const auto &form : forms) {
            form->show();
            QCoreApplication::processEvents();
            walk(form.get(), &faults, &checked);
            form->hide();
        }
        // The hover cards' second line names the key's kind of assignment, each in its turn.
        const char *const kinds[] = {"Default", "Macro", "Remap key",      "key combination",    "Multimedia", "Mouse",
                                     "Disable", "Text",  "Switch profile", "Launch application", "Shortcuts"};
        auto *kindLine = keyCard->findChild<QLabel *>(QStringLiteral("label_Kind"));
        QVERIFY(kindLine);
        for (const char *kind : kinds) {
            kindLine->setText(QCoreApplication::translate("keyboardKeyTool", kind));
            checkWidget(kindLine, &faults, &checked);
            onboardCard->setKeyInfo(QStringLiteral("ZK104A"), 4, QStringLiteral("A"),
                                    QCoreApplication::translate("DOnboardPage", kind), QStringLiteral("A"));
            walk(onboardCard, &faults, &checked);
        }

        faults.removeDuplicates();
        for (const QString &fault : qAsConst(faults))
            qWarning("%s", qPrintable(fault));
        qInfo("%-10s %4d texts, %3d cut", QTest::currentDataTag(), checked, int(faults.size()));
        QVERIFY2(faults.isEmpty(), "texts are cut, listed above");
    }

private:
    std::unique_ptr<QtLinguist> linguist;
};

QTEST_MAIN(tst_TextFit)
#include "tst_TextFit.moc"
