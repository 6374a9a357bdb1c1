#pragma once
// The on-board memory editor's keyboard view: the keys of the current layer with the function
// each carries on the keyboard itself.
//
// This is the view's outer shape only: it shows no keys yet.

#include <QMap>
#include <QString>
#include <QWidget>

class SoftKeyboardButCustom;

class DOnboardPage : public QWidget
{
    Q_OBJECT
public:
    explicit DOnboardPage(QWidget *parent = nullptr);

    void setKeyboardModel(QString model, int keyNum);
    void clearKeySelection();
    void resetKeyText(int mode);
    QMap<int, SoftKeyboardButCustom *> getKeyButtonMap() const;
    void applyTheme();

    QString keyboardModel() const;

signals:
    void sigKeyboardClicked(int keyDec, QString keyCharacter);
    void sigKeyboardMouseRightKeyClicked(int keyDec, QString keyCharacter);

private:
    QMap<int, SoftKeyboardButCustom *> m_keyButtonMap;
    QString m_model;
    int m_keyNum = 0;
};
