// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroPage.h"
#include "ui_DMacroPage.h"

#include "CbNotice.h"
#include "DDataManager.h"
#include "InputKeyTable.h"
#include "WindowsHookInterface.h"
#include "xmlInterface.h"

namespace {

constexpr int kExtendedFlag = 0x01;
constexpr int kHighestLinuxCode = 255;
constexpr int kScrollSheetDelayMs = 500;
// The background of the scroll areas: nearly transparent, so that the column shows through.
const QString kClear = QStringLiteral("0,0,0,1");

// The HID usage of the key the capture signalled, -1 for a key without one.
int hidUsageOf(int virtualKey, int scanCode, bool extended)
{
    if (virtualKey == 0)
        return -1;
    for (int code = 1; code <= kHighestLinuxCode; ++code) {
        if (!InputKeyTable::contains(code))
            continue;
        const InputKey key = InputKeyTable::lookup(code);
        if (key.virtualKey == virtualKey && key.scanCode == scanCode && key.extended == extended)
            return key.hidUsage > 0 ? key.hidUsage : -1;
    }
    return -1;
}

QString backgroundSheet(const char *selector, const QString &colour)
{
    return QStringLiteral("%1{background-color: rgb(%2);}").arg(QLatin1String(selector), colour);
}

QString colourSheet(const char *selector, const QString &colour)
{
    return QStringLiteral("%1{color: rgb(%2);}").arg(QLatin1String(selector), colour);
}

QString lineSheet(const char *selector, const char *side, const QString &colour)
{
    return QStringLiteral("%1{border: none; border-%2: 2px solid rgb(%3);}")
        .arg(QLatin1String(selector), QLatin1String(side), colour);
}

// The delay-settings frame (with its title and unit labels) or an insert or property panel
// (with plain labels): background %1, text %2, accent %3, font family %4.
QString panelSheet(const char *frame, bool delaySettings, const ThemeColorConfig &t)
{
    QString sheet = QStringLiteral("%1{background-color: rgb(%2);}").arg(QLatin1String(frame), QStringLiteral("%1"));
    if (delaySettings)
        sheet += QStringLiteral("QLabel#label_10{color: rgb(%3);}");
    else
        sheet += QStringLiteral("QLabel{color: rgb(%2);}");
    sheet += QStringLiteral("QRadioButton, QRadioButton:unchecked{color: rgb(%2); font: 75 10pt \"%4\";}"
                            "QRadioButton:checked{color: rgb(%3); font: 75 10pt \"%4\";}"
                            "QRadioButton::indicator:checked{background-color: rgb(%3); border-radius: 6px; "
                            "border: 2px solid white;}");
    if (delaySettings)
        sheet += QStringLiteral("QLabel#label_11{color: rgb(%2); font: 75 11pt \"%4\";}");
    sheet += QStringLiteral("QLineEdit{color: rgb(%2); font: 75 8pt \"%4\"; background-color: rgb(%1); "
                            "border: 1px solid rgb(%2);}"
                            "QLineEdit:hover, QLineEdit:pressed{border: 1px solid rgb(%3);}");
    const QString background = delaySettings ? t.MacroLeftBgColor : t.MacroRightBgColor;
    return sheet.arg(background, t.TextDefaultColor, t.TextCheckedColor, t.TextFont);
}

QString commandButtonSheet(const ThemeColorConfig &t)
{
    return QStringLiteral("QPushButton{border-radius: 8px; border: 1px solid rgb(%1); background-color: rgb(%2); "
                          "color: rgb(%3);}"
                          "QPushButton:hover{background-color: rgb(%4); border: 1px solid rgb(%6);}"
                          "QPushButton:pressed{color: rgb(%6); background-color: rgb(%5); border: 1px solid rgb(%6);}")
        .arg(t.MacroBorderColor, t.MacroRightBgColor, t.TextDefaultColor, t.MacroListItemSelectedColor,
             t.MacroListItemHoverColor, t.TextCheckedColor);
}

QString keyFieldSheet(const ThemeColorConfig &t)
{
    return QStringLiteral("QLineEdit{color: rgb(%2); font: 75 8pt \"%4\"; background-color: rgb(%1); "
                          "border: 1px solid rgb(%2);}"
                          "QLineEdit:hover, QLineEdit:pressed{border: 1px solid rgb(%3);}")
        .arg(t.MacroRightBgColor, t.TextDefaultColor, t.TextCheckedColor, t.TextFont);
}

QString scrollBarSheet(const ThemeColorConfig &t)
{
    return QStringLiteral("QScrollBar:vertical{background: transparent; width: 3px; margin: 3px 0px 3px 0px;}"
                          "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 51); min-height: 20px; "
                          "border-radius: 1px;}"
                          "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 77);}"
                          "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; "
                          "subcontrol-origin: margin;}"
                          "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; "
                          "subcontrol-origin: margin;}"
                          "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(%1); "
                          "border-radius: 3px;}")
        .arg(t.HomeScrollBarBgColor);
}

QFont sized(QFont font, int points)
{
    font.setPointSize(points);
    return font;
}

}  // namespace

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroPage>())
{
    ui->setupUi(this);
    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(14);
    m_scrollSheetTimer.setSingleShot(true);
    m_scrollSheetTimer.setInterval(kScrollSheetDelayMs);
    connect(&m_scrollSheetTimer, &QTimer::timeout, this, &DMacroPage::onScrollSheetSet);
    setToolTips();

    m_hook = new WindowsHookInterface(this);
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX, this, &DMacroPage::onHookedKey);
}

void DMacroPage::onHookedKey(int virtualKey, int scanCode, int flag, int hookFlag)
{
    if (m_macroPageShown)
        return;
    emit sigHookKeyboardRecviveStream(0, hidUsageOf(virtualKey, scanCode, hookFlag & kExtendedFlag), flag ? 1 : 0);
}

DMacroPage::~DMacroPage() = default;

void DMacroPage::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    m_macroXmlPath = QByteArray(macroXmlPath ? macroXmlPath : "");
    m_xml = xml;
}

void DMacroPage::loadKeyboardInfo()
{
    // The key names come with the recording; nothing is shown without it.
}

void DMacroPage::loadMacroList()
{
    m_macroList.clear();
    if (m_xml && !m_macroXmlPath.isEmpty())
        m_xml->getMacroList(m_macroXmlPath.constData(), &m_macroList);
}

QList<IndexNameInfo> DMacroPage::macroList() const
{
    return m_macroList;
}

void DMacroPage::setMacroPageShown(bool shown)
{
    m_macroPageShown = shown;
}

bool DMacroPage::isMacroPageShown() const
{
    return m_macroPageShown;
}

bool DMacroPage::isRecording() const
{
    return m_recording;
}

void DMacroPage::toggleRecording()
{
    // Without the global hooks nothing can be recorded: a running recording is only stopped.
    m_recording = false;
}

void DMacroPage::retranslate()
{
    ui->retranslateUi(this);
    setToolTips();
}

void DMacroPage::setToolTips()
{
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Add"));
    ui->pushButton_ClearMacroLst->setToolTip(tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(tr("Up"));
    ui->pushButton_MoveDown->setToolTip(tr("Down"));
}

QColor DMacroPage::themeColour(const QString &text, int alpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    // A missing or unreadable part counts as 0 (toInt gives 0 for it).
    return QColor(parts.value(0).trimmed().toInt(nullptr, 10), parts.value(1).trimmed().toInt(nullptr, 10),
                  parts.value(2).trimmed().toInt(nullptr, 10), alpha);
}

void DMacroPage::applyTheme()
{
    const ThemeColorConfig t = DDataManager::getInstance()->getThemeColor();

    m_notice->setBackgroundColor(themeColour(t.AllBgColor, 200));
    m_notice->setTextColor(themeColour(t.TextCheckedColor, 255));
    QFont noticeFont(t.TextFont);
    noticeFont.setPixelSize(14);
    m_notice->setTextFont(noticeFont);

    ui->frame_29->setStyleSheet(backgroundSheet("QFrame#frame_29", t.MacroLeftBgColor));
    ui->scrollArea_2->setStyleSheet(backgroundSheet("QScrollArea#scrollArea_2", kClear));
    ui->scrollAreaWidgetContents_2->setStyleSheet(backgroundSheet("QWidget#scrollAreaWidgetContents_2", kClear));
    ui->frame_2->setStyleSheet(lineSheet("QFrame#frame_2", "top", t.MacroBorderColor));
    ui->label_MacroGroup->setStyleSheet(colourSheet("QLabel#label_MacroGroup", t.TextCheckedColor));
    m_scrollSheet = scrollBarSheet(t);
    ui->frame_26->setStyleSheet(lineSheet("QFrame#frame_26", "bottom", t.MacroBorderColor));
    ui->frame_24->setStyleSheet(panelSheet("QFrame#frame_24", true, t));
    ui->label->setStyleSheet(colourSheet("QLabel#label", t.TextDefaultColor));
    ui->frame_Record->setStyleSheet(QStringLiteral("QFrame#frame_Record{border-radius: 8px; border: 2px solid rgb(%1);}"
                                                   "QFrame#frame_Record:hover{border: 2px solid rgb(%2);}")
                                        .arg(t.MacroBorderColor, t.TextCheckedColor));
    ui->frame_4->setStyleSheet(lineSheet("QFrame#frame_4", "top", t.MacroBorderColor));
    ui->frame_Center->setStyleSheet(backgroundSheet("QFrame#frame_Center", t.MacroCenterBgColor));
    ui->scrollArea_3->setStyleSheet(backgroundSheet("QScrollArea#scrollArea_3", kClear));
    ui->scrollAreaWidgetContents_3->setStyleSheet(backgroundSheet("QWidget#scrollAreaWidgetContents_3", kClear));
    ui->widget_5->setStyleSheet(m_scrollSheet);
    ui->label_12->setStyleSheet(colourSheet("QLabel#label_12", t.TextCheckedColor));
    ui->label_14->setStyleSheet(colourSheet("QLabel#label_14", t.TextCheckedColor));
    ui->label_TotalTime->setStyleSheet(QStringLiteral("QLabel#label_TotalTime{color: rgb(%1); font: 75 11pt \"%2\";}")
                                           .arg(t.TextDefaultColor, t.TextFont));
    ui->label_InsertMacro->setStyleSheet(colourSheet("QLabel#label_InsertMacro", t.TextCheckedColor));
    ui->frame_8->setStyleSheet(lineSheet("QFrame#frame_8", "top", t.MacroBorderColor));
    ui->frame_6->setStyleSheet(panelSheet("QFrame#frame_6", false, t));
    const QString commandSheet = commandButtonSheet(t);
    ui->pushButton_InsertMacro->setStyleSheet(commandSheet);
    ui->pushButton_ModifyMacro->setStyleSheet(commandSheet);
    ui->label_Property->setStyleSheet(colourSheet("QLabel#label_Property", t.TextCheckedColor));
    ui->frame_10->setStyleSheet(lineSheet("QFrame#frame_10", "top", t.MacroBorderColor));
    ui->frame_5->setStyleSheet(panelSheet("QFrame#frame_5", false, t));
    const QString keySheet = keyFieldSheet(t);
    ui->lineEdit_EnterKey->setStyleSheet(keySheet);
    ui->lineEdit_PressKey->setStyleSheet(keySheet);

    loadMacroList();

    const QFont bold = DDataManager::getInstance()->getFont(0);
    for (QWidget *title : {static_cast<QWidget *>(ui->label_MacroGroup), static_cast<QWidget *>(ui->label_10),
                           static_cast<QWidget *>(ui->label_12), static_cast<QWidget *>(ui->label_InsertMacro),
                           static_cast<QWidget *>(ui->label_Property)})
        title->setFont(sized(bold, 12));
    m_recordLabelFont = sized(bold, 11);
    ui->pushButton_InsertMacro->setFont(m_recordLabelFont);
    ui->pushButton_ModifyMacro->setFont(m_recordLabelFont);
    ui->label->setFont(m_recordLabelFont);
    ui->label_14->setFont(sized(bold, 18));
    const QFont normal = sized(DDataManager::getInstance()->getFont(1), 10);
    for (QWidget *text : {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4, ui->label_3, ui->label_13})
        text->setFont(normal);

    // Restarted by every call, so the last theme's sheet is the one the macro list keeps.
    m_scrollSheetTimer.start();
}

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
