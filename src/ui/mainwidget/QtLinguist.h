// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user-interface translation: loads the compiled translation (.qm) of one of fourteen
// languages from the "translation" folder beside the program and installs it for the whole
// application. A language whose file cannot be loaded leaves the texts in use as they are.

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class QTranslator;

class QtLinguist : public QObject
{
    Q_OBJECT
public:
    // The key names are the base names of the translation files; the values are what the user
    // settings store under "Language/selectLanguageIndex".
    enum Language : int {
        Zh_SM = 1,
        Zh_TR = 2,
        English = 3,
        Japanese = 4,
        Korean = 5,
        Russian = 6,
        Arabic = 7,
        Spanish = 8,
        Portugal = 9,
        German = 10,
        Italian = 11,
        Polish = 12,
        French = 13,
        Ukrainian = 14
    };
    Q_ENUM(Language)

    // folder: where the .qm files are looked for; empty for "translation" beside the program.
    explicit QtLinguist(const QString &folder = QString());
    ~QtLinguist() override;

    // The language of the system locale, English for a language the program does not offer.
    static Language systemLanguage();
    static Language languageOf(const QLocale &locale);

    // Loads and installs the file of the language; false (and nothing changed) for a value
    // without a file name or a file that cannot be loaded. The current language stays.
    bool loadLanguage(Language language);
    // As loadLanguage; on success the language becomes the current one.
    bool setLanguage(Language language);
    // Loads and installs the .qm file at the path; false (and nothing changed) when it fails.
    bool loadLanguageFile(const QString &path);
    Language currentLanguage() const { return m_current; }

    // Language value to file name ("German" -> "German.qm"), fourteen entries.
    QMap<int, QString> languageFiles() const { return m_files; }
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    QMap<int, QString> m_files;
    Language m_current = English;
    std::unique_ptr<QTranslator> m_translator;
};
