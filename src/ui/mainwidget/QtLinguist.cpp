// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtLinguist.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QTranslator>

namespace {

// Qt lays its widgets out right to left when this text translates to "RTL" (Arabic) in the
// installed translation, and left to right otherwise.
[[maybe_unused]] const char *const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

}  // namespace

QtLinguist::QtLinguist(const QString &folder)
    : m_folder(folder.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/translation/") : folder)
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');

    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_files.insert(languages.value(i), QStringLiteral("%1.qm").arg(QLatin1String(languages.key(i))));
    qCDebug(lcUi) << "--------------------language mapCount:" << m_files.size();

    m_current = systemLanguage();
}

QtLinguist::~QtLinguist()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

QtLinguist::Language QtLinguist::systemLanguage()
{
    return languageOf(QLocale::system());
}

QtLinguist::Language QtLinguist::languageOf(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Arabic:
        return Arabic;
    case QLocale::Chinese:
        return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    case QLocale::French:
        return French;
    case QLocale::German:
        return German;
    case QLocale::Italian:
        return Italian;
    case QLocale::Japanese:
        return Japanese;
    case QLocale::Korean:
        return Korean;
    case QLocale::Polish:
        return Polish;
    case QLocale::Portuguese:
        return Portugal;
    case QLocale::Russian:
        return Russian;
    case QLocale::Spanish:
        return Spanish;
    case QLocale::Ukrainian:
        return Ukrainian;
    default:
        return English;
    }
}

bool QtLinguist::loadLanguage(Language language)
{
    const auto file = m_files.constFind(int(language));
    if (file == m_files.constEnd())
        return false;
    return loadLanguageFile(m_folder + file.value());
}

bool QtLinguist::setLanguage(Language language)
{
    if (!loadLanguage(language))
        return false;
    m_current = language;
    return true;
}

bool QtLinguist::loadLanguageFile(const QString &path)
{
    // A fresh translator, so that a file that fails to load leaves the installed one alone.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path)) {
        qCDebug(lcUi) << "QtLinguist: cannot load" << path;
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator = std::move(translator);
    return true;
}
