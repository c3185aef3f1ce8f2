// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Files. Failures come back through results; `why`, when given, receives a sentence for the user.
namespace core {

/// Directory of the running executable, without a trailing separator.
QString runDirectory();
/// The reason for a failed system call (its errno) as a sentence for the user.
QString reasonFor(int err);
/// True when the path names an existing file or directory.
bool fileExists(const QString &path);

/// Replaces the file's content with the byte sequences written one after another. The bytes go
/// to a temporary file beside the target, which replaces the target only once completely
/// written and flushed, so a failure leaves the old file as it was. A symbolic link is written
/// through to its target; the target's permissions are kept. An empty path writes nothing.
bool writeFileBytes(const QString &path, const QList<QByteArray> &parts, QString *why = nullptr);

struct ReadResult {
    bool ok = false;
    QByteArray bytes;
    QString why; // set when !ok
};
/// The whole content of a regular file of at most maxBytes bytes.
ReadResult readFileBytes(const QString &path, qint64 maxBytes = qint64(1) << 31);

/// Attribute bits as Windows knows them (1 read-only, 2 hidden, 4 system, 0x20 archive), masked
/// with 0x27. On POSIX only read-only has a counterpart (the write permission bits); hidden,
/// system and archive have none and are accepted without effect.
bool setFileAttributeBits(const QString &path, int bits);

} // namespace core
