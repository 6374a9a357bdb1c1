// SPDX-License-Identifier: GPL-3.0-or-later
#include "SysfsReportDescriptorReader.h"

#include "LogCategories.h"

#include <QFile>
#include <QRegularExpression>

SysfsReportDescriptorReader::SysfsReportDescriptorReader(const QString &root)
    : m_root(root)
{
}

QString SysfsReportDescriptorReader::descriptorFile(const QString &hidPath) const
{
    static const QRegularExpression hidraw(QStringLiteral("^/dev/(hidraw\\d+)$"));
    const QRegularExpressionMatch match = hidraw.match(hidPath);
    if (!match.hasMatch())
        return QString();
    return QStringLiteral("%1/%2/device/report_descriptor").arg(m_root, match.captured(1));
}

QByteArray SysfsReportDescriptorReader::reportDescriptor(const QString &hidPath) const
{
    const QString fileName = descriptorFile(hidPath);
    if (fileName.isEmpty())
        return QByteArray();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcPlatform) << "report descriptor not readable:" << fileName << file.errorString();
        return QByteArray();
    }
    // sysfs files report no size: read up to one byte past the limit to see an oversized one.
    QByteArray descriptor = file.read(kMaxDescriptorSize + 1);
    if (descriptor.size() > kMaxDescriptorSize) {
        qCDebug(lcPlatform) << "report descriptor too long:" << fileName;
        return QByteArray();
    }
    return descriptor;
}
