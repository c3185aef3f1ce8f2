// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_store.h"

#include "core/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

const QByteArray Magic = "QUILLMERE RECOVERY 1\n"_ba;
constexpr auto HashKind = QCryptographicHash::Md5;
constexpr qsizetype HashSize = 16;
const QString CopySuffix = u".copy"_s, PartSuffix = u".part"_s, LockSuffix = u".lock"_s;

QByteArray local(const QString &path) { return QFile::encodeName(path); }

QByteArray hashOf(QByteArrayView bytes) { return QCryptographicHash::hash(bytes, HashKind); }

template <class T> void put(QByteArray &out, T value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

template <class T> bool take(QByteArrayView &in, T &value)
{
    if (in.size() < qsizetype(sizeof value))
        return false;
    value = qFromLittleEndian<T>(in.data());
    in = in.sliced(sizeof value);
    return true;
}

bool writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t n = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.sliced(n);
    }
    return true;
}

/// The owner's id of a copy or part file ("<id>-<document>.copy"); empty for other files.
QString ownerOf(const QString &name)
{
    const qsizetype dash = name.lastIndexOf(u'-');
    return dash > 0 ? name.left(dash) : QString();
}

/// Whether a process holds the lock of the id (it is running).
bool ownerRunning(const QString &folder, const QString &id)
{
    const int fd = ::open(local(folder + u'/' + id + LockSuffix).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd); // releases the lock when it was taken here
    return held;
}

/// Makes the folder (0700 for the levels made here) and checks it is the user's own folder.
QString prepareFolder(const QString &folder)
{
    QDir().mkpath(QFileInfo(QFileInfo(folder).path()).path());
    for (const QString &level : {QFileInfo(folder).path(), folder})
        if (::mkdir(local(level).constData(), 0700) != 0 && errno != EEXIST)
            return core::reasonFor(errno);
    struct stat st = {};
    if (::stat(local(folder).constData(), &st) != 0)
        return core::reasonFor(errno);
    if (!S_ISDIR(st.st_mode))
        return u"它不是文件夹"_s;
    if (st.st_uid != ::geteuid())
        return u"这个文件夹属于其他用户"_s;
    if ((st.st_mode & 077) != 0 && ::chmod(local(folder).constData(), 0700) != 0)
        return core::reasonFor(errno);
    return {};
}

} // namespace

QString defaultRecoveryFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path is to be ignored, as for every XDG variable.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + u"/.local/state"_s;
    return state + u"/quillmere/recovery"_s;
}

namespace {

/// What comes before the buffer in a copy.
QByteArray copyHead(const CopyHeader &header, qsizetype bufferSize)
{
    const QByteArray path = header.path.toUtf8();
    QByteArray out = Magic;
    put(out, quint32(header.encoding));
    put(out, quint32(path.size()));
    out.append(path);
    put(out, quint64(bufferSize));
    return out;
}

QByteArray hashOf(QByteArrayView head, QByteArrayView buffer)
{
    QCryptographicHash hash(HashKind);
    hash.addData(head);
    hash.addData(buffer);
    return hash.result();
}

} // namespace

QByteArray encodeCopy(const CopyHeader &header, QByteArrayView buffer)
{
    QByteArray out = copyHead(header, buffer.size());
    const QByteArray sum = hashOf(out, buffer);
    return out.append(buffer).append(sum);
}

std::optional<DecodedCopy> decodeCopy(QByteArray bytes)
{
    if (bytes.size() < Magic.size() + HashSize || !bytes.startsWith(Magic))
        return {};
    const QByteArrayView body = QByteArrayView(bytes).first(bytes.size() - HashSize);
    if (hashOf(body) != QByteArrayView(bytes).last(HashSize))
        return {};
    QByteArrayView in = body.sliced(Magic.size());
    quint32 encoding = 0, pathSize = 0;
    quint64 bufferSize = 0;
    if (!take(in, encoding) || encoding > quint32(core::Encoding::Windows1252) || !take(in, pathSize) ||
        in.size() < qsizetype(pathSize))
        return {};
    DecodedCopy copy;
    copy.header = {core::Encoding(encoding), QString::fromUtf8(in.first(pathSize))};
    in = in.sliced(pathSize);
    if (!take(in, bufferSize) || quint64(in.size()) != bufferSize)
        return {};
    const qsizetype from = in.data() - bytes.constData();
    bytes.truncate(from + qsizetype(bufferSize));
    bytes.remove(0, from); // in place: a large text is not held twice
    copy.buffer = std::move(bytes);
    return copy;
}

// ---- the store ---------------------------------------------------------------------------------

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder))
{
    id_ = u"p%1r%2"_s.arg(::getpid()).arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
    if (whyOff_ = prepareFolder(folder_); !whyOff_.isEmpty())
        return;
    const int fd = ::open(local(folder_ + u'/' + id_ + LockSuffix).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        whyOff_ = core::reasonFor(errno);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        whyOff_ = core::reasonFor(errno);
        ::close(fd);
        return;
    }
    lockFd_ = fd;
    // Parts left by processes that were killed while writing: never text, only clutter.
    const QDir dir(folder_);
    for (const QString &name : dir.entryList({u"*"_s + PartSuffix}, QDir::Files | QDir::Hidden))
        if (const QString owner = ownerOf(name); !owner.isEmpty() && !ownerRunning(folder_, owner))
            QFile::remove(dir.filePath(name));
}

RecoveryStore::~RecoveryStore()
{
    if (lockFd_ < 0)
        return;
    // Copies left behind (an exit whose save was cancelled) are offered at the next start, under
    // a lock file nobody holds; without copies, the lock file goes.
    const QDir dir(folder_);
    if (dir.entryList({id_ + u"-*"_s}, QDir::Files | QDir::Hidden).isEmpty())
        QFile::remove(dir.filePath(id_ + LockSuffix));
    ::close(lockFd_);
}

QString RecoveryStore::copyPath(int document) const
{
    return u"%1/%2-%3%4"_s.arg(folder_, id_).arg(document).arg(CopySuffix);
}

std::vector<OrphanCopy> RecoveryStore::orphans() const
{
    std::vector<OrphanCopy> out;
    if (!isOn())
        return out;
    const QDir dir(folder_);
    for (const QFileInfo &info : dir.entryInfoList({u"*"_s + CopySuffix}, QDir::Files | QDir::Hidden)) {
        const QString owner = ownerOf(info.fileName());
        if (owner.isEmpty() || owner == id_ || ownerRunning(folder_, owner))
            continue;
        if (auto copy = read(info.filePath()))
            out.push_back({info.filePath(), copy->header, info.lastModified(), copy->buffer.size()});
    }
    std::ranges::sort(out, [](const OrphanCopy &a, const OrphanCopy &b) { return a.changed > b.changed; });
    return out;
}

std::optional<DecodedCopy> RecoveryStore::read(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return decodeCopy(f.readAll());
}

bool RecoveryStore::adopt(const OrphanCopy &copy, int document)
{
    const QString owner = ownerOf(QFileInfo(copy.file).fileName());
    if (!isOn() || ::rename(local(copy.file).constData(), local(copyPath(document)).constData()) != 0)
        return false;
    if (QDir(folder_).entryList({owner + u"-*"_s}, QDir::Files | QDir::Hidden).isEmpty())
        QFile::remove(folder_ + u'/' + owner + LockSuffix);
    return true;
}

void RecoveryStore::discard(const OrphanCopy &copy)
{
    QFile::remove(copy.file);
    const QString owner = ownerOf(QFileInfo(copy.file).fileName());
    if (!owner.isEmpty() && QDir(folder_).entryList({owner + u"-*"_s}, QDir::Files | QDir::Hidden).isEmpty())
        QFile::remove(folder_ + u'/' + owner + LockSuffix);
}

// ---- the writer --------------------------------------------------------------------------------

CopyWriter::CopyWriter(QString copyPath) : path_(std::move(copyPath)), thread_([this] { run(); }) {}

CopyWriter::~CopyWriter()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void CopyWriter::setBaseline(QByteArray buffer)
{
    std::lock_guard lock(mutex_);
    jobs_.push_back({Job::Baseline, std::move(buffer), {}});
    wake_.notify_one();
}

void CopyWriter::forgetBaseline()
{
    std::lock_guard lock(mutex_);
    jobs_.push_back({Job::Forget, {}, {}});
    wake_.notify_one();
}

void CopyWriter::write(QByteArray buffer, CopyHeader header)
{
    std::lock_guard lock(mutex_);
    if (!jobs_.empty() && jobs_.back().kind == Job::Write)
        jobs_.pop_back(); // never written: the newer text stands for it
    jobs_.push_back({Job::Write, std::move(buffer), std::move(header)});
    wake_.notify_one();
}

void CopyWriter::remove()
{
    std::lock_guard lock(mutex_);
    jobs_.push_back({Job::Remove, {}, {}});
    wake_.notify_one();
}

bool CopyWriter::busy() const
{
    std::lock_guard lock(mutex_);
    return running_ || !jobs_.empty();
}

void CopyWriter::waitIdle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !running_ && jobs_.empty(); });
}

QString CopyWriter::takeFailure()
{
    std::lock_guard lock(mutex_);
    return std::exchange(failure_, {});
}

QByteArray CopyWriter::takeSpare()
{
    std::lock_guard lock(mutex_);
    return std::exchange(spare_, {});
}

bool CopyWriter::copyExists() const
{
    std::lock_guard lock(mutex_);
    return exists_;
}

void CopyWriter::run()
{
    // Hashing and writing a copy must not take the processor from typing.
    ::setpriority(PRIO_PROCESS, ::gettid(), 19);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
        if (jobs_.empty()) // stopping with nothing left to do
            return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = true;
        lock.unlock();
        perform(job);
        lock.lock();
        if (job.buffer.capacity() > spare_.capacity()) // the memory goes to the next copy
            spare_ = std::move(job.buffer);
        running_ = false;
        if (jobs_.empty())
            idle_.notify_all();
    }
}

void CopyWriter::perform(Job &job)
{
    const auto removeCopy = [this] {
        ::unlink(local(path_).constData());
        std::lock_guard lock(mutex_);
        exists_ = false;
    };
    switch (job.kind) {
    case Job::Baseline:
        baselineHash_ = hashOf(job.buffer);
        return removeCopy();
    case Job::Forget: baselineHash_.clear(); return;
    case Job::Remove: return removeCopy();
    case Job::Write: break;
    }
    if (hashOf(job.buffer) == baselineHash_)
        return removeCopy(); // changed back to what is safe
    // Head, text and checksum written one after another: the text is not copied again.
    const QByteArray head = copyHead(job.header, job.buffer.size());
    const QByteArray sum = hashOf(head, job.buffer);
    const QString part = path_.chopped(CopySuffix.size()) + PartSuffix;
    const int fd = ::open(local(part).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int err = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (!writeAll(fd, head) || !writeAll(fd, job.buffer) || !writeAll(fd, sum) || ::fsync(fd) != 0)
            err = errno ? errno : EIO;
        if (::close(fd) != 0 && !err)
            err = errno;
        // The copy is replaced in one step: a kill at any moment leaves the old one or the new one.
        if (!err && ::rename(local(part).constData(), local(path_).constData()) != 0)
            err = errno;
        if (err)
            ::unlink(local(part).constData());
    }
    if (!err) {
        const int dirFd = ::open(local(QFileInfo(path_).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd); // the rename itself survives a power cut
            ::close(dirFd);
        }
    }
    std::lock_guard lock(mutex_);
    if (err)
        failure_ = core::reasonFor(err);
    else
        exists_ = true;
}

} // namespace document
