// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlDocumentCache.h"

#include "LogCategories.h"
#include "ReplacedFile.h"
#include "XmlFileReader.h"
#include "XmlTreeCompare.h"

#include <QFile>
#include <QFileInfo>

#include <tinyxml.h>

#include <climits>
#include <string>

namespace {

// Parses text prepared by XmlFileReader. Null, with the reason, when the parser fails or finds no
// root element (a document type declaration with an internal subset, for one, ends the parse early).
std::shared_ptr<const TiXmlDocument> parseText(const QString &path, const QByteArray &text, QString *reason)
{
    auto document = std::make_shared<TiXmlDocument>(QFile::encodeName(path).constData());
    document->Parse(text.constData(), nullptr, TIXML_DEFAULT_ENCODING);
    if (document->Error()) {
        *reason = QStringLiteral("it does not parse: %1 at row %2 column %3")
                      .arg(QString::fromUtf8(document->ErrorDesc()))
                      .arg(document->ErrorRow())
                      .arg(document->ErrorCol());
        return nullptr;
    }
    if (!document->RootElement()) {
        *reason = QStringLiteral("it holds no root element");
        return nullptr;
    }
    return document;
}

bool isResource(const QString &path)
{
    return path.startsWith(QLatin1String(":/"));
}

std::string printed(const TiXmlDocument &document)
{
    TiXmlPrinter printer;
    document.Accept(&printer);
    return printer.Str();
}

}  // namespace

XmlDocumentCache::XmlDocumentCache(int capacity)
    : m_capacity(capacity > 0 ? capacity : 1)
{
}

XmlDocumentCache::~XmlDocumentCache() = default;

void XmlDocumentCache::setRefusalHandler(RefusalHandler handler)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    m_onRefused = std::move(handler);
}

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::parseFile(const QString &path, FileStamp *stamp)
{
    QByteArray text;
    QString reason;
    std::shared_ptr<const TiXmlDocument> document;
    switch (XmlFileReader::read(path, &text, stamp, &reason)) {
    case XmlFileReader::Status::Missing:
        return nullptr;
    case XmlFileReader::Status::Refused:
    case XmlFileReader::Status::Denied:
        break;
    case XmlFileReader::Status::Ok:
        document = parseText(path, text, &reason);
        break;
    }
    if (!document)
        refuse(path, reason);
    return document;
}

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::parseResource(const QString &path)
{
    // The program's own files, read from memory; they never change while it runs.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QByteArray text = file.read(XmlFileReader::kMaxFileSize + 1);
    QString reason;
    std::shared_ptr<const TiXmlDocument> document;
    if (text.size() > XmlFileReader::kMaxFileSize)
        reason = QStringLiteral("it is larger than %1 bytes").arg(XmlFileReader::kMaxFileSize);
    else if (XmlFileReader::prepare(&text, &reason))
        document = parseText(path, text, &reason);
    if (!document)
        refuse(path, reason);
    return document;
}

void XmlDocumentCache::refuse(const QString &path, const QString &reason)
{
    qCWarning(lcData).noquote() << "XML store:" << path << "is not read:" << reason
                                << "; treated as unreadable and left as it is";
    // Called with m_mutex held; load() hands it on once the lock is released.
    m_pendingRefusals.append(Refusal{path, reason});
}

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::load(const QString &path)
{
    std::shared_ptr<const TiXmlDocument> document;
    QList<Refusal> refusals;
    RefusalHandler handler;
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        document = loadLocked(path);
        refusals.swap(m_pendingRefusals);
        handler = m_onRefused;
    }
    // Outside the lock: other threads read on meanwhile.
    if (handler) {
        for (const Refusal &refusal : qAsConst(refusals))
            handler(refusal.path, refusal.reason);
    }
    return document;
}

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::loadLocked(const QString &path)
{
    if (isResource(path))
        return parseResource(path);
    const FileStamp onDisk = FileStamp::ofPath(path);
    if (!onDisk.isValid()) {
        m_entries.remove(path);
        return nullptr;
    }
    auto it = m_entries.find(path);
    if (it != m_entries.end() && it->stamp == onDisk) {
        it->lastUse = ++m_useCounter;
        return it->document;
    }

    FileStamp read;
    std::shared_ptr<const TiXmlDocument> document = parseFile(path, &read);
    // A file that is refused is remembered too (as a null document), so that it is not read and
    // reported again on every call until it changes.
    storeLocked(path, read.isValid() ? read : onDisk, document);
    return document;
}

void XmlDocumentCache::remember(const QString &path, const FileStamp &stamp,
                                std::shared_ptr<const TiXmlDocument> document)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    storeLocked(path, stamp, std::move(document));
}

void XmlDocumentCache::storeLocked(const QString &path, const FileStamp &stamp,
                                   std::shared_ptr<const TiXmlDocument> document)
{
    if (!stamp.isValid()) {
        m_entries.remove(path);
        return;
    }
    Entry entry;
    entry.stamp = stamp;
    entry.document = std::move(document);
    entry.lastUse = ++m_useCounter;
    m_entries.insert(path, entry);
    while (m_entries.size() > m_capacity) {
        auto oldest = m_entries.begin();
        for (auto e = m_entries.begin(); e != m_entries.end(); ++e) {
            if (e->lastUse < oldest->lastUse)
                oldest = e;
        }
        m_entries.erase(oldest);
    }
}

bool XmlDocumentCache::modify(const QString &path, const std::function<bool(TiXmlDocument &)> &edit)
{
    std::lock_guard<std::mutex> writeLocker(m_writeMutex);
    const std::shared_ptr<const TiXmlDocument> current = load(path);
    if (!current || !current->RootElement())
        return false;

    auto copy = std::make_shared<TiXmlDocument>(*current);
    if (!edit(*copy))
        return false;
    if (sameXmlTree(*copy, *current))
        return true;  // the file already holds every value the edit sets

    FileStamp written;
    if (!save(path, *copy, &written)) {
        // The file on disk is unchanged, and so is what the cache holds for it.
        return false;
    }
    remember(path, written, std::move(copy));
    return true;
}

bool XmlDocumentCache::modifyOrCreate(const QString &path, const TiXmlDocument &fresh,
                                      const std::function<bool(TiXmlDocument &)> &edit)
{
    std::lock_guard<std::mutex> writeLocker(m_writeMutex);
    std::shared_ptr<const TiXmlDocument> current = load(path);
    if (!current) {
        // Only a path with nothing at it starts from the fresh document; a file that is there but
        // is not read is left alone.
        if (isResource(path) || FileStamp::ofPath(path).isValid() || QFileInfo(path).isSymLink())
            return false;
        current = std::make_shared<const TiXmlDocument>(fresh);
    }
    if (!current->RootElement())
        return false;
    auto copy = std::make_shared<TiXmlDocument>(*current);
    if (!edit(*copy))
        return false;
    FileStamp written;
    if (!save(path, *copy, &written))
        return false;
    remember(path, written, std::move(copy));
    return true;
}

bool XmlDocumentCache::create(const QString &path, const TiXmlDocument &document)
{
    std::lock_guard<std::mutex> writeLocker(m_writeMutex);
    const std::shared_ptr<const TiXmlDocument> current = peek(path);
    if (current && sameXmlTree(*current, document))
        return true;  // the file holds that document already
    FileStamp written;
    if (!save(path, document, &written)) {
        std::lock_guard<std::mutex> locker(m_mutex);
        m_entries.remove(path);
        return false;
    }
    remember(path, written, std::make_shared<const TiXmlDocument>(document));
    return true;
}

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::peek(const QString &path)
{
    if (isResource(path))
        return nullptr;
    const FileStamp onDisk = FileStamp::ofPath(path);
    if (!onDisk.isValid())
        return nullptr;
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        auto it = m_entries.find(path);
        if (it != m_entries.end() && it->stamp == onDisk)
            return it->document;
    }
    // Read aside: a file that is refused here is about to be replaced and is not reported.
    QByteArray text;
    FileStamp read;
    QString reason;
    if (XmlFileReader::read(path, &text, &read, &reason) != XmlFileReader::Status::Ok)
        return nullptr;
    return parseText(path, text, &reason);
}

void XmlDocumentCache::clear()
{
    std::lock_guard<std::mutex> locker(m_mutex);
    m_entries.clear();
}

bool XmlDocumentCache::save(const QString &path, const TiXmlDocument &document, FileStamp *written)
{
    *written = FileStamp();
    if (path.isEmpty())
        return false;

    // Replacing by rename would also succeed on a read-only file; such a file stays as it is.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable())) {
        qCWarning(lcData) << "XML store: cannot write" << path << "(not a writable file)";
        return false;
    }

    const std::string printedText = printed(document);
    const QByteArray text = QByteArray::fromRawData(printedText.data(), int(qMin<size_t>(printedText.size(), INT_MAX)));
    // What the store would refuse to read is never written: the file stays as it was.
    QString reason;
    if (printedText.size() > size_t(XmlFileReader::kMaxFileSize) || !XmlFileReader::withinBounds(text, &reason)) {
        if (reason.isEmpty())
            reason = QStringLiteral("it is larger than %1 bytes").arg(XmlFileReader::kMaxFileSize);
        qCWarning(lcData).noquote() << "XML store: not writing" << path
                                    << "since it could not be read again:" << reason;
        return false;
    }
    QString error;
    if (!ReplacedFile::write(path, text, written, &error)) {
        qCWarning(lcData) << "XML store: cannot write" << path << error;
        return false;
    }
    return true;
}
