// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loads and saves the XML files of the store and keeps the parsed documents of the files it saw
// last, so that a lookup on the typing path does not parse a whole profile file again.
//
// A kept document is handed out only while the file on disk still has the identity, size and
// modification time it had when it was read or written; any other change on disk makes the next
// call read the file again. Kept documents are shared read-only; an edit works on a private copy,
// and a successful save puts that copy in the cache. Writes through one cache are serialised.
// Safe to call from any thread.
//
// A file that exists but is refused (see XmlFileReader), does not parse completely or has no root
// element reads as missing and is never written over: saving a partly parsed tree would cut the
// user's file. Each refusal is logged and handed to the refusal handler, once per state of the file.
// Paths starting with ":/" name the program's resources, which are read from memory. Saves are atomic (a temporary file
// in the same folder, created exclusively, renamed over the old one), so a reader sees the old file or the new one.
// A document that the reader would refuse (see XmlFileReader's bounds) is never saved: the save fails.

#include "FileStamp.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>

class TiXmlDocument;

class XmlDocumentCache
{
public:
    explicit XmlDocumentCache(int capacity = 16);
    ~XmlDocumentCache();

    XmlDocumentCache(const XmlDocumentCache &) = delete;
    XmlDocumentCache &operator=(const XmlDocumentCache &) = delete;

    // The parsed file; null when the file is missing, unreadable or does not parse completely.
    std::shared_ptr<const TiXmlDocument> load(const QString &path);

    // Runs `edit` on a private copy of the parsed file. `edit` returns false when what it works
    // inside is missing; then nothing is written. Otherwise the copy is saved when it differs from
    // the file, and an edit that changes nothing writes nothing. Returns whether the file holds the
    // edit afterwards: false when the file is missing, does not parse or has no root element, when
    // `edit` returns false, or when the save fails.
    bool modify(const QString &path, const std::function<bool(TiXmlDocument &)> &edit);

    // Like modify, on the file at the path or, when there is nothing at the path, on a copy of
    // fresh; the result is written even when it equals what the file held. False when a file is
    // there but not read (refused, not parsing), when `edit` returns false or the save fails.
    bool modifyOrCreate(const QString &path, const TiXmlDocument &fresh,
                        const std::function<bool(TiXmlDocument &)> &edit);

    // Writes the document to the path, replacing any file there; a file that holds that document
    // already is left as it is. Returns true on success.
    bool create(const QString &path, const TiXmlDocument &document);

    // Forgets every kept document.
    void clear();

    // Called, from the thread that met the file, for every file refused, outside the cache's
    // lock; an edit may be waiting on the write lock meanwhile, so it must not write through the cache.
    using RefusalHandler = std::function<void(const QString &path, const QString &reason)>;
    void setRefusalHandler(RefusalHandler handler);

private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const TiXmlDocument> document;  // null: the file did not parse
        quint64 lastUse = 0;
    };

    std::shared_ptr<const TiXmlDocument> loadLocked(const QString &path);
    std::shared_ptr<const TiXmlDocument> peek(const QString &path);
    std::shared_ptr<const TiXmlDocument> parseFile(const QString &path, FileStamp *stamp);
    std::shared_ptr<const TiXmlDocument> parseResource(const QString &path);
    void refuse(const QString &path, const QString &reason);
    bool save(const QString &path, const TiXmlDocument &document, FileStamp *written);
    void remember(const QString &path, const FileStamp &stamp, std::shared_ptr<const TiXmlDocument> document);
    void storeLocked(const QString &path, const FileStamp &stamp, std::shared_ptr<const TiXmlDocument> document);

    const int m_capacity;
    // Standard mutexes rather than QMutex, so that thread checkers see them.
    struct Refusal {
        QString path;
        QString reason;
    };

    std::mutex m_mutex;       // guards m_entries, m_useCounter, m_pendingRefusals and m_onRefused
    std::mutex m_writeMutex;  // serialises load-edit-save sequences
    QHash<QString, Entry> m_entries;
    quint64 m_useCounter = 0;
    QList<Refusal> m_pendingRefusals;
    RefusalHandler m_onRefused;
};
