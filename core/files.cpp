// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"
#include "memory_release.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

QString reasonFor(int err)
{
    switch (err) {
    case EACCES:
    case EPERM: return QStringLiteral("没有访问权限");
    case EROFS: return QStringLiteral("文件系统是只读的");
    case ENOSPC: return QStringLiteral("磁盘已满");
    case EDQUOT: return QStringLiteral("超出磁盘配额");
    case EFBIG: return QStringLiteral("文件超出了允许的大小");
    case ENAMETOOLONG: return QStringLiteral("路径太长");
    case ENOENT: return QStringLiteral("文件或文件夹不存在");
    case ENOTDIR: return QStringLiteral("路径中的某一部分不是文件夹");
    case EISDIR: return QStringLiteral("这是一个文件夹");
    case ELOOP: return QStringLiteral("符号链接层次太多");
    case EIO: return QStringLiteral("输入输出错误");
    default: return QString::fromLocal8Bit(std::strerror(err));
    }
}

namespace {

/// While a file is written, a file size limit (`ulimit -f`) must not end the program with SIGXFSZ
/// and take the unsaved text with it: ignored, the write that passes the limit fails with EFBIG
/// and is reported like any other failure.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &previous_);
    }
    ~FileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &previous_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored &) = delete;
    FileSizeSignalIgnored &operator=(const FileSizeSignalIgnored &) = delete;

private:
    struct sigaction previous_ = {};
};

void setWhy(QString *why, const QString &text)
{
    if (why)
        *why = text;
}

bool writeAll(int fd, const QList<QByteArray> &parts)
{
    for (const QByteArray &part : parts) {
        const char *p = part.constData();
        qsizetype left = part.size();
        while (left > 0) {
            const ssize_t n = ::write(fd, p, size_t(left));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            p += n;
            left -= n;
        }
    }
    return true;
}

/// Follows symbolic links to the file they finally name (which may not exist yet).
QString resolveLinks(const QString &path, int *err)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray local = QFile::encodeName(current);
        struct stat st;
        if (::lstat(local.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(local.constData(), buf, sizeof buf - 1);
        if (n < 0) {
            *err = errno;
            return {};
        }
        const QString target = QFile::decodeName(QByteArray(buf, n));
        current = QDir::cleanPath(QFileInfo(current).dir().absoluteFilePath(target));
    }
    *err = ELOOP;
    return {};
}

/// Replaces the content of an existing file in place, for when renaming a new file over it is
/// not possible (hard links, or a folder that takes no new files). The old content is put back
/// should the write fail.
bool writeInPlace(const QByteArray &targetLocal, const QList<QByteArray> &parts, int *err)
{
    QFile old(QFile::decodeName(targetLocal));
    if (!old.open(QIODevice::ReadOnly)) {
        *err = EACCES;
        return false;
    }
    const QByteArray previous = old.readAll();
    old.close();
    const int out = ::open(targetLocal.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (out < 0) {
        *err = errno;
        return false;
    }
    if (!writeAll(out, parts) || ::fsync(out) != 0) {
        *err = errno;
        (void)::ftruncate(out, 0);
        (void)::lseek(out, 0, SEEK_SET);
        writeAll(out, {previous});
        ::close(out);
        return false;
    }
    if (::close(out) != 0) {
        *err = errno;
        return false;
    }
    return true;
}

} // namespace

QString runDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::decodeName(QByteArray("/proc/self/exe"))).canonicalFilePath().section(u'/', 0, -2);
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

bool writeFileBytes(const QString &path, const QList<QByteArray> &parts, QString *why)
{
    if (path.isEmpty()) {
        setWhy(why, QStringLiteral("没有给出文件名"));
        return false;
    }
    const FileSizeSignalIgnored fileSizeSignalIgnored;
    int err = 0;
    const QString target = resolveLinks(path, &err);
    if (target.isEmpty()) {
        setWhy(why, reasonFor(err));
        return false;
    }
    const QByteArray targetLocal = QFile::encodeName(target);
    struct stat st;
    const bool exists = ::stat(targetLocal.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        setWhy(why, reasonFor(EISDIR));
        return false;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        setWhy(why, QStringLiteral("这不是一个普通文件"));
        return false;
    }
    // Renaming over a file would ignore its write protection.
    if (exists && ::access(targetLocal.constData(), W_OK) != 0) {
        setWhy(why, reasonFor(errno));
        return false;
    }

    // Write everything to a temporary file beside the target first.
    const QFileInfo info(target);
    QByteArray tmpName = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(tmpName.data(), O_CLOEXEC);
    if (fd < 0) {
        int e = errno;
        // A folder that takes no new files may still hold a file that may be written.
        if (exists && (e == EACCES || e == EPERM || e == EROFS) && ::access(targetLocal.constData(), W_OK) == 0) {
            if (writeInPlace(targetLocal, parts, &e))
                return true;
        }
        setWhy(why, reasonFor(e));
        return false;
    }
    auto fail = [&](int e) {
        ::close(fd);
        ::unlink(tmpName.constData());
        setWhy(why, reasonFor(e));
        return false;
    };
    if (!writeAll(fd, parts) || ::fsync(fd) != 0)
        return fail(errno);
    if (exists) {
        (void)::fchown(fd, st.st_uid, st.st_gid);
        if (::fchmod(fd, st.st_mode & 07777) != 0)
            return fail(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    if (exists && st.st_nlink > 1) {
        // Renaming would split the hard links: once the bytes have been written out in full
        // beside it, write them into the file itself.
        int e = 0;
        if (!writeInPlace(targetLocal, parts, &e))
            return fail(e);
        ::close(fd);
        ::unlink(tmpName.constData());
        return true;
    }

    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(tmpName.constData());
        setWhy(why, reasonFor(e));
        return false;
    }
    if (::rename(tmpName.constData(), targetLocal.constData()) != 0) {
        const int e = errno;
        ::unlink(tmpName.constData());
        setWhy(why, reasonFor(e));
        return false;
    }
    const int dirFd = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

ReadResult readFileBytes(const QString &path, qint64 maxBytes)
{
    ReadResult r;
    if (path.isEmpty()) {
        r.why = QStringLiteral("没有给出文件名");
        return r;
    }
    // Non-blocking, so that a FIFO cannot hang the program while it is opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        r.why = reasonFor(errno);
        return r;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        r.why = reasonFor(errno);
        ::close(fd);
        return r;
    }
    if (S_ISDIR(st.st_mode)) {
        r.why = reasonFor(EISDIR);
        ::close(fd);
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.why = QStringLiteral("这不是一个普通文件（可能是设备或管道）");
        ::close(fd);
        return r;
    }
    if (st.st_size > maxBytes) {
        r.why = QStringLiteral("文件太大：本程序最多打开 %1 MB 的文件").arg(maxBytes >> 20);
        ::close(fd);
        return r;
    }
    r.bytes.resize(qsizetype(st.st_size));
    adviseHugePages(r.bytes.data(), r.bytes.size());
    qsizetype got = 0;
    while (true) {
        if (got == r.bytes.size())
            r.bytes.resize(got + 65536); // the file grew while being read
        const ssize_t n = ::read(fd, r.bytes.data() + got, size_t(r.bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            r.why = reasonFor(errno);
            r.bytes.clear();
            ::close(fd);
            return r;
        }
        if (n == 0)
            break;
        got += n;
        if (got > maxBytes) {
            r.why = QStringLiteral("文件太大：本程序最多打开 %1 MB 的文件").arg(maxBytes >> 20);
            r.bytes.clear();
            ::close(fd);
            return r;
        }
    }
    r.bytes.resize(got);
    ::close(fd);
    r.ok = true;
    return r;
}

bool setFileAttributeBits(const QString &path, int bits)
{
    bits &= 0x27;
    const QByteArray local = QFile::encodeName(path);
    struct stat st;
    if (path.isEmpty() || ::stat(local.constData(), &st) != 0)
        return false;
    mode_t mode = st.st_mode & 07777;
    if (bits & 1)
        mode &= ~mode_t(0222);
    else if ((mode & 0222) == 0)
        mode |= S_IWUSR;
    return mode == (st.st_mode & 07777) || ::chmod(local.constData(), mode) == 0;
}

} // namespace core
