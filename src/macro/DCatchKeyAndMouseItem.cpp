// SPDX-License-Identifier: GPL-3.0-or-later
#include "DCatchKeyAndMouseItem.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"

#include <QMouseEvent>

namespace {

const QString kKeyType = QStringLiteral("key");
const QString kMouseType = QStringLiteral("mouse");
// The nearly transparent background of a new row's delay cell.
const QString kClear = QStringLiteral("0,0,0,1");

QString iconSheet(const char *picture)
{
    return QStringLiteral("QPushButton{ border-image:url(:/images/macro/%1);}").arg(QLatin1String(picture));
}

}  // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCatchKeyAndMouseItem>())
    , m_mark(std::move(mark))
{
    ui->setupUi(this);
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(m_mark);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;
    m_centerBgColor = theme.MacroCenterBgColor;
    m_textColor = theme.MacroListItemTextColor;
    m_checkedColor = theme.TextCheckedColor;
    m_textFont = theme.TextFont;

    applyLook(m_centerBgColor, kClear, m_textColor, false);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem() = default;

void DCatchKeyAndMouseItem::setEventInfo(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    const bool keyOrMouse = type == kKeyType || type == kMouseType;
    if (type == kKeyType)
        ui->pushButton_EventSelect->setStyleSheet(iconSheet("keyboardSel.png"));
    else if (type == kMouseType)
        ui->pushButton_EventSelect->setStyleSheet(iconSheet("mouseSel.png"));
    else
        ui->pushButton_EventSelect->setStyleSheet(iconSheet("timeSel.png"));

    if (keyOrMouse && operateExplain == QLatin1String("down"))
        ui->pushButton_EventStatus->setStyleSheet(iconSheet("keyDownSel.png"));
    else if (keyOrMouse && operateExplain == QLatin1String("up"))
        ui->pushButton_EventStatus->setStyleSheet(iconSheet("keyUpDef.png"));

    setDelay(delay);

    QString caption = codeName;
    if (type.contains(kMouseType)) {
        if (codeName.contains(QLatin1String("Left")))
            caption = tr("Left Click");
        else if (codeName.contains(QLatin1String("Center")))
            caption = tr("Center Click");
        else if (codeName.contains(QLatin1String("Right")))
            caption = tr("Right Click");
        else
            caption.clear();
    }
    ui->label_CatchEventExplain->setText(caption);

    m_keyCode = QString::number(keyCode);
    m_type = type;
    m_codeName = codeName;
    m_operateExplain = operateExplain;
}

void DCatchKeyAndMouseItem::setDelay(int ms)
{
    m_delay = QString::number(ms);
    ui->label_DelayTime->setText(m_delay + QStringLiteral(" MS"));
}

void DCatchKeyAndMouseItem::setPartnerHighlight(bool on)
{
    if (on)
        applyLook(m_selectedColor, m_selectedColor, m_textColor, true);
    else
        applyLook(m_centerBgColor, m_centerBgColor, m_textColor, false);
}

void DCatchKeyAndMouseItem::setSelectedHighlight(bool on)
{
    if (on)
        applyLook(m_selectedColor, m_selectedColor, m_checkedColor, true);
    else
        applyLook(m_centerBgColor, m_centerBgColor, m_textColor, false);
}

void DCatchKeyAndMouseItem::applyLook(const QString &frameBackground, const QString &frame2Background,
                                      const QString &textColour, bool blankAfterBrace)
{
    const QString frameSheet =
        blankAfterBrace
            ? QStringLiteral("QFrame#frame{ border: none; border-bottom: 1px solid %1; background-color: %2;}")
            : QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid %1; background-color: %2;}");
    ui->frame->setStyleSheet(frameSheet.arg(stylesheets::colour(m_borderColor), stylesheets::colour(frameBackground)));
    // The new row's delay cell is nearly transparent ("0,0,0,1": an alpha of 1 in 255).
    ui->frame_2->setStyleSheet(
        QStringLiteral("QFrame#frame_2{border: none; border-right: 1px solid %1; background-color: %2;}")
            .arg(stylesheets::colour(m_borderColor), stylesheets::colour(frame2Background)));
    const QString labelSheet =
        QStringLiteral("QLabel{color: %1; font: 75 10pt \"%2\";}").arg(stylesheets::colour(textColour), m_textFont);
    ui->label_DelayTime->setStyleSheet(labelSheet);
    ui->label_CatchEventExplain->setStyleSheet(labelSheet);
}

QString DCatchKeyAndMouseItem::getMark() const
{
    return m_mark;
}

QString DCatchKeyAndMouseItem::getDelay() const
{
    return m_delay;
}

QString DCatchKeyAndMouseItem::getType() const
{
    return m_type;
}

QString DCatchKeyAndMouseItem::getKeyCode() const
{
    return m_keyCode;
}

QString DCatchKeyAndMouseItem::getCodeName() const
{
    return m_codeName;
}

QString DCatchKeyAndMouseItem::getOperateExplain() const
{
    return m_operateExplain;
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
}

void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
{
    ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}
