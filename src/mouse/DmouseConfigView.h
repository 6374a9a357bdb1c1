// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's DPI configuration: the DPI levels of the current profile as rows, two sliders for
// the level's resolution, a colour wheel, swatches and typed R, G, B numbers for its colour, which
// levels the DPI key steps through and which level the mouse uses now.
//
// Every change goes into the profile file first and is announced with sigDpiConfigChanged after;
// the device page reads the file back in that signal and sends the levels to the mouse.

#include "DDpiConfigListItem.h"
#include "XmlRecords.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>

class BasicColorArea;
class QLineEdit;
class QSlider;
class QVBoxLayout;
class SVColorArea;
class xmlInterface;

namespace Ui {
class DmouseConfigView;
}

class DmouseConfigView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSteppedLevels = 5;  // the DPI key never reaches level 6
    static constexpr int kLevels = 6;

    explicit DmouseConfigView(QWidget *parent = nullptr);
    ~DmouseConfigView() override;

    void setProfileXml(const char *profilePath, xmlInterface *xml);
    void setProfileIndex(int profileIndex);
    void setSupportEnableXY(bool support);
    void loadProfileConfig();
    // The mouse's DPI key: the level in use moves on to the next selected level among 1 to 5;
    // presses > 1 moves on that many times, and the rows, the file and the mouse take only the
    // level it ends on.
    void switchToNextDpi(int presses = 1);
    void applyTheme();
    void retranslate();

    int usingIndex() const { return m_usingIndex; }
    // The rows on screen in level order, and the row being edited (null when none).
    QList<DDpiConfigListItem *> rows() const { return m_rows; }
    DDpiConfigListItem *currentRow() const { return m_curRow; }
    SVColorArea *colorWheel() const { return m_colorArea; }
    BasicColorArea *swatchRow() const { return m_basicColorArea; }

signals:
    void sigDpiConfigChanged();

private slots:
    void onDpiConfigItemMouseClicked(int selIndex);
    void onDpiConfigSetToMouse();
    void onDpiConfigHaveChanged();
    void onSetValueX(int ValueX);
    void onSetValueY(int ValueY);
    void onSliderReleased();
    void onGetRGB(int r, int g, int b);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onColorItemSelcSignal(const QColor &colour);
    void onAddColor(int addIndex);
    void onDeleteColor(int delIndex);
    void on_checkBox_EnableXY_clicked();
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);

private:
    QByteArray profileKey() const;
    bool hasProfile() const;
    void loadDpiItems();
    void clearDpiItems();
    void saveDpiItem(DDpiConfigListItem *row);
    void reloadRow(DDpiConfigListItem *row);
    void showRowOnControls(DDpiConfigListItem *row);
    void showSelectColor(const QColor &colour);
    void applyRgbInput();
    void acceptTyped(QLineEdit *edit, int field, const QString &text);
    void setRangeCaptions();
    void resetRing();

    Ui::DmouseConfigView *ui;
    int m_usingIndex = 0;
    int m_profileIndex = 1;
    SVColorArea *m_colorArea = nullptr;
    BasicColorArea *m_basicColorArea = nullptr;
    bool m_wheelPressed = false;
    QColor m_picked = QColor(0, 0, 0);
    int m_lastRing = 0;       // the ring value last received from the wheel
    int m_lastTyped[3] = {};  // each of the R, G and B fields' last accepted value
    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    QVBoxLayout *m_rowLayout = nullptr;
    QList<DDpiConfigListItem *> m_rows;
    bool m_rowsStale = false;  // the rows are made anew at the next load (theme or language changed)
    QMap<int, DDpiConfigListItem *> m_rowMap;
    QPointer<DDpiConfigListItem> m_curRow;
};
