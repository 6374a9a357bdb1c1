// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's button page: the mouse picture in the middle, eight captions around it, each joined
// to the mouse button it names by a leader line. A caption shows the function assigned to its
// button in the current profile, or the button's own name; a click selects the button for
// assignment and highlights its line.

#include "MouseDefinitionFile.h"
#include "XmlRecords.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DMousePage;
}
class QButtonGroup;
class QPainter;
class QPushButton;
class xmlInterface;

class DMousePage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kButtonCount = 8;
    static constexpr int kCaptionMaxWidth = 110;

    explicit DMousePage(QString model, QWidget *parent = nullptr);
    ~DMousePage() override;

    void loadMouseInfo(QString model);
    bool parseMouseInfo(const QByteArray &text);
    void setKeyNameMap(QMap<int, QString> keyNameMap);
    void setXmlInterface(xmlInterface *xml);
    void setProfilePath(const char *profilePath);
    void resetAllKeyText();
    void resetKeyText(int keyCode);
    void showKeyInfo(int keyCode, CustomKeyInfo record);
    void setKeyText(QPair<int, QString> key);
    void applyTheme();

    // The full text of an assignment record, before it is shortened for its caption.
    QString keyInfoText(const CustomKeyInfo &record) const;

    QPushButton *button(int index) const;
    int supportEnableXY() const;
    bool isLoaded() const { return m_loaded; }
    // The index of the caption whose line is highlighted, -1 while none is.
    int selectedIndex() const { return m_selected ? m_selectedRow.index : -1; }

signals:
    void sigMouseButtonClicked(int selIndex);
    void sigMouseInfoAlreadyLoad();

public slots:
    void onCurMouseIndexChanged(int selIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void translateDefaultNames();
    void placeCaptions();
    void drawDots(QPainter &painter, const MouseButtonRow &row);
    int buttonOfKeyCode(int keyCode) const;

    std::unique_ptr<Ui::DMousePage> ui;
    QMap<int, QString> m_keyNameMap;
    xmlInterface *m_xml = nullptr;
    QByteArray m_profilePath;
    QString m_model;
    QString m_picturePath;
    QPixmap m_picture;
    QList<int> m_keyCodes;
    CustomKeyInfo m_currentRecord;
    QList<QPushButton *> m_buttons;
    QButtonGroup *m_group = nullptr;
    QStringList m_defaultNames;
    bool m_loaded = false;
    bool m_selected = false;
    QList<MouseButtonRow> m_rows;
    QMap<int, MouseButtonRow> m_rowMap;
    MouseButtonRow m_selectedRow;
    int m_textWidth = MouseDefinitionFile::kDefaultTextWidth;
    int m_textHeight = MouseDefinitionFile::kDefaultTextHeight;
    int m_supportEnableXY = MouseDefinitionFile::kDefaultSupportEnableXY;
    QFont m_captionFont;
    QColor m_bgColor;
    QColor m_lineColor{160, 160, 160};
    QColor m_dotColor{200, 200, 200};
    QColor m_leftLineColor{160, 160, 160};
    QColor m_leftDotColor{200, 200, 200};
    QColor m_highlightColor{255, 49, 53};
};
