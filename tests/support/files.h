// SPDX-License-Identifier: GPL-3.0-or-later
// Files as the tests look at them: whole contents, and the names a folder holds.
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace testsupport {

/// The file's bytes, or "<unreadable>".
inline QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

/// Writes the bytes as the file's whole content; a failure fails the test.
inline void putContent(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

/// Every name in the folder, hidden ones included, sorted.
inline QStringList namesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

/// A temporary folder every user may enter.
struct OpenFolder {
    OpenFolder() { ::chmod(QFile::encodeName(dir.path()).constData(), 0755); }
    QString path(const QString &name = {}) const { return name.isEmpty() ? dir.path() : dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace testsupport
