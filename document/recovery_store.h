// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies of unsaved work: files in the user's state folder, one a document, each a base
// text with the changes made since appended to it (recovery_journal.h). A copy is written anew
// atomically (beside, flushed, renamed over) and its changes appended by a thread of its own.
// Each process holds a lock file of its own while it runs; copies whose lock nobody holds belong
// to a process that is gone and are offered at the next start. Files only: no widgets.
#pragma once

#include "recovery_journal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace document {

/// `$XDG_STATE_HOME/quillmere/recovery`, or `~/.local/state/quillmere/recovery` without it.
QString defaultRecoveryFolder();

/// A copy left by a process that is gone, as the recovery window lists it.
struct OrphanCopy {
    QString file; // the copy's own path in the folder
    CopyHeader header;
    QDateTime changed;
    qint64 size = 0; // the buffer's bytes
};

/// This process's place in the recovery folder: the folder made private (0700), the lock held
/// for as long as the object lives. When the folder cannot be used, recovery is off and whyOff
/// says why; nothing else changes.
class RecoveryStore {
public:
    explicit RecoveryStore(QString folder = defaultRecoveryFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    bool isOn() const { return lockFd_ >= 0; }
    const QString &whyOff() const { return whyOff_; }
    const QString &folder() const { return folder_; }
    /// A number for one more document of this process (each window's copy is its own).
    int newDocument() { return documents_++; }
    /// The path of this process's copy of the document numbered n.
    QString copyPath(int document) const;

    /// Valid copies whose owner is gone, newest first. Copies of this process are never listed.
    std::vector<OrphanCopy> orphans() const;
    /// The orphan's text; none when it is no longer there or no longer valid.
    static std::optional<DecodedCopy> read(const QString &file);
    /// Makes the orphan this process's copy of the document (a rename, so that of two processes
    /// only one takes it); false when it was gone.
    bool adopt(const OrphanCopy &copy, int document);
    /// Deletes the orphan, and the lock file of its owner once none of its copies are left.
    void discard(const OrphanCopy &copy);

private:
    QString folder_, id_, whyOff_;
    int lockFd_ = -1;
    int documents_ = 0;
};

/// Keeps one document's copy on a thread of its own, so that following the editor's changes is the
/// UI thread's only cost. The thread rebuilds the text from the changes it is given; jobs run in
/// order. While the text equals the safe one (the text last read, written or started with) there
/// is no copy.
class CopyWriter {
public:
    explicit CopyWriter(QString copyPath);
    /// Finishes the jobs queued.
    ~CopyWriter();
    CopyWriter(const CopyWriter &) = delete;
    CopyWriter &operator=(const CopyWriter &) = delete;

    /// What becomes of the copy after a run of changes.
    enum class Then {
        Keep, // kept while the text differs from the safe one
        Safe, // the text is safe as it is now (saved): no copy, and this text is the safe one
        Discard, // the text was thrown away: no copy
    };
    /// The whole text as it is now (read again after it was replaced whole). A safe text leaves
    /// no copy and is the safe one from here on; any other is written as a copy at once.
    void reset(QByteArray buffer, CopyHeader header, bool safe);
    /// The changes made since the last call (a run of appendChange), kept under the header:
    /// appended to the copy, or the copy written anew (the first changes after a safe text, a new
    /// header, changes grown long beside the base), or the copy removed.
    void follow(QByteArray changes, CopyHeader header, Then then = Then::Keep);
    /// Waits until no job is queued or running.
    void waitIdle();
    /// The reason of the last failed write, once; empty when none failed since the last call.
    QString takeFailure();
    /// Whether the last job left a copy on disk.
    bool copyExists() const;

private:
    struct Job {
        QByteArray bytes; // a whole text, or a run of changes
        CopyHeader header;
        bool whole = false;
        Then then = Then::Keep;
    };
    void run(bool urgent);
    void perform(Job &job);
    void rewrite();
    void appendSealed(QByteArrayView changes);
    void removeCopy();
    bool equalsSafeText() const;
    bool stillNamed() const;
    void fail(int error);

    QString path_;
    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> jobs_;
    bool running_ = false, stop_ = false, exists_ = false;
    QString failure_;
    std::thread thread_, urgent_; // at the lowest priority; at normal priority while no copy is on disk

    // Touched by the thread only.
    GapText text_;
    CopyHeader written_; // the header of the copy on disk
    std::optional<std::pair<qsizetype, QByteArray>> safe_; // the safe text's size and checksum
    bool differs_ = false; // the text differs from the safe one
    int fd_ = -1; // the copy on disk, open for appending changes; -1: it is to be written anew
    qint64 baseSize_ = 0, changesSize_ = 0, goodSize_ = 0; // of the copy on disk
    QByteArray chain_; // the checksum of the copy's last change (or base)
};

} // namespace document
