// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lighting settings panel of the device page: colours, brightness, speed and direction of one
// effect of one lighting zone (keys or side strip of a keyboard, Around, Scroll or Logo of the
// mouse). Every change is written into the current profile at once and reported to the device
// page, which previews it; OK stores the record, marks the effect as the zone's effect in use and
// asks the device page to send it.

#include "XmlRecords.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QLineEdit;
class ColorBuildUpToolArea;
class SliderToolArea;
class SVColorArea;
class xmlInterface;

namespace Ui {
class ColorWheelTool;
}

class ColorWheelTool : public QWidget
{
    Q_OBJECT

public:
    explicit ColorWheelTool(QWidget *parent = nullptr);
    ~ColorWheelTool() override;

    void setDeviceType(int deviceType);  // 0 keyboard panel, 1 mouse panel
    int deviceType() const { return m_deviceType; }
    void setSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setSideLightSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseAroundSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseScrollSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseLogoSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setCurrentProfile(const char *profilePath, xmlInterface *xml, int profileIndex);
    void clearCustomColors();
    void setColorInfoData(colorInfoData colorData);
    colorInfoData getColorInfoData() const { return m_colorInfoData; }
    void setSideLightSelected(bool selected);
    void setLedSelMode(int ledSelMode, int ledType, int value);
    void setLedType(int ledType, int value);
    void saveLightConfig();
    void applyLightSettings();
    void retranslate();
    void applyTheme();

    // The parts the device page and the tests look at.
    SVColorArea *colorArea() const { return m_colorArea; }
    SliderToolArea *brightnessSlider() const { return m_brightnessSlider; }
    SliderToolArea *speedSlider() const { return m_speedSlider; }
    int ledSelMode() const { return m_ledSelMode; }
    int ledType() const { return m_ledType; }
    int colorSelIndex() const { return m_colorSelIndex; }

signals:
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, int ledSelMode);
    void sigSelectKeyboardLightType(int ledType);
    void sigSelectSideLightType(int ledType);
    void sigSelectightTypeMouseAround(int ledType);
    void sigSelectightTypeMouseScroll(int ledType);
    void sigSelectightTypeMouseLogo(int ledType);
    void sigLightOpenOrCloseType(int value);
    void sigSendSetKeyboardColorData();
    void sigSendSetSideColorData();
    void sigSendSetMouseColorData(int ledSelMode);
    void sigSetLightEffectSuccessful();
    // OK or applyLightSettings could not put the record or the effect in use into the profile.
    void sigSetLightEffectFailed();
    void sigLightCancelSettings(int ledSelMode);
    void sigSendUpdataColorBuildUp(QList<double> listColorScale, QList<QColor> listColor);
    void sigInitColorOver();
    void sigSendKeyboardAndSideLightSpeedAndBrightness(int keyboardSpeedMax, int keyboardBrightnessMax,
                                                       int sideSpeedMax, int sideBrightnessMax);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onSvChangedSlot(int hue, int saturation, int value);
    void onGetRGB(int r, int g, int b);
    void onGetHexRGB(QString strHexRGB);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onCurIndexChanged_LedDirection(int selIndex);
    void onUpdataColorBuildUp(QList<double> listColorScale, QList<QColor> listColor);
    void onBrightnessSliderValueChanged(int valueBrightness);
    void onSpeedSliderValueChanged(int valueSpeed);
    void onCurIndexChanged_LedBeforeOrAfterColor(int selIndex);
    void onColorItemSelcSignal(QColor colour);
    void onAddColor(int addIndex);
    void onDeleteColor(int delIndex);
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void on_checkBox_FullColorMode_clicked();
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);
    void onRedValueChangedSlot(int redNum);
    void onGreenValueChangedSlot(int greenNum);
    void onBlueValueChangedSlot(int blueNum);

private:
    struct Maxima {
        int speed = 0;
        int brightness = 0;
    };
    using ColorPair = QPair<QColor, QColor>;

    bool hasStore() const;
    QByteArray configKey() const;
    // The maxima of a zone of this panel kind; null for a zone the panel does not have.
    const Maxima *zoneMaxima(int ledSelMode) const;
    colorInfoData workingRecord() const;
    bool storeRecord();
    void loadLightConfig(int ledSelMode);
    void resetLightConfig();
    void applyLightConfigChange(int lightConfigChangedFrom);
    void emitSelectedType(int ledSelMode, int ledType);
    void setKeyboardLightControls(int ledType);
    void setMouseLightControls(int ledSelMode, int ledType);
    void showFullColorRow(bool shown);
    void showColorControls(bool shown);
    void reloadCustomColors();
    void paintChip(int chip, const QColor &colour);
    QColor editedColor() const;
    void setEditedColor(const QColor &colour);
    // Writes the colour into the three fields without running their handlers; true when a text changed.
    bool writeFieldsQuietly(const QColor &colour);
    bool isPerKeyBrush() const;
    void fieldTextChanged(int field, const QString &text);
    void fieldValueChanged(int field, int value);
    QLineEdit *fieldAt(int field) const;

    std::unique_ptr<Ui::ColorWheelTool> ui;
    SVColorArea *m_colorArea = nullptr;
    ColorBuildUpToolArea *m_colorBuildUp = nullptr;
    SliderToolArea *m_brightnessSlider = nullptr;
    SliderToolArea *m_speedSlider = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
    QButtonGroup *m_colorGroup = nullptr;

    int m_deviceType = 0;
    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
    int m_ledSelMode = -1;
    int m_ledType = 0;
    // Fields 2 to 13 of the record being edited; the zone and effect are m_ledSelMode and m_ledType.
    colorInfoData m_work{};
    colorInfoData m_colorInfoData{};
    QColor m_wheelColor{0, 0, 0};
    bool m_isMousePress = false;
    int m_lastFieldValue[3] = {0, 0, 0};  // last accepted value of each of R, G, B
    int m_lastRingValue = 0;
    int m_colorSelIndex = 0;
    int m_lightSwitchValue = 0;
    bool m_fieldInput = false;
    bool m_sideLightSelected = false;
    bool m_applyEnabled = false;
    // While a load fills the controls from the file: changes are reported but not stored back.
    bool m_loading = false;
    QString m_checkedColor;
    Maxima m_keyMaxima;
    Maxima m_sideMaxima;
    Maxima m_aroundMaxima;
    Maxima m_scrollMaxima;
    Maxima m_logoMaxima;
    QList<ColorPair> m_buildUpStops;
};
