#include "XmlDocumentCache.h"

#include "LogCategories.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <tinyxml.h>

#include <string>

namespace {

// Reads and parses the whole file. `stamp` receives the state of the file that was read, taken
// from the open file itself, so it always belongs to the bytes parsed.
std::shared_ptr<const TiXmlDocument> parseFile(const QString &path, FileStamp *stamp)
{
    *stamp = FileStamp();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            qCWarning(lcData) << "XML store: cannot read" << path << file.errorString();
        return nullptr;
    }
    const FileStamp opened = FileStamp::ofDescriptor(file.handle());
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcData) << "XML store: cannot read" << path << file.errorString();
        return nullptr;
    }
    *stamp = opened;

    // A zero byte would end the parse early and hide the rest of the file.
    if (data.contains('\0')) {
        qCWarning(lcData) << "XML store:" << path << "holds a zero byte; treated as unreadable";
        return nullptr;
    }
    // Line ends as the parser expects them, as when it loads a file itself.
    data.replace("\r\n", "\n");
    data.replace('\r', '\n');

    auto document = std::make_shared<TiXmlDocument>(QFile::encodeName(path).constData());
    document->Parse(data.constData(), nullptr, TIXML_DEFAULT_ENCODING);
    if (document->Error()) {
        qCWarning(lcData) << "XML store:" << path << "does not parse:" << document->ErrorDesc() << "at row"
                          << document->ErrorRow() << "column" << document->ErrorCol()
                          << "; treated as unreadable and left as it is";
        return nullptr;
    }
    return document;
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

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::load(const QString &path)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    return loadLocked(path);
}

std::shared_ptr<const TiXmlDocument> XmlDocumentCache::loadLocked(const QString &path)
{
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
    // A file that does not parse is remembered too (as a null document), so that it is not parsed
    // and reported again on every call until it changes.
    storeLocked(path, read, document);
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
    if (printed(*copy) == printed(*current))
        return true;  // the file already holds every value the edit sets

    FileStamp written;
    if (!save(path, *copy, &written)) {
        // The file on disk is unchanged, and so is what the cache holds for it.
        return false;
    }
    remember(path, written, std::move(copy));
    return true;
}

bool XmlDocumentCache::create(const QString &path, const TiXmlDocument &document)
{
    std::lock_guard<std::mutex> writeLocker(m_writeMutex);
    FileStamp written;
    if (!save(path, document, &written)) {
        std::lock_guard<std::mutex> locker(m_mutex);
        m_entries.remove(path);
        return false;
    }
    remember(path, written, std::make_shared<const TiXmlDocument>(document));
    return true;
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

    const std::string text = printed(document);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcData) << "XML store: cannot write" << path << file.errorString();
        return false;
    }
    const qint64 size = qint64(text.size());
    if (file.write(text.data(), size) != size || !file.flush()) {
        qCWarning(lcData) << "XML store: cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    // Everything is written: the temporary file now has the size and time it keeps once renamed.
    const FileStamp stamp = FileStamp::ofDescriptor(file.handle());
    if (!file.commit()) {
        qCWarning(lcData) << "XML store: cannot replace" << path << file.errorString();
        return false;
    }
    *written = stamp;
    return true;
}
