// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_store.h"

#include "core/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

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

const QString CopySuffix = u".copy"_s, PartSuffix = u".part"_s, LockSuffix = u".lock"_s;

QByteArray local(const QString &path) { return QFile::encodeName(path); }

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

/// Creates the lock file and holds its lock; -1, with the reason, when it cannot. Another process
/// sweeping lock files may delete it between its creation and its lock: then it is made again.
int takeLock(const QString &path, QString &why)
{
    for (;;) {
        const int fd = ::open(local(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            why = core::reasonFor(errno);
            return -1;
        }
        // Waits while another process looks whether it is held (a moment).
        int locked = 0;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked != 0) {
            why = core::reasonFor(errno);
            ::close(fd);
            return -1;
        }
        struct stat held = {}, named = {};
        if (::fstat(fd, &held) == 0 && ::stat(local(path).constData(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev)
            return fd;
        ::close(fd);
    }
}

/// Deletes a lock file that no process holds (its owner is gone).
void removeIfUnheld(const QString &path)
{
    const int fd = ::open(local(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(local(path).constData()); // while locked here: its owner cannot be taking it now
    ::close(fd);
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

// ---- the store ---------------------------------------------------------------------------------

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder))
{
    id_ = u"p%1r%2"_s.arg(::getpid()).arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
    if (whyOff_ = prepareFolder(folder_); !whyOff_.isEmpty())
        return;
    if (lockFd_ = takeLock(folder_ + u'/' + id_ + LockSuffix, whyOff_); lockFd_ < 0)
        return;
    // What processes that are gone left besides their copies: parts they were writing when they
    // were killed (never text), and their lock files (a copy without one is offered all the same).
    const QDir dir(folder_);
    for (const QString &name : dir.entryList({u"*"_s + PartSuffix}, QDir::Files | QDir::Hidden))
        if (const QString owner = ownerOf(name); !owner.isEmpty() && !ownerRunning(folder_, owner))
            QFile::remove(dir.filePath(name));
    for (const QString &name : dir.entryList({u"*"_s + LockSuffix}, QDir::Files | QDir::Hidden))
        if (name != id_ + LockSuffix)
            removeIfUnheld(dir.filePath(name));
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

namespace {

/// Changes appended beyond this have the copy written anew: reading it back replays them all.
qint64 changesBound(qint64 baseSize) { return std::max<qint64>(4 << 20, baseSize / 2); }

void syncFolder(const QString &file)
{
    const int dirFd = ::open(local(QFileInfo(file).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd); // a rename or deletion survives a power cut
        ::close(dirFd);
    }
}

} // namespace

CopyWriter::CopyWriter(QString copyPath)
    : path_(std::move(copyPath)), thread_([this] { run(false); }), urgent_([this] { run(true); })
{
}

CopyWriter::~CopyWriter()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
    urgent_.join();
    if (fd_ >= 0)
        ::close(fd_);
}

void CopyWriter::reset(QByteArray buffer, CopyHeader header, bool safe)
{
    std::lock_guard lock(mutex_);
    jobs_.push_back({std::move(buffer), std::move(header), true, safe ? Then::Safe : Then::Keep});
    wake_.notify_all();
}

void CopyWriter::follow(QByteArray changes, CopyHeader header, Then then)
{
    std::lock_guard lock(mutex_);
    jobs_.push_back({std::move(changes), std::move(header), false, then});
    wake_.notify_all();
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

bool CopyWriter::copyExists() const
{
    std::lock_guard lock(mutex_);
    return exists_;
}

void CopyWriter::run(bool urgent)
{
    // Checksums and writing must not take the processor from typing, once a copy is on disk. While
    // none is, the jobs go to a thread of normal priority: on a loaded machine one at the lowest
    // could leave unsaved work without any copy for many seconds.
    if (!urgent)
        ::setpriority(PRIO_PROCESS, ::gettid(), 19);
    std::unique_lock lock(mutex_);
    for (;;) {
        // One job at a time, in order, whichever thread does it.
        const auto mine = [&] { return !jobs_.empty() && !running_ && (stop_ || exists_ != urgent); };
        wake_.wait(lock, [&] { return (stop_ && jobs_.empty()) || mine(); });
        if (!mine()) // stopping with nothing left to do
            return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        // Runs of changes queued one after another are followed as one.
        while (!job.whole && job.then == Then::Keep && !jobs_.empty() && !jobs_.front().whole) {
            job.bytes.append(jobs_.front().bytes);
            job.header = std::move(jobs_.front().header);
            job.then = jobs_.front().then;
            jobs_.pop_front();
        }
        running_ = true;
        lock.unlock();
        perform(job);
        job = {};
        lock.lock();
        running_ = false;
        wake_.notify_all(); // the next job may be the other thread's
        if (jobs_.empty())
            idle_.notify_all();
    }
}

void CopyWriter::perform(Job &job)
{
    if (job.whole) {
        text_ = GapText(std::move(job.bytes));
        safe_.reset();
        differs_ = true;
    } else {
        Change change;
        for (QByteArrayView rest = job.bytes; takeChange(rest, change);)
            text_.replace(change.position, change.removed, change.inserted);
        if (!job.bytes.isEmpty() && job.then == Then::Keep)
            differs_ = !equalsSafeText();
    }
    switch (job.then) {
    case Then::Safe:
        safe_ = {text_.size(), sealOf(text_.front(), text_.back())};
        differs_ = false;
        return removeCopy();
    case Then::Discard:
        differs_ = false; // until the next change
        return removeCopy();
    case Then::Keep: break;
    }
    if (!differs_)
        return removeCopy(); // changed back to the safe text
    if (fd_ < 0 || job.whole || job.header != written_ || changesSize_ + job.bytes.size() > changesBound(baseSize_) ||
        !stillNamed()) {
        written_ = job.header;
        return rewrite();
    }
    appendSealed(job.bytes);
}

bool CopyWriter::stillNamed() const
{
    // Deleted or replaced by someone else, the file appended to would hold the changes for nobody.
    struct stat open = {}, named = {};
    return ::fstat(fd_, &open) == 0 && ::stat(local(path_).constData(), &named) == 0 && open.st_ino == named.st_ino &&
           open.st_dev == named.st_dev;
}

bool CopyWriter::equalsSafeText() const
{
    // The checksum of a large text is taken only when its size says it may be the safe one.
    return safe_ && safe_->first == text_.size() && safe_->second == sealOf(text_.front(), text_.back());
}

void CopyWriter::rewrite()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    const QByteArray head = copyHead(written_, text_.size());
    QByteArray seal = sealOf(head, text_.front(), text_.back());
    const QString part = path_.chopped(CopySuffix.size()) + PartSuffix;
    const int fd = ::open(local(part).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(errno);
    int err = 0;
    if (!writeAll(fd, head) || !writeAll(fd, text_.front()) || !writeAll(fd, text_.back()) || !writeAll(fd, seal) ||
        ::fsync(fd) != 0)
        err = errno ? errno : EIO;
    // The copy is replaced in one step: a kill at any moment leaves the old one or the new one.
    if (!err && ::rename(local(part).constData(), local(path_).constData()) != 0)
        err = errno;
    if (err) {
        ::close(fd);
        ::unlink(local(part).constData());
        return fail(err);
    }
    syncFolder(path_);
    fd_ = fd; // the changes from here on are appended to it
    baseSize_ = text_.size();
    changesSize_ = 0;
    goodSize_ = head.size() + baseSize_ + seal.size();
    chain_ = std::move(seal);
    std::lock_guard lock(mutex_);
    exists_ = true;
}

void CopyWriter::appendSealed(QByteArrayView changes)
{
    QByteArray chain = chain_;
    const QByteArray sealed = sealChanges(changes, chain);
    if (!writeAll(fd_, sealed) || ::fdatasync(fd_) != 0) {
        const int err = errno ? errno : EIO;
        // What was written of them is cut off again where it can be; the copy is written anew
        // with the next changes.
        if (::ftruncate(fd_, goodSize_) == 0)
            ::fdatasync(fd_);
        ::close(std::exchange(fd_, -1));
        return fail(err);
    }
    chain_ = std::move(chain);
    changesSize_ += sealed.size();
    goodSize_ += sealed.size();
}

void CopyWriter::removeCopy()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    // Whatever lies there goes, a copy this process adopted included.
    if (::unlink(local(path_).constData()) == 0)
        syncFolder(path_);
    std::lock_guard lock(mutex_);
    exists_ = false;
}

void CopyWriter::fail(int error)
{
    std::lock_guard lock(mutex_);
    failure_ = core::reasonFor(error);
}

} // namespace document
