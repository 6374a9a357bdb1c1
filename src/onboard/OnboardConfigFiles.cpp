// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnboardConfigFiles.h"

#include "DeviceModels.h"
#include "KeyAssignmentTexts.h"
#include "LogCategories.h"
#include "RecordNumber.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <climits>

namespace {

const char kTemplateFolder[] = ":/images/configDir/onboardDeviceConfig/";

QString translated(const char *text)
{
    return QCoreApplication::translate("DDevicePage", text);
}

int numberOf(const char *text)
{
    return recordNumber(text);
}

}  // namespace

OnboardConfigFiles::OnboardConfigFiles(xmlInterface *xml)
    : m_xml(xml)
{
}

void OnboardConfigFiles::setPaths(const QByteArray &listPath, const QByteArray &defaultPath, const QByteArray &fn1Path)
{
    m_listPath = listPath;
    m_defaultPath = defaultPath;
    m_fn1Path = fn1Path;
}

QByteArray OnboardConfigFiles::layerPath(int layer) const
{
    if (layer == 0)
        return m_defaultPath;
    if (layer == 1)
        return m_fn1Path;
    return {};
}

bool OnboardConfigFiles::writeFn1KeyRecords(const QByteArray &path, const QByteArray &key)
{
    const QByteArray fn1 = QByteArray::number(kFn1KeyCode);
    const QByteArray fn1Value = QByteArray::number(kFn1Value);
    const QByteArray esc = QByteArray::number(kEscKeyCode);
    bool ok = m_xml->replaceKeyMapItem(path.constData(), key.constData(), fn1.constData(), "FN1", "0", "1", "1",
                                       fn1Value.constData());
    ok = m_xml->replaceKeyMapItem(path.constData(), key.constData(), esc.constData(), "Esc", "0", "1", "1",
                                  esc.constData())
         && ok;
    return ok;
}

bool OnboardConfigFiles::createConfig(int index)
{
    if (!m_xml || m_defaultPath.isEmpty() || m_fn1Path.isEmpty())
        return false;
    const QByteArray key = QByteArray::number(index);
    const QByteArray name = "Profile" + key;
    bool ok = true;
    for (const QByteArray &path : {m_defaultPath, m_fn1Path})
        ok = m_xml->addProfileConfig(path.constData(), key.constData(), name.constData(), "", "", 0) && ok;
    const QByteArray fn = QByteArray::number(kFnCode);
    for (const QByteArray &path : {m_defaultPath, m_fn1Path}) {
        if (models::hasFn1KeyPreset(m_model))
            ok = writeFn1KeyRecords(path, key) && ok;
        else
            ok = m_xml->replaceKeyMapItem(path.constData(), key.constData(), fn.constData(), "Fn", "0", "1", "1",
                                          fn.constData())
                 && ok;
    }
    if (!ok)
        qCWarning(lcData) << "on-board configuration" << index << "could not be written completely";
    return ok;
}

bool OnboardConfigFiles::deleteConfig(int index)
{
    if (!m_xml)
        return false;
    const QByteArray key = QByteArray::number(index);
    bool ok = m_xml->deleteNodeByValue(m_defaultPath.constData(), key.constData());
    ok = m_xml->deleteNodeByValue(m_fn1Path.constData(), key.constData()) && ok;
    return ok;
}

bool OnboardConfigFiles::exportConfig(int index, const QByteArray &path)
{
    if (!m_xml)
        return false;
    // Both layers go into a new file in one save, which replaces any file of that name.
    const QByteArray key = QByteArray::number(index);
    xmlInterface::ExportedProfile layer0;
    layer0.sourcePath = m_defaultPath;
    layer0.profileKey = key;
    xmlInterface::ExportedProfile layer1;
    layer1.sourcePath = m_fn1Path;
    layer1.profileKey = key;
    layer1.nextIndex = true;
    const bool ok = m_xml->exportProfilesTo(path.constData(), {layer0, layer1}, true) == 1;
    if (!ok)
        qCWarning(lcData) << "on-board export: configuration" << index << "could not be written to" << path;
    return ok;
}

int OnboardConfigFiles::highestIndex() const
{
    int highest = 0;
    if (!m_xml)
        return highest;
    for (const QByteArray &path : {m_listPath, m_defaultPath, m_fn1Path}) {
        QList<IndexNameInfo> configs;
        m_xml->getProfileList(path.constData(), &configs);
        for (const IndexNameInfo &config : qAsConst(configs))
            highest = std::max(highest, int(recordNumber(config.index)));
    }
    return highest;
}

int OnboardConfigFiles::importConfig(const QByteArray &sourcePath, const QString &name)
{
    if (!m_xml)
        return -1;
    // An exported file is a profile file: its root is `Parameters`. The store reads it only when
    // it is a plain file within its bounds (a FIFO in its place is refused, never waited on).
    QList<IndexNameInfo> configs;
    if (m_xml->rootElementName(sourcePath.constData()) == QLatin1String("Parameters"))
        m_xml->getProfileList(sourcePath.constData(), &configs);
    if (configs.isEmpty()) {
        qCWarning(lcData) << "on-board import:" << sourcePath << "is not a profile file or holds no configuration";
        return -1;
    }
    if (configs.size() > 2)
        qCInfo(lcData) << "on-board import: only the first two of" << configs.size() << "configurations are taken";
    const int highest = highestIndex();
    if (highest >= INT_MAX) {
        qCWarning(lcData) << "on-board import: no configuration index is left after" << highest;
        return -1;
    }
    const int index = std::max(1, highest + 1);
    const QByteArray key = QByteArray::number(index);
    bool ok =
        m_xml->importProfileWithIndex(m_defaultPath.constData(), index, sourcePath.constData(), configs.at(0).index);
    if (ok && configs.size() > 1) {
        ok = m_xml->importProfileWithIndex(m_fn1Path.constData(), index, sourcePath.constData(), configs.at(1).index);
    } else if (ok) {
        const QByteArray configName = "Profile" + key;
        ok = m_xml->addProfileConfig(m_fn1Path.constData(), key.constData(), configName.constData(), "", "", 0);
        const QByteArray fn = QByteArray::number(kFnCode);
        if (ok && models::hasFn1KeyPreset(m_model))
            ok = writeFn1KeyRecords(m_fn1Path, key);
        else if (ok)
            ok = m_xml->replaceKeyMapItem(m_fn1Path.constData(), key.constData(), fn.constData(), "Fn", "0", "1", "1",
                                          fn.constData());
    }
    if (ok)
        ok = m_xml->addMacroNode(m_listPath.constData(), key.constData(), name.arg(index).toUtf8().constData());
    if (!ok) {
        qCWarning(lcData) << "on-board import failed part-way; removing configuration" << index;
        for (const QByteArray &path : {m_defaultPath, m_fn1Path, m_listPath})
            m_xml->deleteNodeByValue(path.constData(), key.constData());
        return -1;
    }
    return index;
}

QString OnboardConfigFiles::templateResource(const QString &model, int layout)
{
    const char *suffix = layout == 2 ? "_DefMac.xml" : layout == 3 ? "_DefDvorak.xml" : "_DefQWERTY.xml";
    return QLatin1String(kTemplateFolder) + model + QLatin1String(suffix);
}

bool OnboardConfigFiles::clearFn1Records(const QByteArray &path, const QByteArray &key)
{
    QStringList codes;
    m_xml->getKeyMapCodes(path.constData(), key.constData(), &codes);
    const bool ownFn1Key = models::hasFn1KeyPreset(m_model);
    bool ok = true;
    for (const QString &code : qAsConst(codes)) {
        const QByteArray codeText = code.toLatin1();
        CustomKeyInfo record{};
        qstrncpy(record.keyCode, "-1", sizeof(record.keyCode));
        m_xml->getKeyMapItems(path.constData(), key.constData(), codeText.constData(), &record);
        if (numberOf(record.operateType) != 0 || numberOf(record.Value) != kFn1Value)
            continue;
        if (ownFn1Key && numberOf(record.keyCode) == kFn1KeyCode)
            continue;
        ok = m_xml->deleteKeyMapItem(path.constData(), key.constData(), codeText.constData()) && ok;
    }
    return ok;
}

bool OnboardConfigFiles::applyTemplate(int layer, int index, int layout)
{
    const QByteArray target = layerPath(layer);
    if (!m_xml || target.isEmpty()) {
        qCWarning(lcData) << "a layout template has no layer file to go into; layer" << layer;
        return false;
    }
    const QString resource = templateResource(m_model, layout);
    const QTemporaryDir folder;
    const QString copy = folder.path() + QLatin1Char('/') + resource.section(QLatin1Char('/'), -1);
    if (!folder.isValid() || !QFile::exists(resource) || !QFile::copy(resource, copy)) {
        qCWarning(lcData) << "layout template" << resource << "is missing or could not be copied";
        return false;
    }
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray source = QFile::encodeName(copy);
    QList<IndexNameInfo> configs;
    m_xml->getProfileList(source.constData(), &configs);
    if (configs.isEmpty()) {
        qCWarning(lcData) << "layout template" << resource << "does not parse or holds no configuration";
        return false;
    }
    const QByteArray templateKey(configs.first().index);
    const QByteArray key = QByteArray::number(index);

    // The replacement goes in first; only then does the old configuration go.
    const bool hadOld = !m_xml->findNodeByValue(target.constData(), key.constData()).isNull();
    if (!m_xml->copyProfileWithIndex(target.constData(), index, source.constData(), templateKey.constData())) {
        qCWarning(lcData) << "layout template" << resource << "could not be written into the layer";
        return false;
    }
    if (hadOld && !m_xml->deleteNodeByValue(target.constData(), key.constData())) {
        qCWarning(lcData) << "the replaced layer configuration" << index << "could not be removed";
        return false;
    }

    const QByteArray other = layerPath(layer == 0 ? 1 : 0);
    bool ok = clearFn1Records(other, key);
    if (models::hasFn1KeyPreset(m_model))
        ok = writeFn1KeyRecords(other, key) && ok;
    if (!ok)
        qCWarning(lcData) << "the FN1 key of the other layer could not be rewritten";
    return ok;
}

QList<CustomKeyInfo> OnboardConfigFiles::layerRecords(int layer, int index) const
{
    QList<CustomKeyInfo> records;
    const QByteArray path = layerPath(layer);
    if (!m_xml || path.isEmpty())
        return records;
    const QByteArray key = QByteArray::number(index);
    QStringList codes;
    m_xml->getKeyMapCodes(path.constData(), key.constData(), &codes);
    for (const QString &code : qAsConst(codes)) {
        CustomKeyInfo record{};
        qstrncpy(record.keyCode, "-1", sizeof(record.keyCode));
        m_xml->getKeyMapItems(path.constData(), key.constData(), code.toLatin1().constData(), &record);
        if (numberOf(record.keyCode) == -1)
            continue;
        records.append(record);
    }
    return records;
}

QString OnboardConfigFiles::functionText(const CustomKeyInfo &record, const QMap<int, QString> &keyNames)
{
    switch (numberOf(record.operateType)) {
    case 0:
        return keyNames.value(numberOf(record.Value));
    case 1:
        return macroModeText(record);
    case 2:
        return combinationKeyText(record, keyNames);
    case 3:
        return multimediaText(record);
    case 4:
        return mouseKeyText(record);
    default:
        return {};
    }
}

QString OnboardConfigFiles::macroModeText(const CustomKeyInfo &record)
{
    switch (numberOf(record.mode)) {
    case 1:
        return translated(QT_TRANSLATE_NOOP("DDevicePage", "Play once"));
    case 2:
        return translated(QT_TRANSLATE_NOOP("DDevicePage", "Play multiple times"));
    case 3:
        return translated(QT_TRANSLATE_NOOP("DDevicePage", "Continous playback on/off"));
    case 4:
        return translated(QT_TRANSLATE_NOOP("DDevicePage", "Play while assigned key is pressed"));
    default:
        return translated(QT_TRANSLATE_NOOP("DDevicePage", "Unknow"));
    }
}

QString OnboardConfigFiles::combinationKeyText(const CustomKeyInfo &record, const QMap<int, QString> &keyNames)
{
    static const char *const kModifiers[8] = {
        QT_TRANSLATE_NOOP("DDevicePage", "L_CTRL"), QT_TRANSLATE_NOOP("DDevicePage", "L_SHIFT"),
        QT_TRANSLATE_NOOP("DDevicePage", "L_ALT"),  QT_TRANSLATE_NOOP("DDevicePage", "L_WIN"),
        QT_TRANSLATE_NOOP("DDevicePage", "R_CTRL"), QT_TRANSLATE_NOOP("DDevicePage", "R_SHIFT"),
        QT_TRANSLATE_NOOP("DDevicePage", "R_ALT"),  QT_TRANSLATE_NOOP("DDevicePage", "R_WIN")};
    const QStringList fields = QString::fromUtf8(record.Value).split(QLatin1Char(','));
    bool maskOk = false;
    const int mask = fields.value(0).trimmed().toInt(&maskOk);
    QStringList parts;
    if (maskOk) {
        for (int bit = 0; bit < 8; ++bit) {
            if (mask & (1 << bit))
                parts.append(translated(kModifiers[bit]));
        }
    }
    bool usageOk = false;
    const int usage = fields.value(1).trimmed().toInt(&usageOk);
    if (usageOk && keyNames.contains(usage))
        parts.append(keyNames.value(usage));
    return parts.join(QLatin1Char('+'));
}

QString OnboardConfigFiles::mouseKeyText(const CustomKeyInfo &record)
{
    static const char *const kTexts[] = {
        QT_TRANSLATE_NOOP("DDevicePage", "Mouse Left"),  QT_TRANSLATE_NOOP("DDevicePage", "Mouse Center"),
        QT_TRANSLATE_NOOP("DDevicePage", "Mouse Right"), QT_TRANSLATE_NOOP("DDevicePage", "Scroll Up"),
        QT_TRANSLATE_NOOP("DDevicePage", "Scroll Down"), QT_TRANSLATE_NOOP("DDevicePage", "Forward"),
        QT_TRANSLATE_NOOP("DDevicePage", "Backward"),    QT_TRANSLATE_NOOP("DDevicePage", "Sniper Key")};
    const int value = numberOf(record.Value);
    if (value < 0 || value >= int(sizeof kTexts / sizeof kTexts[0]))
        return translated(QT_TRANSLATE_NOOP("DDevicePage", "Unknow"));
    return translated(kTexts[value]);
}

QString OnboardConfigFiles::multimediaText(const CustomKeyInfo &record)
{
    const QString text = KeyAssignmentTexts::multimediaText(numberOf(record.Value));
    return text.isEmpty() ? translated(QT_TRANSLATE_NOOP("DDevicePage", "Unknow")) : text;
}
