#pragma once
// "Text": the key types a text (pasted through the clipboard when pressed), stored as
// operateType 6 with the text in UTF-8. PC mode only.

#include "DKeyAssignPage.h"

#include <memory>

namespace Ui {
class DKeyWithTextPage;
}

class DKeyWithTextPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    // What the stored value holds: 5000 characters (UTF-16 units) and 5119 bytes of UTF-8.
    static constexpr int MaxCharacters = 5000;
    static constexpr int MaxBytes = 5119;

    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void loadCustomKeyInfo() override;
    // Forgets the text the key holds, so that the next OK saves even an unchanged text.
    void clearText();

    void applyTheme() override;
    void retranslate() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DKeyWithTextPage> ui;
    QString m_currentText;
    // The text the current key holds in the file: the one loaded for it, or the one saved last.
    QString m_savedText;
};
