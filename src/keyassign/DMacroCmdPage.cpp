// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroCmdPage.h"
#include "ui_DMacroCmdPage.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "RecordNumber.h"
#include "RecordText.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QIntValidator>
#include <QSignalBlocker>

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DMacroCmdPage>())
{
    ui->setupUi(this);
    ui->lineEdit_playMany->setValidator(new QIntValidator(1, 255, ui->lineEdit_playMany));
    ui->frame_5->hide();
    setToolTips();
    applyTheme();
}

DMacroCmdPage::~DMacroCmdPage() = default;

void DMacroCmdPage::loadMacroList()
{
    ui->comboBox_Macro->clear();
    m_macroNames.clear();
    QList<IndexNameInfo> macros;
    if (xml())
        xml()->getMacroList(macroFilePath(), &macros);
    for (const IndexNameInfo &macro : qAsConst(macros)) {
        const QString name = QString::fromUtf8(macro.name);
        ui->comboBox_Macro->addItem(name, QString::fromLatin1(macro.index));
        m_macroNames.insert(recordNumber(macro.index), name);
    }
}

void DMacroCmdPage::loadCustomKeyInfo()
{
    const QSignalBlocker blockCombo(ui->comboBox_Macro);
    const QSignalBlocker blockRepeat(ui->lineEdit_playMany);

    m_repeatNum = 1;
    m_playMode = 1;
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    ui->frame_5->hide();

    loadMacroList();
    ui->comboBox_Macro->setCurrentIndex(0);
    // What OK binds is the macro shown; an empty library shows none.
    m_macroIndex =
        ui->comboBox_Macro->count() > 0 ? recordNumber(ui->comboBox_Macro->currentData().toString().toLatin1()) : 0;

    CustomKeyInfo info;
    if (!readKeyRecord(&info) || recordText(info.operateType) != "1")
        return;

    const int mode = recordNumber(info.mode);
    QRadioButton *modeButtons[] = {ui->radioButton_playOne, ui->radioButton_playMany,
                                   ui->radioButton_playKeyPressRelStop, ui->radioButton_playWhellKeyPress};
    if (mode >= 1 && mode <= 4) {
        modeButtons[mode - 1]->setChecked(true);
        m_playMode = mode;
    }
    if (m_playMode == 2) {
        ui->lineEdit_playMany->setText(QString::fromLatin1(recordText(info.repeatNum)));
        ui->lineEdit_playMany->setEnabled(true);
        ui->frame_5->show();
        m_repeatNum = recordNumber(info.repeatNum);
    }

    // A macro that left the library is shown as none and kept: the profile's copy still plays it.
    m_macroIndex = recordNumber(info.Value);
    const auto name = m_macroNames.constFind(m_macroIndex);
    const int item = name == m_macroNames.constEnd() ? -1 : ui->comboBox_Macro->findText(*name);
    ui->comboBox_Macro->setCurrentIndex(item);
}

void DMacroCmdPage::setOnboardMode(int onboard)
{
    m_onboard = onboard;
    ui->frame->setVisible(onboard != 1);
}

void DMacroCmdPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(choiceStyle(theme)
                  + QStringLiteral("QLineEdit{color:%1;border:1px solid %1;background-color:%2;"
                                   "font-family:\"%4\";font-weight:75;font-size:10pt;}"
                                   "QLineEdit:hover,QLineEdit:focus{border:1px solid %3;}")
                        .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.MacroLeftBgColor),
                             stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame_3->setStyleSheet(
        QStringLiteral("QFrame#frame_3{background-color:%1;}").arg(stylesheets::colour(QStringLiteral("0,0,0,1"))));
    ui->comboBox_Macro->setStyleSheet(
        QStringLiteral("QComboBox{background-color:%1;padding-left:5px;border:1px solid %2;color:%2;"
                       "font-family:\"%4\";font-weight:75;font-size:10pt;}"
                       "QComboBox:hover{border:1px solid %3;}"
                       "QComboBox QAbstractItemView::item{height:40px;padding-left:10px;outline:none;}"
                       "QComboBox::drop-down{width:20px;padding-right:3px;background:transparent;}"
                       "QComboBox::down-arrow{image:url(:/images/publicIco/comboxDef.png);width:10px;height:10px;}"
                       "QComboBox::down-arrow:on{image:url(:/images/publicIco/comboxSel.png);}"
                       "QComboBox QAbstractItemView{selection-background-color:rgb(255, 35, 76);}")
            .arg(stylesheets::colour(theme.DeviceControlDefaultColor), stylesheets::colour(theme.TextDefaultColor),
                 stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DMacroCmdPage::setToolTips()
{
    ui->radioButton_playMany->setToolTip(tr("Play multiple times"));
    ui->radioButton_playKeyPressRelStop->setToolTip(tr("Continous playback on/off"));
    ui->radioButton_playWhellKeyPress->setToolTip(tr("Play while assigned key is pressed"));
}

void DMacroCmdPage::retranslate()
{
    // A language change never saves: the repeat field keeps its text and its handler stays quiet.
    const QSignalBlocker blockRepeat(ui->lineEdit_playMany);
    const QString repeat = ui->lineEdit_playMany->text();
    ui->retranslateUi(this);
    ui->lineEdit_playMany->setText(repeat);
    setToolTips();
}

void DMacroCmdPage::choose(int mode)
{
    m_playMode = mode;
    ui->frame_5->setVisible(mode == 2);
    ui->lineEdit_playMany->setEnabled(mode == 2);
    if (m_onboard == 1)
        on_pushButton_OK_clicked();
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    choose(1);
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    choose(2);
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    choose(3);
}

void DMacroCmdPage::on_radioButton_playWhellKeyPress_clicked()
{
    choose(4);
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &text)
{
    m_repeatNum = recordNumber(text.toLatin1());
    qCDebug(lcUi) << "repeat count" << text;
    if (m_onboard == 1)
        on_pushButton_OK_clicked();
}

void DMacroCmdPage::on_comboBox_Macro_currentIndexChanged(const QString &text)
{
    if (ui->comboBox_Macro->currentIndex() < 0)
        return;
    m_macroIndex = recordNumber(ui->comboBox_Macro->currentData().toString().toLatin1());
    qCDebug(lcUi) << "macro" << text << m_macroIndex;
    if (m_onboard == 1)
        on_pushButton_OK_clicked();
}

void DMacroCmdPage::on_pushButton_OK_clicked()
{
    if (ui->radioButton_playOne->isChecked()) {
        m_playMode = 1;
        saveCustomKeyInfo(1, 1, m_macroIndex);
    } else if (ui->radioButton_playMany->isChecked()) {
        m_playMode = 2;
        m_repeatNum = recordNumber(ui->lineEdit_playMany->text().toLatin1());
        saveCustomKeyInfo(m_repeatNum, 2, m_macroIndex);
    } else if (ui->radioButton_playKeyPressRelStop->isChecked()) {
        m_playMode = 3;
        saveCustomKeyInfo(1, 3, m_macroIndex);
    } else if (ui->radioButton_playWhellKeyPress->isChecked()) {
        m_playMode = 4;
        saveCustomKeyInfo(1, 4, m_macroIndex);
    }
}

void DMacroCmdPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DMacroCmdPage::saveCustomKeyInfo(int repeatNum, int mode, int macroIndex)
{
    if (mode != 2)
        repeatNum = 1;
    if (macroIndex <= 0 || repeatNum <= 0)
        return;  // no macro to bind, or no play count yet
    const QByteArray value = QByteArray::number(macroIndex);

    // The first key of the profile bound to this macro brings the macro's copy.
    const int bound =
        xml() ? xml()->getKeyMapValue(profileFilePath(), profileKey().constData(), value.constData()) : -1;
    if (bound < 1 && !bindMacroToProfile(macroIndex)) {
        reportSave(false, "macro copy");
        return;
    }
    saveKeyRecord("1", QByteArray::number(repeatNum), QByteArray::number(mode), value);
}

bool DMacroCmdPage::bindMacroToProfile(int macroIndex)
{
    if (!xml())
        return false;
    const QByteArray index = QByteArray::number(macroIndex);
    const QByteArray name = "Macro" + index;
    if (!m_macroNames.contains(macroIndex)) {
        // Gone from the library: a copy the profile still holds is all there is.
        QList<MacroEventInfo> copy;
        xml()->getBindMacroItems(profileFilePath(), profileKey().constData(), index.constData(), &copy);
        return !copy.isEmpty();
    }
    QList<MacroEventInfo> steps;
    xml()->getMacroItems(macroFilePath(), index.constData(), &steps);
    return xml()->deleteBindMacro(profileFilePath(), profileKey().constData(), index.constData())
           && xml()->addBindMacro(profileFilePath(), profileKey().constData(), steps, index.constData(),
                                  name.constData());
}
