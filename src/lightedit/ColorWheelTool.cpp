// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorWheelTool.h"
#include "ui_ColorWheelTool.h"

#include "BasicColorArea.h"
#include "ColorBuildUpToolArea.h"
#include "DDataManager.h"
#include "LogCategories.h"
#include "SliderToolArea.h"
#include "SVColorArea.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStringList>

namespace {

// Codes of sigLightConfigHaveChanged: what the change was.
enum ChangedFrom { FromColor = 0, FromFullColor = 1, FromBrightness = 2, FromSpeed = 3, FromDirection = 4 };
// The keyboard's per-key effect: its colour is the brush that paints the selected keys.
constexpr int kPerKeyEffect = 10;

const char *const kChipTemplate = "QPushButton{\n"
                                  "background-color: rgb(%1, %2, %3);\n"
                                  "border: 0px solid rgb(65, 115, 130);\n"
                                  "}\n"
                                  "QPushButton:hover{\n"
                                  "border: 2px solid rgb(%4);\n"
                                  "}\n"
                                  "QPushButton::unchecked{\n"
                                  "border: 0px solid rgb(65, 115, 130);\n"
                                  "}\n"
                                  "QPushButton::checked{\n"
                                  "border: 2px solid rgb(%4);\n"
                                  "}\n";

const char *const kPanelTemplate = "QLabel{\n"
                                   "color: %1;\n"
                                   "font: 75 11pt \"%4\";\n"
                                   "}\n"
                                   "QLineEdit{\n"
                                   "color: %1;\n"
                                   "font: 75 8pt \"%4\";\n"
                                   "background-color: %2;\n"
                                   "border: 1px solid %1;\n"
                                   "}\n"
                                   "QLineEdit:hover{\n"
                                   "border: 1px solid %3;\n"
                                   "}\n"
                                   "QLineEdit:pressed{\n"
                                   "border: 1px solid %3;\n"
                                   "}\n";

const char *const kButtonTemplate = "QPushButton{\n"
                                    "border-radius:8px;\n"
                                    "border: 1px solid %1;\n"
                                    "background-color: %2;\n"
                                    "color: %4;\n"
                                    "font: 75 10pt \"%6\";\n"
                                    "}\n"
                                    "QPushButton:hover{\n"
                                    "background-color: %7;\n"
                                    "border: 1px solid %5;\n"
                                    "}\n"
                                    "QPushButton:pressed{\n"
                                    "color: %5;\n"
                                    "background-color: %3;\n"
                                    "border: 1px solid %5;\n"
                                    "}\n";

// Every occurrence of each placeholder %1, %2, ... replaced by its text (theme colours go in already
// written by stylesheets::colour).
QString fillTemplate(const char *text, const QStringList &values)
{
    QString out = QString::fromLatin1(text);
    // From the highest number down, so that %1 does not eat the start of %10.
    for (int i = values.size(); i >= 1; --i)
        out.replace(QLatin1Char('%') + QString::number(i), values.at(i - 1));
    return out;
}

// The first three numbers of a theme colour; a missing one reads as 0.
QList<int> colorNumbers(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    QList<int> numbers;
    for (int i = 0; i < 3; ++i)
        numbers.append(parts.value(i).trimmed().toInt());
    return numbers;
}

int clampComponent(int value)
{
    return qBound(0, value, 255);
}

// The default direction of a new item of an effect on the keyboard panel.
int defaultDirection(int ledType)
{
    switch (ledType) {
    case 4:
    case 5:
    case 15:
        return 6;
    case 7:
    case 8:
    case 14:
    case 16:
        return 4;
    case 12:
    case 100:
        return 2;
    default:
        return 0;
    }
}

bool sameRgb(const QColor &a, const QColor &b)
{
    return a.red() == b.red() && a.green() == b.green() && a.blue() == b.blue();
}

}  // namespace

ColorWheelTool::ColorWheelTool(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ColorWheelTool>())
{
    m_work.ledModeR = 255;
    m_work.ledModeType = 1;

    ui->setupUi(this);

    const QColor firstColour(204, 0, 0, 255);
    for (const QColor &second : {QColor(255, 255, 0, 180), QColor(255, 0, 0, 180), QColor(0, 255, 0, 180),
                                 QColor(0, 0, 255, 180), QColor(255, 0, 255, 180), QColor(0, 255, 255, 180)})
        m_buildUpStops.append(ColorPair(firstColour, second));

    m_colorArea = new SVColorArea(ui->frame_Color);
    ui->horizontalLayout_9->addWidget(m_colorArea);
    connect(m_colorArea, &SVColorArea::svChangedSignal, this, &ColorWheelTool::onSvChangedSlot);
    connect(m_colorArea, &SVColorArea::sigGetRGB, this, &ColorWheelTool::onGetRGB);
    connect(m_colorArea, &SVColorArea::sigGetHexRGB, this, &ColorWheelTool::onGetHexRGB);
    connect(m_colorArea, &SVColorArea::sigMoveingStatus, this, &ColorWheelTool::onMoveingStatus);
    connect(m_colorArea, &SVColorArea::sigMouseIsPress, this, &ColorWheelTool::onSVColorAreaMouseIsPress);

    m_colorBuildUp = new ColorBuildUpToolArea(ui->frame_colorBuildUp);
    m_colorBuildUp->setFixedSize(185, 65);
    m_colorBuildUp->initColorBuildUp(m_buildUpStops, m_buildUpStops.size());
    connect(m_colorBuildUp, &ColorBuildUpToolArea::sigUpdataColorBuildUp, this,
            &ColorWheelTool::sigSendUpdataColorBuildUp);
    connect(m_colorBuildUp, &ColorBuildUpToolArea::sigUpdataColorBuildUp, this, &ColorWheelTool::onUpdataColorBuildUp);
    ui->horizontalLayout->addWidget(m_colorBuildUp);
    ui->frame_colorBuildUp->hide();

    m_brightnessSlider = new SliderToolArea(ui->frame_SliderBrightness);
    m_brightnessSlider->setFixedSize(165, 55);
    m_brightnessSlider->setMaximum(4);
    m_brightnessSlider->setValue(3);
    m_brightnessSlider->setTexts(tr("Brightness"), tr("Dark"), tr("Bright"));
    ui->horizontalLayout_5->addWidget(m_brightnessSlider);
    connect(m_brightnessSlider, &SliderToolArea::sigValueChanged, this,
            &ColorWheelTool::onBrightnessSliderValueChanged);

    m_speedSlider = new SliderToolArea(ui->frame_SliderSpeed);
    m_speedSlider->setFixedSize(165, 55);
    m_speedSlider->setMaximum(4);
    m_speedSlider->setValue(3);
    m_speedSlider->setTexts(tr("Speed"), tr("Slow"), tr("Fast"));
    ui->horizontalLayout_4->addWidget(m_speedSlider);
    connect(m_speedSlider, &SliderToolArea::sigValueChanged, this, &ColorWheelTool::onSpeedSliderValueChanged);

    m_directionGroup = new QButtonGroup(this);
    m_directionGroup->addButton(ui->pushButton_Right, 0);
    m_directionGroup->addButton(ui->pushButton_Left, 1);
    m_directionGroup->addButton(ui->pushButton_Up, 2);
    m_directionGroup->addButton(ui->pushButton_Down, 3);
    m_directionGroup->addButton(ui->pushButton_Dispersion, 4);
    m_directionGroup->addButton(ui->pushButton_Gather, 5);
    m_directionGroup->addButton(ui->pushButton_CW, 6);
    m_directionGroup->addButton(ui->pushButton_UnCW, 7);
    connect(m_directionGroup, &QButtonGroup::idClicked, this, &ColorWheelTool::onCurIndexChanged_LedDirection);
    ui->pushButton_Left->setChecked(true);

    m_colorGroup = new QButtonGroup(this);
    m_colorGroup->addButton(ui->pushButton_beforeColor, 0);
    m_colorGroup->addButton(ui->pushButton_afterColor, 1);
    connect(m_colorGroup, &QButtonGroup::idClicked, this, &ColorWheelTool::onCurIndexChanged_LedBeforeOrAfterColor);
    ui->pushButton_beforeColor->setChecked(true);

    ui->widget_BasicColor->setMode(1);
    connect(ui->widget_BasicColor, &BasicColorArea::colorItemSelcSignal, this, &ColorWheelTool::onColorItemSelcSignal);
    connect(ui->widget_BasicColor, &BasicColorArea::sigAddColor, this, &ColorWheelTool::onAddColor);
    connect(ui->widget_BasicColor, &BasicColorArea::sigDeleteColor, this, &ColorWheelTool::onDeleteColor);

    // Digits only: a colour component is never negative.
    const QRegularExpression digits(QStringLiteral("[0-9]{0,3}"));
    for (int field = 0; field < 3; ++field) {
        QLineEdit *edit = fieldAt(field);
        edit->setValidator(new QRegularExpressionValidator(digits, edit));
        edit->installEventFilter(this);
        edit->clearFocus();
    }
    installEventFilter(this);

    emit sigInitColorOver();
    qCDebug(lcUi) << "------------------------------------------- [ ColorWheelTool Init OVER ] "
                     "-------------------------------------------------";
    m_checkedColor = DDataManager::getInstance()->getThemeColor().TextCheckedColor;
}

ColorWheelTool::~ColorWheelTool() = default;

// ---- Set by the device page ----

void ColorWheelTool::setDeviceType(int deviceType)
{
    m_deviceType = deviceType;
}

void ColorWheelTool::setSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_keyMaxima = {speedMax, brightnessMax};
    qCDebug(lcUi) << "-------------------- *** setSpeedAndBrightnessMaxNum [Keyboard] *** -------------------";
}

void ColorWheelTool::setSideLightSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_sideMaxima = {speedMax, brightnessMax};
    qCDebug(lcUi) << "-------------------- *** setSideLightSpeedAndBrightnessMaxNum [Side] *** -------------------";
    emit sigSendKeyboardAndSideLightSpeedAndBrightness(m_keyMaxima.speed, m_keyMaxima.brightness, m_sideMaxima.speed,
                                                       m_sideMaxima.brightness);
}

void ColorWheelTool::setMouseAroundSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_aroundMaxima = {speedMax, brightnessMax};
}

void ColorWheelTool::setMouseScrollSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_scrollMaxima = {speedMax, brightnessMax};
}

void ColorWheelTool::setMouseLogoSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_logoMaxima = {speedMax, brightnessMax};
}

void ColorWheelTool::setCurrentProfile(const char *profilePath, xmlInterface *xml, int profileIndex)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
    m_profileIndex = profileIndex;
    m_ledSelMode = 0;
    for (int field = 0; field < 3; ++field)
        fieldAt(field)->clearFocus();
    ui->pushButton_beforeColor->setFocus();
    reloadCustomColors();
}

void ColorWheelTool::clearCustomColors()
{
    ui->widget_BasicColor->clearColorItems();
}

void ColorWheelTool::setColorInfoData(colorInfoData colorData)
{
    m_colorInfoData = colorData;
    m_work.ledOpenOrClose = colorData.ledOpenOrClose;
}

void ColorWheelTool::setSideLightSelected(bool selected)
{
    m_sideLightSelected = selected;
}

void ColorWheelTool::setLedSelMode(int ledSelMode, int ledType, int value)
{
    m_ledSelMode = ledSelMode;
    m_ledType = ledType;
    m_lightSwitchValue = value;
    const Maxima *maxima = zoneMaxima(ledSelMode);
    if (!maxima) {
        qCDebug(lcUi) << "ColorWheelTool: no zone" << ledSelMode << "on panel kind" << m_deviceType;
        return;
    }
    m_applyEnabled = false;
    m_speedSlider->setMaximum(maxima->speed);
    m_speedSlider->setValue(maxima->speed - 1);
    m_brightnessSlider->setMaximum(maxima->brightness);
    m_brightnessSlider->setValue(maxima->brightness - 1);
    m_applyEnabled = true;
    loadLightConfig(ledSelMode);
}

void ColorWheelTool::setLedType(int ledType, int value)
{
    m_ledType = ledType;
    m_lightSwitchValue = value;
    m_colorSelIndex = 0;
    if (!hasStore()) {
        qCWarning(lcUi) << "ColorWheelTool: no profile yet; effect" << ledType << "is not stored";
    } else if (!m_xml->hasLightItem(m_profilePath.constData(), configKey().constData(), m_ledSelMode, ledType)) {
        colorInfoData record;
        record.ledKeyboardOrSide = m_ledSelMode;
        record.ledType = ledType;
        record.ledBrightness = 3;
        record.ledSpeed = 3;
        record.ledModeR = 255;
        record.ledDirection = m_deviceType == 0 ? defaultDirection(ledType) : 0;
        record.ledModeType = 1;
        if (!m_xml->addLightItem(m_profilePath.constData(), configKey().constData(), record))
            qCWarning(lcUi) << "ColorWheelTool: cannot add the item of effect" << ledType << "zone" << m_ledSelMode
                            << "to" << m_profilePath;
    }
    loadLightConfig(m_ledSelMode);
}

void ColorWheelTool::saveLightConfig()
{
    storeRecord();
}

void ColorWheelTool::applyLightSettings()
{
    const bool stored = storeRecord();
    if (m_deviceType == 0) {
        if (m_ledSelMode == 0)
            emit sigSendSetKeyboardColorData();
        else
            emit sigSendSetSideColorData();
    } else {
        emit sigSendSetMouseColorData(m_ledSelMode);
    }
    const bool inUse = hasStore()
                       && m_xml->setLightUsingIndex(m_profilePath.constData(), configKey().constData(), m_ledSelMode,
                                                    m_colorInfoData.ledType);
    if (stored && inUse) {
        emit sigSetLightEffectSuccessful();
        return;
    }
    qCWarning(lcUi) << "ColorWheelTool: the effect" << m_colorInfoData.ledType << "of zone" << m_ledSelMode
                    << "is not in the profile" << m_profilePath;
    emit sigSetLightEffectFailed();
}

void ColorWheelTool::retranslate()
{
    ui->retranslateUi(this);
    m_brightnessSlider->setTexts(tr("Brightness"), tr("Dark"), tr("Bright"));
    m_speedSlider->setTexts(tr("Speed"), tr("Slow"), tr("Fast"));
}

void ColorWheelTool::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_checkedColor = theme.TextCheckedColor;

    const QList<int> handle = colorNumbers(theme.TextCheckedColor);
    m_colorArea->setBgColor(QColor(clampComponent(handle[0]), clampComponent(handle[1]), clampComponent(handle[2])));
    paintChip(0, QColor(m_work.ledModeR, m_work.ledModeG, m_work.ledModeB));
    paintChip(1, QColor(m_work.ledBgR, m_work.ledBgG, m_work.ledBgB));
    using stylesheets::colour;
    setStyleSheet(fillTemplate(kPanelTemplate, {colour(theme.TextDefaultColor), colour(theme.DeviceRightBgColor),
                                                colour(theme.TextCheckedColor), theme.TextFont}));
    ui->frame_5->setStyleSheet(
        fillTemplate(kButtonTemplate, {colour(theme.DeviceBorderColor), colour(theme.DeviceControlDefaultColor),
                                       colour(theme.DeviceControlHoverColor), colour(theme.TextDefaultColor),
                                       colour(theme.TextCheckedColor), theme.TextFont,
                                       stylesheets::translucent(theme.DeviceControlHoverColor, 130)}));
    const QList<int> text = colorNumbers(theme.DeviceColorToolSliderTextColor);
    for (SliderToolArea *slider : {m_brightnessSlider, m_speedSlider})
        slider->setThemeColors(text[0], text[1], text[2], theme.DeviceColorToolSliderTopColor,
                               theme.DeviceColorToolSliderBottomColor, theme.TextFont);
}

// ---- Loading and storing ----

bool ColorWheelTool::hasStore() const
{
    return m_xml && !m_profilePath.isEmpty();
}

QByteArray ColorWheelTool::configKey() const
{
    return QByteArray::number(m_profileIndex);
}

const ColorWheelTool::Maxima *ColorWheelTool::zoneMaxima(int ledSelMode) const
{
    if (m_deviceType == 0) {
        if (ledSelMode == 0)
            return &m_keyMaxima;
        if (ledSelMode == 1)
            return &m_sideMaxima;
    } else if (m_deviceType == 1) {
        if (ledSelMode == 0)
            return &m_aroundMaxima;
        if (ledSelMode == 1)
            return &m_scrollMaxima;
        if (ledSelMode == 2)
            return &m_logoMaxima;
    }
    return nullptr;
}

colorInfoData ColorWheelTool::workingRecord() const
{
    colorInfoData record = m_work;
    record.ledKeyboardOrSide = m_ledSelMode;
    record.ledType = m_ledType;
    return record;
}

bool ColorWheelTool::storeRecord()
{
    m_work.ledModeType = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    m_colorInfoData = workingRecord();
    if (!hasStore()) {
        qCWarning(lcUi) << "ColorWheelTool: no profile yet; the lighting record is not stored";
        return false;
    }
    const char *path = m_profilePath.constData();
    const QByteArray key = configKey();
    const bool stored = m_xml->hasLightItem(path, key.constData(), m_ledSelMode, m_ledType)
                            ? m_xml->modifyLightItem(path, key.constData(), m_ledSelMode, m_ledType, m_colorInfoData)
                            : m_xml->addLightItem(path, key.constData(), m_colorInfoData);
    if (!stored) {
        qCWarning(lcUi) << "ColorWheelTool: cannot store the item of effect" << m_ledType << "zone" << m_ledSelMode
                        << "in" << m_profilePath;
        return false;
    }
    qCDebug(lcUi) << "------------------- Light Config Save OK ------------------";
    return true;
}

void ColorWheelTool::emitSelectedType(int ledSelMode, int ledType)
{
    if (m_deviceType == 0) {
        if (ledSelMode == 0)
            emit sigSelectKeyboardLightType(ledType);
        else if (ledSelMode == 1)
            emit sigSelectSideLightType(ledType);
    } else if (m_deviceType == 1) {
        if (ledSelMode == 0)
            emit sigSelectightTypeMouseAround(ledType);
        else if (ledSelMode == 1)
            emit sigSelectightTypeMouseScroll(ledType);
        else if (ledSelMode == 2)
            emit sigSelectightTypeMouseLogo(ledType);
    }
}

void ColorWheelTool::loadLightConfig(int ledSelMode)
{
    colorInfoData record;
    if (!hasStore()
        || !m_xml->getLightItem(m_profilePath.constData(), configKey().constData(), ledSelMode, m_ledType, &record)) {
        resetLightConfig();
        if (zoneMaxima(ledSelMode)) {
            emitSelectedType(ledSelMode, 2);
            ui->frame_Direction->hide();
        }
        return;
    }
    for (int32_t *component :
         {&record.ledModeR, &record.ledModeG, &record.ledModeB, &record.ledBgR, &record.ledBgG, &record.ledBgB})
        *component = clampComponent(*component);

    // The working copy holds the loaded record before any control reports, so that every report
    // carries the stored values. What the controls report while they are filled is not stored: a
    // load leaves the file as it is, even where a control cannot show a stored value.
    const QScopedValueRollback<bool> loading(m_loading, true);
    m_colorInfoData = record;
    m_ledSelMode = ledSelMode;
    m_work = record;
    m_ledType = record.ledType;

    if (m_deviceType == 0) {
        setKeyboardLightControls(record.ledType);
    } else {
        ui->frame_Direction->hide();
        ui->pushButton_beforeColor->setChecked(true);
        setMouseLightControls(ledSelMode, record.ledType);
    }
    emitSelectedType(ledSelMode, record.ledType);
    ui->checkBox_FullColorMode->setChecked(m_work.ledModeType == 1);
    emit sigLightOpenOrCloseType(m_lightSwitchValue);
    m_brightnessSlider->setValue(record.ledBrightness);
    m_speedSlider->setValue(record.ledSpeed);
    if (m_deviceType == 0)
        onCurIndexChanged_LedDirection(record.ledDirection);
    m_wheelColor = QColor(record.ledModeR, record.ledModeG, record.ledModeB);
    paintChip(0, m_wheelColor);
    paintChip(1, QColor(record.ledBgR, record.ledBgG, record.ledBgB));
    if (writeFieldsQuietly(editedColor()))
        applyLightConfigChange(FromColor);
    if (m_deviceType == 0)
        showColorControls(true);
}

void ColorWheelTool::resetLightConfig()
{
    m_wheelColor = QColor(255, 0, 0);
    writeFieldsQuietly(m_wheelColor);
    if (const Maxima *maxima = zoneMaxima(m_ledSelMode)) {
        m_brightnessSlider->setValue(maxima->brightness - 1);
        m_speedSlider->setValue(maxima->speed - 1);
    }
    ui->checkBox_FullColorMode->setChecked(true);
    paintChip(0, QColor(255, 0, 0));
    paintChip(1, QColor(0, 0, 0));
    m_work.ledBrightness = 3;
    m_work.ledSpeed = 3;
    m_work.ledModeR = 255;
    m_work.ledModeG = 0;
    m_work.ledModeB = 0;
    m_work.ledBgR = 0;
    m_work.ledBgG = 0;
    m_work.ledBgB = 0;
    m_work.ledModeType = 1;
    m_work.ledOpenOrClose = 0;
    m_work.ledUpdate = 0;
    m_colorInfoData = workingRecord();
    writeFieldsQuietly(m_colorSelIndex == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0));
}

void ColorWheelTool::applyLightConfigChange(int lightConfigChangedFrom)
{
    if (!m_applyEnabled || (m_deviceType == 0 && m_ledSelMode == 1 && !m_sideLightSelected) || m_isMousePress)
        return;
    m_work.ledModeType = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    m_colorInfoData = workingRecord();
    emit sigLightConfigHaveChanged(lightConfigChangedFrom, m_ledSelMode);

    if (m_loading)
        return;
    // The brush colour is no setting: the painted keys are stored when the paint is saved.
    if (isPerKeyBrush() && lightConfigChangedFrom == FromColor)
        return;
    if (!hasStore()) {
        qCWarning(lcUi) << "ColorWheelTool: no profile yet; the change is not stored";
        return;
    }
    const char *path = m_profilePath.constData();
    const QByteArray key = configKey();
    if (!m_xml->hasLightItem(path, key.constData(), m_ledSelMode, m_ledType)) {
        qCDebug(lcUi) << "------------------- isHave == false ------------------ m_ledType:" << m_ledType;
        return;
    }
    qCDebug(lcUi) << "------------------- isHave == true ------------------ m_ledSelMode" << m_ledSelMode
                  << " m_ledType:" << m_ledType;
    if (!m_xml->modifyLightItem(path, key.constData(), m_ledSelMode, m_ledType, m_colorInfoData))
        qCWarning(lcUi) << "ColorWheelTool: cannot store the change of effect" << m_ledType << "zone" << m_ledSelMode
                        << "in" << m_profilePath;
}

// ---- Which controls an effect shows ----

void ColorWheelTool::showFullColorRow(bool shown)
{
    ui->pushButton_afterColor->setVisible(shown);
    ui->pushButton->setVisible(shown);
    ui->checkBox_FullColorMode->setVisible(shown);
    ui->checkBox_FullColorMode->setChecked(shown);
}

void ColorWheelTool::showColorControls(bool shown)
{
    ui->frame_Color->setVisible(shown);
    ui->frame->setVisible(shown);
    ui->frame_4->setVisible(shown);
    ui->frame_2->setVisible(shown);
}

void ColorWheelTool::setKeyboardLightControls(int ledType)
{
    m_colorSelIndex = 0;
    ui->pushButton_beforeColor->setChecked(true);
    showFullColorRow(ledType != 0 && ledType != 10);

    static const QList<int> noDirection = {0, 1, 3, 6, 8, 9, 10, 11, 14, 16, 100};
    const bool sideWithout = m_ledSelMode == 1 && (ledType == 2 || ledType == 4);
    if (noDirection.contains(ledType) || sideWithout) {
        ui->frame_Direction->hide();
    } else {
        for (QAbstractButton *button : m_directionGroup->buttons())
            button->hide();
        ui->frame_Direction->show();
        QList<int> shown;
        if (ledType == 2)
            shown = {0, 1, 2, 3, 5, 4};
        else if (ledType == 4 || ledType == 5 || ledType == 15)
            shown = {6, 7};
        else if (ledType == 7)
            shown = {5, 4};
        else if (ledType == 12)
            shown = {2, 3};
        for (int id : shown)
            m_directionGroup->button(id)->show();
    }
    ui->frame_SliderSpeed->setVisible(ledType != 0 && ledType != 10 && ledType != 12 && ledType != 100);
}

void ColorWheelTool::setMouseLightControls(int ledSelMode, int ledType)
{
    const bool isStatic = ledType == 0;
    const bool isDpi = ledSelMode == 0 ? ledType == 7 : ledType == 3;
    const bool speedRespond = ledSelMode == 0 && ledType == 8;
    showFullColorRow(!isStatic && !isDpi);
    ui->frame_SliderSpeed->setVisible(!isStatic && !isDpi && !speedRespond);
    showColorControls(!isDpi);
}

// ---- Colours ----

QLineEdit *ColorWheelTool::fieldAt(int field) const
{
    switch (field) {
    case 0:
        return ui->lineEdit_R;
    case 1:
        return ui->lineEdit_G;
    default:
        return ui->lineEdit_B;
    }
}

QColor ColorWheelTool::editedColor() const
{
    if (m_colorSelIndex == 0)
        return QColor(m_work.ledModeR, m_work.ledModeG, m_work.ledModeB);
    return QColor(m_work.ledBgR, m_work.ledBgG, m_work.ledBgB);
}

void ColorWheelTool::setEditedColor(const QColor &colour)
{
    if (m_colorSelIndex == 0) {
        m_work.ledModeR = colour.red();
        m_work.ledModeG = colour.green();
        m_work.ledModeB = colour.blue();
    } else {
        m_work.ledBgR = colour.red();
        m_work.ledBgG = colour.green();
        m_work.ledBgB = colour.blue();
    }
}

void ColorWheelTool::paintChip(int chip, const QColor &colour)
{
    QPushButton *button = chip == 0 ? ui->pushButton_beforeColor : ui->pushButton_afterColor;
    button->setStyleSheet(fillTemplate(kChipTemplate, {QString::number(colour.red()), QString::number(colour.green()),
                                                       QString::number(colour.blue()), m_checkedColor}));
}

bool ColorWheelTool::writeFieldsQuietly(const QColor &colour)
{
    const int values[3] = {colour.red(), colour.green(), colour.blue()};
    bool changed = false;
    for (int field = 0; field < 3; ++field) {
        QLineEdit *edit = fieldAt(field);
        const QString text = QString::number(values[field]);
        m_lastFieldValue[field] = values[field];
        if (edit->text() == text)
            continue;
        const QSignalBlocker blocker(edit);
        edit->setText(text);
        changed = true;
    }
    return changed;
}

void ColorWheelTool::reloadCustomColors()
{
    ui->widget_BasicColor->clearColorItems();
    if (!hasStore())
        return;
    QList<CustomColorInfo> colours;
    m_xml->getCustomColors(m_profilePath.constData(), configKey().constData(), &colours);
    for (const CustomColorInfo &colour : qAsConst(colours))
        ui->widget_BasicColor->addColorItem(colour.index, clampComponent(colour.colorR), clampComponent(colour.colorG),
                                            clampComponent(colour.colorB));
}

// ---- Handlers ----

void ColorWheelTool::onSvChangedSlot(int, int, int) {}

void ColorWheelTool::onGetHexRGB(QString) {}

void ColorWheelTool::onUpdataColorBuildUp(QList<double>, QList<QColor>) {}

void ColorWheelTool::onGetRGB(int r, int g, int b)
{
    qCDebug(lcUi) << "----------------onGetRGB --->>> r:" << r << "  g:" << g << "  b:" << b;
    const QColor colour(clampComponent(r), clampComponent(g), clampComponent(b));
    m_wheelColor = colour;
    const bool changed = !sameRgb(editedColor(), colour);
    writeFieldsQuietly(colour);
    setEditedColor(colour);
    paintChip(m_colorSelIndex, colour);
    // A pick comes with a press held: the release stores it.
    if (changed && !m_isMousePress)
        applyLightConfigChange(FromColor);
}

void ColorWheelTool::onMoveingStatus(int valueRotate, int)
{
    // Every repaint reports the ring; only a turn of it changes the colour.
    if (valueRotate == m_lastRingValue)
        return;
    m_lastRingValue = valueRotate;
    if (valueRotate == 0)
        return;
    const int value = (100 - qBound(0, valueRotate, 100)) * 255 / 100;
    qreal hue = 0;
    qreal saturation = 0;
    qreal unused = 0;
    m_wheelColor.getHsvF(&hue, &saturation, &unused);
    const QColor colour = QColor::fromHsvF(hue, saturation, value / 255.0).toRgb();
    const bool changed = !sameRgb(editedColor(), colour);
    writeFieldsQuietly(colour);
    setEditedColor(colour);
    paintChip(m_colorSelIndex, colour);
    if (changed && !m_isMousePress)
        applyLightConfigChange(FromColor);
}

void ColorWheelTool::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_isMousePress = isMousePress;
    applyLightConfigChange(FromColor);
}

void ColorWheelTool::onColorItemSelcSignal(QColor colour)
{
    const bool fromField = m_fieldInput;
    m_fieldInput = false;
    const QColor rgb = colour.isValid() ? QColor(colour.red(), colour.green(), colour.blue()) : QColor(0, 0, 0);
    if (!m_isMousePress)
        m_wheelColor = rgb;
    const bool changed = !sameRgb(editedColor(), rgb);
    if (fromField) {
        // A field's own text is put in its plain form ("007" becomes "7"), which runs its handler again.
        const int values[3] = {rgb.red(), rgb.green(), rgb.blue()};
        for (int field = 0; field < 3; ++field) {
            const QString text = QString::number(values[field]);
            if (fieldAt(field)->text() != text)
                fieldAt(field)->setText(text);
        }
    } else {
        writeFieldsQuietly(rgb);
    }
    setEditedColor(rgb);
    paintChip(m_colorSelIndex, rgb);
    if (!m_isMousePress)
        m_colorArea->resetRotate();
    // The per-key brush paints the selected keys even with the colour it already has.
    if (changed || fromField || isPerKeyBrush())
        applyLightConfigChange(FromColor);
}

bool ColorWheelTool::isPerKeyBrush() const
{
    return m_deviceType == 0 && m_ledSelMode == 0 && m_ledType == kPerKeyEffect;
}

void ColorWheelTool::fieldTextChanged(int field, const QString &text)
{
    const int value = text.toInt();
    if (value <= 255) {
        m_lastFieldValue[field] = value;
        if (field == 0)
            onRedValueChangedSlot(value);
        else if (field == 1)
            onGreenValueChangedSlot(value);
        else
            onBlueValueChangedSlot(value);
        return;
    }
    fieldAt(field)->setText(QString::number(m_lastFieldValue[field]));
}

void ColorWheelTool::fieldValueChanged(int field, int value)
{
    int values[3];
    for (int i = 0; i < 3; ++i)
        values[i] = i == field ? value : clampComponent(fieldAt(i)->text().toInt());
    m_fieldInput = true;
    onColorItemSelcSignal(QColor(clampComponent(values[0]), clampComponent(values[1]), clampComponent(values[2])));
}

void ColorWheelTool::on_lineEdit_R_textChanged(const QString &text)
{
    fieldTextChanged(0, text);
}

void ColorWheelTool::on_lineEdit_G_textChanged(const QString &text)
{
    fieldTextChanged(1, text);
}

void ColorWheelTool::on_lineEdit_B_textChanged(const QString &text)
{
    fieldTextChanged(2, text);
}

void ColorWheelTool::onRedValueChangedSlot(int redNum)
{
    qCDebug(lcUi) << "------------------- *** redNum:" << redNum;
    fieldValueChanged(0, redNum);
}

void ColorWheelTool::onGreenValueChangedSlot(int greenNum)
{
    qCDebug(lcUi) << "------------------- *** greenNum:" << greenNum;
    fieldValueChanged(1, greenNum);
}

void ColorWheelTool::onBlueValueChangedSlot(int blueNum)
{
    qCDebug(lcUi) << "------------------- *** blueNum:" << blueNum;
    fieldValueChanged(2, blueNum);
}

void ColorWheelTool::onCurIndexChanged_LedBeforeOrAfterColor(int selIndex)
{
    qCDebug(lcUi) << "------------------onCurIndexChanged_LedBeforeOrAfterColor->selIndex:" << selIndex;
    m_colorSelIndex = selIndex;
    m_wheelColor = selIndex != 0 ? QColor(m_work.ledBgR, m_work.ledBgG, m_work.ledBgB)
                                 : QColor(m_work.ledModeR, m_work.ledModeG, m_work.ledModeB);
    paintChip(selIndex != 0 ? 1 : 0, m_wheelColor);
    writeFieldsQuietly(m_wheelColor);
}

void ColorWheelTool::on_checkBox_FullColorMode_clicked()
{
    m_work.ledModeType = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    applyLightConfigChange(FromFullColor);
}

void ColorWheelTool::onBrightnessSliderValueChanged(int valueBrightness)
{
    qCDebug(lcUi) << "------------------------------------valueBrightness:" << valueBrightness;
    m_work.ledBrightness = valueBrightness;
    applyLightConfigChange(FromBrightness);
}

void ColorWheelTool::onSpeedSliderValueChanged(int valueSpeed)
{
    qCDebug(lcUi) << "------------------------------------valueSpeed:" << valueSpeed;
    m_work.ledSpeed = valueSpeed;
    applyLightConfigChange(FromSpeed);
}

void ColorWheelTool::onCurIndexChanged_LedDirection(int selIndex)
{
    qCDebug(lcUi) << "----------------selIndex:" << selIndex;
    m_work.ledDirection = selIndex;
    if (QAbstractButton *button = m_directionGroup->button(selIndex)) {
        m_directionGroup->setExclusive(false);
        for (QAbstractButton *other : m_directionGroup->buttons())
            other->setChecked(false);
        button->setChecked(true);
        m_directionGroup->setExclusive(true);
    }
    applyLightConfigChange(FromDirection);
}

void ColorWheelTool::onAddColor(int addIndex)
{
    const int r = clampComponent(ui->lineEdit_R->text().toInt());
    const int g = clampComponent(ui->lineEdit_G->text().toInt());
    const int b = clampComponent(ui->lineEdit_B->text().toInt());
    if (!hasStore()) {
        qCWarning(lcUi) << "ColorWheelTool: no profile yet; the swatch is not added";
        return;
    }
    CustomColorInfo item;
    item.index = addIndex;
    item.actionStatus = 1;
    item.colorR = r;
    item.colorG = g;
    item.colorB = b;
    item.transparentNum = 128;
    // Shown only once the profile holds it.
    if (m_xml->addCustomColor(m_profilePath.constData(), configKey().constData(), item)) {
        ui->widget_BasicColor->addColorItem(addIndex, r, g, b);
        return;
    }
    qCWarning(lcUi) << "ColorWheelTool: cannot store the swatch in slot" << addIndex << "in" << m_profilePath;
    reloadCustomColors();
}

void ColorWheelTool::onDeleteColor(int delIndex)
{
    if (!hasStore()) {
        qCWarning(lcUi) << "ColorWheelTool: no profile yet; the swatch is not deleted from it";
        return;
    }
    if (m_xml->deleteCustomColor(m_profilePath.constData(), configKey().constData(),
                                 QByteArray::number(delIndex).constData()))
        return;
    qCWarning(lcUi) << "ColorWheelTool: cannot delete the swatch in slot" << delIndex << "from" << m_profilePath;
    reloadCustomColors();
}

void ColorWheelTool::on_pushButton_OK_clicked()
{
    applyLightSettings();
}

void ColorWheelTool::on_pushButton_Cancel_clicked()
{
    qCDebug(lcUi) << "------------------- Cancel ------------------";
    emit sigLightCancelSettings(m_ledSelMode);
}

bool ColorWheelTool::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        bool onField = false;
        for (int field = 0; field < 3; ++field) {
            QLineEdit *edit = fieldAt(field);
            if (watched == edit) {
                m_lastFieldValue[field] = edit->text().toInt();
                edit->setFocus();
                onField = true;
            }
        }
        if (!onField) {
            for (int field = 0; field < 3; ++field)
                fieldAt(field)->clearFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}
