// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_stamp.h"

#include "files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace core {

FileStamp lookAtFile(const QString &path)
{
    struct stat st {};
    FileStamp stamp;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

QByteArray contentDigest(const QList<QByteArray> &parts)
{
    QCryptographicHash hash(QCryptographicHash::Md5); // against accidents, not attacks: the quickest
    for (const QByteArray &part : parts)
        hash.addData(part);
    return hash.result();
}

bool fileChangedSince(const QString &path, const FileStamp &then, FileStamp *now, qint64 maxBytes)
{
    *now = lookAtFile(path);
    if (now->sameLook(then)) {
        now->digest = then.digest;
        return false;
    }
    if (!now->exists || !then.exists || now->size != then.size || then.digest.isEmpty() || now->size > maxBytes)
        return true;
    // Same size, another time: changed only if the content differs (a touch, a checkout of the
    // same text).
    const ReadResult read = readFileBytes(path, maxBytes);
    if (!read.ok)
        return true;
    now->digest = contentDigest({read.bytes});
    return now->digest != then.digest;
}

QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool sameFilePath(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && canonicalPath(a) == canonicalPath(b);
}

} // namespace core
