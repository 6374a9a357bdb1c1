// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board configuration files of one keyboard, without widgets: the list file and the two
// layer files (Default and FN1, each a profile-format file whose configurations carry the key
// records of that layer), the layout templates carried in the resources, and the caption texts
// that the on-board view shows for a key record.
//
// Every change goes through the XML store. A layout template is copied into a temporary folder
// (the store takes paths) and checked before it replaces a layer: a missing, unreadable or empty
// template leaves the layer as it was. The replacement is appended before the old configuration
// is removed, so a failed write never leaves the layer without one.

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

class xmlInterface;

class OnboardConfigFiles
{
public:
    static constexpr int kFnCode = -10;      // the Fn key's code and remap value
    static constexpr int kFn1Value = -20;    // remap value of the key that works as FN1
    static constexpr int kFn1KeyCode = 251;  // the own FN1 key of the FN1-preset model
    static constexpr int kEscKeyCode = 41;

    explicit OnboardConfigFiles(xmlInterface *xml = nullptr);

    void setStore(xmlInterface *xml) { m_xml = xml; }
    void setModel(const QString &model) { m_model = model; }
    QString model() const { return m_model; }
    // The list file and the two layer files (8-bit, local encoding).
    void setPaths(const QByteArray &listPath, const QByteArray &defaultPath, const QByteArray &fn1Path);
    QByteArray listPath() const { return m_listPath; }
    // The file of a layer: 0 Default, 1 FN1; empty for any other layer.
    QByteArray layerPath(int layer) const;

    // Adds configuration `index` ("Profile<index>") to both layer files with its first records:
    // the Fn record, or for the FN1-preset model the FN1 key and Esc records. True when every
    // write succeeded.
    bool createConfig(int index);
    // Removes configuration `index` from the Default file, then from the FN1 file.
    bool deleteConfig(int index);

    // Writes configuration `index` to a new file at `path` (replacing any file there): the Default
    // layer's under its index, the FN1 layer's under index + 1. False when it cannot be written.
    bool exportConfig(int index, const QByteArray &path);
    // Adds the configurations of an exported file as one new configuration: the first becomes
    // the Default layer, the second the FN1 layer (a lone one gets an FN1 layer with its first
    // records), the rest are ignored. The new index, the highest of the three files + 1, goes to
    // the list under `name` with %1 the index. Returns the index, or -1 (nothing added) when the
    // file does not parse, holds no configuration or a write failed.
    int importConfig(const QByteArray &sourcePath, const QString &name);
    // The highest configuration index of the list and the two layer files; 0 when all are empty.
    int highestIndex() const;

    // The resource path of a template: 1 QWERTY, 2 Mac, 3 Dvorak, anything else QWERTY.
    static QString templateResource(const QString &model, int layout);
    // Replaces `layer` of configuration `index` with the model's template and clears the FN1 key
    // from the other layer (writing the FN1 key and Esc records there for the FN1-preset model).
    // False, with a log line, when the template is missing, does not parse or holds no
    // configuration, when the layer is neither 0 nor 1, or when a write failed; the layer then
    // keeps its configuration.
    bool applyTemplate(int layer, int index, int layout);

    // The records of configuration `index` in a layer's file, in file order; records that cannot
    // be found again (placeholders) are left out. Empty for layers other than 0 and 1.
    QList<CustomKeyInfo> layerRecords(int layer, int index) const;

    // The text a key button of the view shows for a record.
    static QString functionText(const CustomKeyInfo &record, const QMap<int, QString> &keyNames);
    // The captions of a record, translated in the device page's context.
    static QString macroModeText(const CustomKeyInfo &record);
    static QString combinationKeyText(const CustomKeyInfo &record, const QMap<int, QString> &keyNames);
    static QString mouseKeyText(const CustomKeyInfo &record);
    static QString multimediaText(const CustomKeyInfo &record);

private:
    bool writeFn1KeyRecords(const QByteArray &path, const QByteArray &key);
    bool clearFn1Records(const QByteArray &path, const QByteArray &key);

    xmlInterface *m_xml = nullptr;
    QString m_model;
    QByteArray m_listPath;
    QByteArray m_defaultPath;
    QByteArray m_fn1Path;
};
