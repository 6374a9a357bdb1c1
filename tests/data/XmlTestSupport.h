// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the XML store tests: fixture files in a temporary folder and a look
// at the raw tree of a written file.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <tinyxml.h>

#include <memory>

namespace xmltest {

inline QByteArray pathIn(const QTemporaryDir &dir, const QString &name)
{
    return QFile::encodeName(dir.filePath(name));
}

inline QByteArray writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QByteArray path = pathIn(dir, name);
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write fixture %s", path.constData());
    return path;
}

inline QByteArray readFile(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool exists(const QByteArray &path)
{
    return QFile::exists(QFile::decodeName(path));
}

// The parsed file, or null when it does not parse.
inline std::unique_ptr<TiXmlDocument> parse(const QByteArray &path)
{
    auto document = std::make_unique<TiXmlDocument>();
    const QByteArray content = readFile(path);
    document->Parse(content.constData());
    if (document->Error())
        return nullptr;
    return document;
}

// "name=value" of every attribute, in the element's order.
inline QStringList attributes(const TiXmlElement *element)
{
    QStringList list;
    for (const TiXmlAttribute *a = element ? element->FirstAttribute() : nullptr; a; a = a->Next())
        list << QString::fromUtf8(a->Name()) + '=' + QString::fromUtf8(a->Value());
    return list;
}

// Names of the child elements, in order.
inline QStringList childNames(const TiXmlElement *element)
{
    QStringList list;
    for (const TiXmlElement *c = element ? element->FirstChildElement() : nullptr; c; c = c->NextSiblingElement())
        list << QString::fromUtf8(c->Value());
    return list;
}

// A profile file: declaration and a `Parameters` root holding the given children.
inline QByteArray profileFile(const QByteArray &children)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"1\">\n" + children
           + "\n</Parameters>\n";
}

}  // namespace xmltest
