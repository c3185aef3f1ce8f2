// SPDX-License-Identifier: GPL-3.0-or-later
// What a file looked like when the program last read or wrote it, to tell whether another program
// has changed it since. Size and modification time are read on every look (one stat); the content
// is compared only when they differ, so a file merely touched does not count as changed, and an
// unchanged large file is never read again.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace core {

struct FileStamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    QByteArray digest;     // of the content; empty where not known

    /// Same existence, size and time: taken as unchanged without reading the content.
    bool sameLook(const FileStamp &other) const
    {
        return exists == other.exists && size == other.size && modifiedNs == other.modifiedNs;
    }
    QDateTime modified() const { return QDateTime::fromMSecsSinceEpoch(modifiedNs / 1000000); }
};

/// The file's existence, size and time now (no content read).
FileStamp lookAtFile(const QString &path);
/// The digest of content held as consecutive parts.
QByteArray contentDigest(const QList<QByteArray> &parts);

/// Whether the file is no longer what the stamp recorded: a different look, and (when the file
/// still exists and is at most maxBytes long) a different content. `now` receives the file's
/// stamp as it is now, with its digest when the content was read.
bool fileChangedSince(const QString &path, const FileStamp &then, FileStamp *now, qint64 maxBytes);

/// Two paths name the same file: compared after resolving symbolic links, "." and "..", or as
/// cleaned absolute paths where the file does not exist.
bool sameFilePath(const QString &a, const QString &b);
QString canonicalPath(const QString &path);

} // namespace core
