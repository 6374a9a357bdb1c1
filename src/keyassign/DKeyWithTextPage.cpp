// SPDX-License-Identifier: GPL-3.0-or-later
#include "DKeyWithTextPage.h"
#include "ui_DKeyWithTextPage.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "RecordText.h"
#include "ThemeStyleSheets.h"

#include <QEvent>
#include <QTextCursor>

namespace {

// Bytes of UTF-8 for the code point that ends at (before) position i; `units` gets its UTF-16 length.
int utf8BytesBefore(const QString &text, int i, int *units)
{
    const QChar c = text.at(i - 1);
    if (c.isLowSurrogate() && i >= 2 && text.at(i - 2).isHighSurrogate()) {
        *units = 2;
        return 4;
    }
    *units = 1;
    const ushort u = c.unicode();
    return u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
}

// Removes whole characters that end at `end`, walking backwards, until the text fits both limits
// or nothing is left before `end`. Returns where the removed characters began.
int trimBefore(QString *text, int end, int *length, int *bytes)
{
    int start = end;
    while (start > 0 && (*length > DKeyWithTextPage::MaxCharacters || *bytes > DKeyWithTextPage::MaxBytes)) {
        int units = 1;
        *bytes -= utf8BytesBefore(*text, start, &units);
        *length -= units;
        start -= units;
    }
    text->remove(start, end - start);
    return start;
}

}  // namespace

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DKeyWithTextPage>())
{
    ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    ui->textEdit_keyText->installEventFilter(this);
    applyTheme();
}

DKeyWithTextPage::~DKeyWithTextPage() = default;

void DKeyWithTextPage::loadCustomKeyInfo()
{
    ui->textEdit_keyText->clear();
    ui->textEdit_keyText->setFocus();
    m_savedText.clear();

    CustomKeyInfo info;
    if (readKeyRecord(&info) && recordText(info.operateType) == "6") {
        // Shown as stored: a text that looks like HTML is still plain text.
        m_savedText = QString::fromUtf8(recordText(info.Value));
        ui->textEdit_keyText->setPlainText(m_savedText);
    }
}

void DKeyWithTextPage::clearText()
{
    m_savedText.clear();
}

void DKeyWithTextPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(QStringLiteral("QLabel{color:%1;font-family:\"%4\";font-weight:75;font-size:10pt;}"
                                 "QTextEdit{color:%1;border:1px solid %1;background-color:%2;"
                                 "font-family:\"%4\";font-weight:75;font-size:10pt;}"
                                 "QTextEdit:hover,QTextEdit:focus{border:1px solid %3;}")
                      .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.DeviceRightBgColor),
                           stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DKeyWithTextPage::retranslate()
{
    ui->retranslateUi(this);
}

bool DKeyWithTextPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->textEdit_keyText) {
        if (event->type() == QEvent::FocusIn)
            qCDebug(lcUi) << "------------------------------ KeyWithText [FocusIn] --------------------------";
        else if (event->type() == QEvent::FocusOut)
            qCDebug(lcUi) << "------------------------------ KeyWithText [FocusOut] --------------------------";
    }
    return DKeyAssignPage::eventFilter(watched, event);
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    m_currentText = ui->textEdit_keyText->toPlainText();
    int length = m_currentText.size();
    int bytes = m_currentText.toUtf8().size();
    if (length <= MaxCharacters && bytes <= MaxBytes)
        return;

    // What was just typed or pasted ends at the cursor: that goes first.
    QString text = m_currentText;
    const int cursorAt = qBound(0, ui->textEdit_keyText->textCursor().position(), text.size());
    const int removedFrom = trimBefore(&text, cursorAt, &length, &bytes);
    // A text that was put in whole (the cursor at its start) loses its end.
    if (length > MaxCharacters || bytes > MaxBytes)
        trimBefore(&text, text.size(), &length, &bytes);

    ui->textEdit_keyText->setPlainText(text);  // runs this handler again
    QTextCursor cursor = ui->textEdit_keyText->textCursor();
    cursor.setPosition(qMin(removedFrom, text.size()));
    ui->textEdit_keyText->setTextCursor(cursor);
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    if (m_currentText.isEmpty() || m_currentText == m_savedText)
        return;
    if (saveKeyRecord("6", "1", "1", m_currentText.toUtf8()))
        m_savedText = m_currentText;
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
