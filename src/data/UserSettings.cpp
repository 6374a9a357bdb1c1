// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserSettings.h"

#include <QSettings>
#include <QStandardPaths>

QString UserSettings::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/UserConfig");
}

QString UserSettings::filePath()
{
    return folder() + QStringLiteral("/BrivexConfig.ini");
}

UserSettings::UserSettings()
    : UserSettings(filePath())
{
}

UserSettings::UserSettings(const QString &path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

UserSettings::~UserSettings() = default;

QString UserSettings::fileName() const
{
    return m_settings->fileName();
}

bool UserSettings::contains(const char *key) const
{
    return m_settings->contains(QLatin1String(key));
}

QVariant UserSettings::value(const char *key, const QVariant &fallback) const
{
    return m_settings->value(QLatin1String(key), fallback);
}

void UserSettings::setValue(const char *key, const QVariant &value)
{
    m_settings->setValue(QLatin1String(key), value);
}

void UserSettings::remove(const char *key)
{
    m_settings->remove(QLatin1String(key));
}

bool UserSettings::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
