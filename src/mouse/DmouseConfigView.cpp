// SPDX-License-Identifier: GPL-3.0-or-later
#include "DmouseConfigView.h"
#include "ui_DmouseConfigView.h"

#include "BasicColorArea.h"
#include "DDataManager.h"
#include "DDpiConfigListItem.h"
#include "LogCategories.h"
#include "MouseDpiCommand.h"
#include "SVColorArea.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int kSliderMin = MouseDpiCommand::kMinDpi / MouseDpiCommand::kDpiStep;
constexpr int kSliderMax = MouseDpiCommand::kMaxDpi / MouseDpiCommand::kDpiStep;
constexpr int kUserSwatchAction = 1;
constexpr int kUserSwatchAlpha = 128;
constexpr int kMaxTypedValue = 255;

// The level as the sliders and the device can carry it: DPI on the grid, colours within 0 to 255.
DpiItemInfo onGrid(DpiItemInfo item)
{
    item.dpiX = MouseDpiCommand::dpiOnGrid(item.dpiX);
    item.dpiY = MouseDpiCommand::dpiOnGrid(item.dpiY);
    item.dpiColorR = MouseDpiCommand::colorComponent(item.dpiColorR);
    item.dpiColorG = MouseDpiCommand::colorComponent(item.dpiColorG);
    item.dpiColorB = MouseDpiCommand::colorComponent(item.dpiColorB);
    return item;
}

bool sameItem(const DpiItemInfo &a, const DpiItemInfo &b)
{
    return a.selectStatus == b.selectStatus && a.index == b.index && a.isXY == b.isXY && a.dpiX == b.dpiX
           && a.dpiY == b.dpiY && a.dpiColorR == b.dpiColorR && a.dpiColorG == b.dpiColorG
           && a.dpiColorB == b.dpiColorB;
}

QColor opaqueFromTheme(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 3)
        return QColor(255, 49, 53);
    return QColor(qBound(0, parts.at(0).trimmed().toInt(), 255), qBound(0, parts.at(1).trimmed().toInt(), 255),
                  qBound(0, parts.at(2).trimmed().toInt(), 255));
}

}  // namespace

DmouseConfigView::DmouseConfigView(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DmouseConfigView)
{
    ui->setupUi(this);
    setFixedSize(700, 205);
    m_rowLayout = ui->verticalLayout_17;

    m_colorArea = new SVColorArea(ui->frame_Color);
    ui->horizontalLayout_9->addWidget(m_colorArea);
    connect(m_colorArea, &SVColorArea::sigGetRGB, this, &DmouseConfigView::onGetRGB);
    connect(m_colorArea, &SVColorArea::sigMoveingStatus, this, &DmouseConfigView::onMoveingStatus);
    connect(m_colorArea, &SVColorArea::sigMouseIsPress, this, &DmouseConfigView::onSVColorAreaMouseIsPress);

    m_basicColorArea = new BasicColorArea(ui->widget_BasicColor);
    m_basicColorArea->setMode(0);
    ui->horizontalLayout_16->addWidget(m_basicColorArea);
    connect(m_basicColorArea, &BasicColorArea::colorItemSelcSignal, this, &DmouseConfigView::onColorItemSelcSignal);
    connect(m_basicColorArea, &BasicColorArea::sigAddColor, this, &DmouseConfigView::onAddColor);
    connect(m_basicColorArea, &BasicColorArea::sigDeleteColor, this, &DmouseConfigView::onDeleteColor);

    ui->frame_Y->hide();
    setRangeCaptions();
    for (QSlider *slider : {ui->horizontalSlider_X, ui->horizontalSlider_Y}) {
        slider->setRange(kSliderMin, kSliderMax);
        slider->setOrientation(Qt::Horizontal);
        // Both steps 0: only dragging a handle changes a value.
        slider->setSingleStep(0);
        slider->setPageStep(0);
        connect(slider, &QSlider::sliderReleased, this, &DmouseConfigView::onSliderReleased);
    }
    connect(ui->horizontalSlider_X, &QSlider::valueChanged, this, &DmouseConfigView::onSetValueX);
    connect(ui->horizontalSlider_Y, &QSlider::valueChanged, this, &DmouseConfigView::onSetValueY);
    applyTheme();
}

DmouseConfigView::~DmouseConfigView()
{
    delete ui;
}

void DmouseConfigView::setProfileXml(const char *profilePath, xmlInterface *xml)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
}

void DmouseConfigView::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DmouseConfigView::setSupportEnableXY(bool support)
{
    ui->frame_6->setVisible(support);
    ui->label->setVisible(support);
}

void DmouseConfigView::loadProfileConfig()
{
    if (!hasProfile())
        return;
    loadDpiItems();

    m_basicColorArea->clearColorItems();
    QList<CustomColorInfo> colours;
    m_xml->getCustomColors(m_profilePath.constData(), profileKey().constData(), &colours);
    for (const CustomColorInfo &colour : qAsConst(colours)) {
        if (!m_basicColorArea->addButton(colour.index)) {
            qCWarning(lcUi) << "DPI view: user colour in slot" << colour.index << "has no place in the swatch row";
            continue;
        }
        m_basicColorArea->addColorItem(colour.index, MouseDpiCommand::colorComponent(colour.colorR),
                                       MouseDpiCommand::colorComponent(colour.colorG),
                                       MouseDpiCommand::colorComponent(colour.colorB));
    }
}

void DmouseConfigView::switchToNextDpi(int presses)
{
    // A level in use outside 1 to 6 starts the walk at level 1.
    const int start = (m_usingIndex >= 1 && m_usingIndex <= kLevels) ? m_usingIndex : 0;
    QList<int> selected;
    for (int level = 1; level <= kSteppedLevels; ++level) {
        const DDpiConfigListItem *row = m_rowMap.value(level, nullptr);
        if (row && row->getDpiItemInfo().selectStatus == 1)
            selected << level;
    }
    if (selected.isEmpty() || presses < 1)
        return;
    // The first press goes to the next selected level; each further one goes round the selected levels.
    const auto next = std::find_if(selected.cbegin(), selected.cend(), [start](int level) { return level > start; });
    const int first = next == selected.cend() ? 0 : int(next - selected.cbegin());
    const int level = selected.at((first + (presses - 1) % selected.size()) % selected.size());
    DDpiConfigListItem *row = m_rowMap.value(level);
    row->clickItem();
    row->setToMouse();
}

void DmouseConfigView::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_colorArea->setBgColor(opaqueFromTheme(theme.TextCheckedColor));

    const QString font = theme.TextFont;
    ui->frame->setStyleSheet(QStringLiteral("#frame{background-color:%1;border-radius:8px;border:none;}")
                                 .arg(stylesheets::colour(theme.DeviceBottomBgColor)));
    ui->scrollArea_2->setStyleSheet(
        QStringLiteral("#scrollArea_2{background-color:%1;}").arg(stylesheets::colour(QStringLiteral("0,0,0,1"))));
    ui->scrollAreaWidgetContents_2->setStyleSheet(QStringLiteral("#scrollAreaWidgetContents_2{background-color:%1;}")
                                                      .arg(stylesheets::colour(QStringLiteral("0,0,0,1"))));
    ui->frame_DpiColor->setStyleSheet(QStringLiteral("#frame_DpiColor{border:none;border-left:1px solid %1;}")
                                          .arg(stylesheets::colour(theme.DeviceControlDefaultColor)));
    ui->frame_BottomXY->setStyleSheet(
        QStringLiteral("#frame_BottomXY{border:none;border-top:1px solid %1;}"
                       "QLabel{color:%2;font-weight:75;font-size:8pt;font-family:\"%3\";}")
            .arg(stylesheets::colour(theme.DeviceControlDefaultColor), stylesheets::colour(theme.TextCheckedColor),
                 font));
    ui->frame_9->setStyleSheet(QStringLiteral("QLabel{color:%1;font-weight:75;font-size:11pt;font-family:\"%2\";}"
                                              "QLineEdit{color:%1;font-weight:75;font-size:8pt;font-family:\"%2\";"
                                              "background-color:%3;border:1px solid %1;}"
                                              "QLineEdit:hover,QLineEdit:focus{border:1px solid %4;}")
                                   .arg(stylesheets::colour(theme.TextDefaultColor), font,
                                        stylesheets::colour(theme.DeviceRightBgColor),
                                        stylesheets::colour(theme.TextCheckedColor)));
    ui->frame_BottomRight->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height:4px;border-radius:2px;}"
                       "QSlider::sub-page:horizontal{background:%1;border-radius:2px;}"
                       "QSlider::add-page:horizontal{background:%2;border-radius:2px;}"
                       "QSlider::handle:horizontal{width:8px;border-radius:4px;margin:-3px 0px -3px 0px;"
                       "background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,"
                       "stop:0.6 %1,stop:0.778409 rgb(255,255,255));}")
            .arg(stylesheets::colour(theme.TextCheckedColor),
                 stylesheets::colour(theme.DeviceColorToolSliderBottomColor)));
    ui->frame_XYnum->setStyleSheet(QStringLiteral("QLabel{color:%1;font-weight:75;font-size:8pt;font-family:\"%2\";}")
                                       .arg(stylesheets::colour(theme.TextDefaultColor), font));
    setRangeCaptions();
    m_rowsStale = true;  // rows take the theme when they are made
    loadProfileConfig();
}

void DmouseConfigView::retranslate()
{
    ui->retranslateUi(this);
    setRangeCaptions();
    m_rowsStale = true;
    loadProfileConfig();
}

// ---- Rows ----

void DmouseConfigView::clearDpiItems()
{
    while (m_rowLayout->count() > 1) {
        QLayoutItem *item = m_rowLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    m_rows.clear();
    m_rowMap.clear();
    m_curRow = nullptr;
}

void DmouseConfigView::loadDpiItems()
{
    QList<DpiItemInfo> items;
    m_xml->getDpiItems(m_profilePath.constData(), profileKey().constData(), &items);
    m_usingIndex = m_xml->getDpiUsingIndex(m_profilePath.constData(), profileKey().constData());

    const QList<DpiItemInfo> levels = MouseDpiCommand::firstItemPerLevel(items);
    if (levels.size() != items.size()) {
        qCWarning(lcUi) << "DPI view:" << items.size() - levels.size()
                        << "level items repeat a level or lie outside 1 to 6; they stay in the file unshown";
    }

    // Rows for the same levels are filled again in place: making them anew is most of a
    // profile switch's time.
    bool sameLevels = !m_rowsStale && m_rows.size() == levels.size();
    for (int i = 0; sameLevels && i < levels.size(); ++i)
        sameLevels = m_rows.at(i)->getIndex() == levels.at(i).index;
    if (!sameLevels) {
        clearDpiItems();
        m_rowLayout->setSpacing(3);
    }
    m_rowsStale = false;
    m_curRow = nullptr;

    DDpiConfigListItem *current = nullptr;
    for (int i = 0; i < levels.size(); ++i) {
        DpiItemInfo item = levels.at(i);
        const DpiItemInfo fixed = onGrid(item);
        if (!sameItem(fixed, item)) {
            // The device only takes values on the grid: store what it will get before announcing it.
            qCWarning(lcUi) << "DPI view: level" << item.index << "held values off the grid; corrected";
            if (!m_xml->modifyDpiItem(m_profilePath.constData(), profileKey().constData(), item.index, fixed))
                qCWarning(lcUi) << "DPI view: corrected level" << item.index << "could not be stored";
            item = fixed;
        }
        if (sameLevels) {
            DDpiConfigListItem *row = m_rows.at(i);
            row->setSelected(false);
            row->setDpiItemInfo(item, m_usingIndex);
            if (item.index == m_usingIndex)
                current = row;
            continue;
        }
        auto *row = new DDpiConfigListItem(item.index, ui->scrollAreaWidgetContents_2);
        row->setDpiItemInfo(item, m_usingIndex);
        if (item.index == m_usingIndex)
            current = row;
        connect(row, &DDpiConfigListItem::sigDpiConfigItemMouseClicked, this,
                &DmouseConfigView::onDpiConfigItemMouseClicked);
        connect(row, &DDpiConfigListItem::sigDpiConfigSetToMouse, this, &DmouseConfigView::onDpiConfigSetToMouse);
        connect(row, &DDpiConfigListItem::sigDpiConfigHaveChanged, this, &DmouseConfigView::onDpiConfigHaveChanged);
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, row);
        m_rows.append(row);
        m_rowMap.insert(item.index, row);
    }
    if (current) {
        current->clickItem();
        current->setToMouse();
    }
}

void DmouseConfigView::showRowOnControls(DDpiConfigListItem *row)
{
    const bool separate = row->getConfigType() != 0;
    ui->checkBox_EnableXY->setChecked(separate);
    ui->frame_Y->setVisible(separate);
    ui->horizontalSlider_X->setValue(row->getDpiX() / MouseDpiCommand::kDpiStep);
    ui->horizontalSlider_Y->setValue(row->getDpiY() / MouseDpiCommand::kDpiStep);
    m_picked = row->getDpiColor();
    showSelectColor(m_picked);
}

void DmouseConfigView::onDpiConfigItemMouseClicked(int selIndex)
{
    Q_UNUSED(selIndex)
    auto *row = qobject_cast<DDpiConfigListItem *>(sender());
    if (!row)
        return;
    resetRing();
    for (DDpiConfigListItem *other : qAsConst(m_rows))
        other->setSelected(other == row);
    m_curRow = row;
    showRowOnControls(row);
}

void DmouseConfigView::onDpiConfigSetToMouse()
{
    auto *row = qobject_cast<DDpiConfigListItem *>(sender());
    if (!row)
        return;
    if (!m_xml->updateDpiUsingIndex(m_profilePath.constData(), profileKey().constData(), row->getIndex())) {
        // The mouse keeps the level the file names; so does the view.
        qCWarning(lcUi) << "DPI view: the level in use could not be stored";
        m_usingIndex = m_xml->getDpiUsingIndex(m_profilePath.constData(), profileKey().constData());
        for (DDpiConfigListItem *other : qAsConst(m_rows))
            other->setHasSet(other->getIndex() == m_usingIndex);
        return;
    }
    m_usingIndex = row->getIndex();
    for (DDpiConfigListItem *other : qAsConst(m_rows))
        other->setHasSet(other == row);
    emit sigDpiConfigChanged();
}

void DmouseConfigView::onDpiConfigHaveChanged()
{
    if (auto *row = qobject_cast<DDpiConfigListItem *>(sender()))
        saveDpiItem(row);
}

void DmouseConfigView::saveDpiItem(DDpiConfigListItem *row)
{
    if (!hasProfile())
        return;
    if (!m_xml->modifyDpiItem(m_profilePath.constData(), profileKey().constData(), row->getIndex(),
                              row->getDpiItemInfo())) {
        qCWarning(lcUi) << "DPI view: level" << row->getIndex() << "could not be stored; shown as the file holds it";
        reloadRow(row);
        return;
    }
    emit sigDpiConfigChanged();
}

void DmouseConfigView::reloadRow(DDpiConfigListItem *row)
{
    QList<DpiItemInfo> items;
    m_xml->getDpiItems(m_profilePath.constData(), profileKey().constData(), &items);
    for (const DpiItemInfo &item : MouseDpiCommand::firstItemPerLevel(items)) {
        if (item.index != row->getIndex())
            continue;
        row->setDpiItemInfo(onGrid(item), m_usingIndex);
        if (row == m_curRow) {
            const QSignalBlocker blockX(ui->horizontalSlider_X);
            const QSignalBlocker blockY(ui->horizontalSlider_Y);
            showRowOnControls(row);
        }
        return;
    }
}

// ---- Sliders ----

void DmouseConfigView::onSetValueX(int ValueX)
{
    if (!m_curRow)
        return;
    m_curRow->setValueXY(ValueX * MouseDpiCommand::kDpiStep);
    m_curRow->setValueX(ValueX * MouseDpiCommand::kDpiStep);
}

void DmouseConfigView::onSetValueY(int ValueY)
{
    if (m_curRow)
        m_curRow->setValueY(ValueY * MouseDpiCommand::kDpiStep);
}

void DmouseConfigView::onSliderReleased()
{
    if (m_curRow)
        saveDpiItem(m_curRow);
}

void DmouseConfigView::on_checkBox_EnableXY_clicked()
{
    const bool separate = ui->checkBox_EnableXY->isChecked();
    ui->frame_Y->setVisible(separate);
    if (!m_curRow)
        return;
    m_curRow->setConfigType(separate ? 1 : 0);
    m_curRow->setValueY(m_curRow->getDpiX());
    ui->horizontalSlider_Y->setValue(m_curRow->getDpiX() / MouseDpiCommand::kDpiStep);
    saveDpiItem(m_curRow);
}

// ---- Colours ----

void DmouseConfigView::onColorItemSelcSignal(const QColor &colour)
{
    m_picked = colour;
    showSelectColor(colour);
    if (m_curRow)
        m_curRow->setDpiColor(colour);
    resetRing();
}

void DmouseConfigView::onGetRGB(int r, int g, int b)
{
    m_lastRing = 0;  // the wheel puts its ring back after a pick
    m_picked = QColor(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
    showSelectColor(m_picked);
    if (m_curRow) {
        m_curRow->setDpiColor(m_picked);
        m_curRow->notifyChanged();
    }
}

void DmouseConfigView::onMoveingStatus(int valueRotate, int degRotate)
{
    Q_UNUSED(degRotate)
    // The wheel reports its ring on every repaint: only a new value is a change.
    if (valueRotate == m_lastRing)
        return;
    m_lastRing = valueRotate;
    if (valueRotate == 0)
        return;
    const int value = static_cast<int>((100 - qBound(0, valueRotate, 100)) * 2.55);
    QColor colour = QColor::fromHsv(m_picked.hsvHue(), m_picked.hsvSaturation(), value);
    showSelectColor(colour);
    if (m_curRow)
        m_curRow->setDpiColor(colour);
}

void DmouseConfigView::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_wheelPressed = isMousePress;
    if (m_curRow)
        m_curRow->setColorDragging(isMousePress);
    if (isMousePress)
        return;
    if (m_curRow)
        saveDpiItem(m_curRow);
    else
        emit sigDpiConfigChanged();
}

void DmouseConfigView::showSelectColor(const QColor &colour)
{
    const QSignalBlocker blockR(ui->lineEdit_R);
    const QSignalBlocker blockG(ui->lineEdit_G);
    const QSignalBlocker blockB(ui->lineEdit_B);
    ui->lineEdit_R->setText(QString::number(colour.red()));
    ui->lineEdit_G->setText(QString::number(colour.green()));
    ui->lineEdit_B->setText(QString::number(colour.blue()));
    m_lastTyped[0] = colour.red();
    m_lastTyped[1] = colour.green();
    m_lastTyped[2] = colour.blue();
    ui->frame_SelectColor->setStyleSheet(
        QStringLiteral("#frame_SelectColor{border-radius:3px;border:1px solid rgba(230,230,230,128);"
                       "background-color:rgb(%1,%2,%3);}")
            .arg(colour.red())
            .arg(colour.green())
            .arg(colour.blue()));
}

void DmouseConfigView::acceptTyped(QLineEdit *edit, int field, const QString &text)
{
    bool isNumber = true;
    for (const QChar c : text)
        isNumber = isNumber && c.isDigit();
    const int value = text.isEmpty() ? 0 : text.toInt();
    if (!isNumber || value > kMaxTypedValue) {
        // Refused: the field shows its own last accepted value again.
        const QSignalBlocker block(edit);
        edit->setText(QString::number(m_lastTyped[field]));
        return;
    }
    m_lastTyped[field] = value;
    applyRgbInput();
}

void DmouseConfigView::on_lineEdit_R_textChanged(const QString &text)
{
    acceptTyped(ui->lineEdit_R, 0, text);
}

void DmouseConfigView::on_lineEdit_G_textChanged(const QString &text)
{
    acceptTyped(ui->lineEdit_G, 1, text);
}

void DmouseConfigView::on_lineEdit_B_textChanged(const QString &text)
{
    acceptTyped(ui->lineEdit_B, 2, text);
}

void DmouseConfigView::applyRgbInput()
{
    if (m_wheelPressed)
        return;
    onColorItemSelcSignal(QColor(m_lastTyped[0], m_lastTyped[1], m_lastTyped[2]));
}

void DmouseConfigView::onAddColor(int addIndex)
{
    const int r = m_lastTyped[0];
    const int g = m_lastTyped[1];
    const int b = m_lastTyped[2];
    m_basicColorArea->addColorItem(addIndex, r, g, b);
    if (!hasProfile())
        return;
    CustomColorInfo colour;
    colour.index = addIndex;
    colour.actionStatus = kUserSwatchAction;
    colour.colorR = r;
    colour.colorG = g;
    colour.colorB = b;
    colour.transparentNum = kUserSwatchAlpha;
    m_xml->addCustomColor(m_profilePath.constData(), profileKey().constData(), colour);
}

void DmouseConfigView::onDeleteColor(int delIndex)
{
    if (hasProfile())
        m_xml->deleteCustomColor(m_profilePath.constData(), profileKey().constData(),
                                 QByteArray::number(delIndex).constData());
}

// ---- Helpers ----

void DmouseConfigView::resetRing()
{
    m_lastRing = 0;
    m_colorArea->resetRotate();
}

void DmouseConfigView::setRangeCaptions()
{
    ui->label_XYminNUM->setText(QString::number(kSliderMin * MouseDpiCommand::kDpiStep));
    ui->label_XYmaxNUM->setText(QString::number(kSliderMax * MouseDpiCommand::kDpiStep));
}

bool DmouseConfigView::hasProfile() const
{
    return m_xml && !m_profilePath.isEmpty();
}

QByteArray DmouseConfigView::profileKey() const
{
    return QByteArray::number(m_profileIndex);
}
