// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies of unsaved work: files in the user's state folder, one a document, each the
// editor's own buffer (raw bytes as they are carried) with the document's encoding and file. A
// copy is replaced atomically (written beside, flushed, renamed over) and ends in a checksum, so
// a copy cut short or damaged is never taken for text. Each process holds a lock file of its own
// while it runs; copies whose lock nobody holds belong to a process that is gone and are offered
// at the next start. Files only: no widgets.
#pragma once

#include "core/encodings.h"

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

/// What a copy holds besides the text.
struct CopyHeader {
    core::Encoding encoding = core::Encoding::Gb18030;
    QString path; // the document's file (absolute); empty for a document never saved
};

/// A copy's bytes: a line naming the format, the header, the buffer, then the checksum of all
/// that came before it.
QByteArray encodeCopy(const CopyHeader &header, QByteArrayView buffer);
struct DecodedCopy {
    CopyHeader header;
    QByteArray buffer;
};
/// The copy in the bytes; none when they are cut short, damaged or no copy at all.
std::optional<DecodedCopy> decodeCopy(QByteArray bytes);

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
};

/// Writes one document's copy on a thread of its own, so that the text's copy is the UI thread's
/// only cost. Jobs run in order; a text waiting to be written is replaced by a newer one. A text
/// equal to the baseline (the text last read, written or started with) removes the copy instead.
class CopyWriter {
public:
    explicit CopyWriter(QString copyPath);
    /// Finishes the jobs queued.
    ~CopyWriter();
    CopyWriter(const CopyWriter &) = delete;
    CopyWriter &operator=(const CopyWriter &) = delete;

    /// The text is safe as it is (saved, opened, started with): no copy, and this text is the baseline.
    void setBaseline(QByteArray buffer);
    /// No text is safe any longer (a recovered one replaced it): every text is written.
    void forgetBaseline();
    /// Writes the copy of the text, or removes it when the text equals the baseline.
    void write(QByteArray buffer, CopyHeader header);
    /// Removes the copy; the baseline stays.
    void remove();
    /// Whether a job is queued or running.
    bool busy() const;
    /// Waits until no job is queued or running.
    void waitIdle();
    /// The reason of the last failed write, once; empty when none failed since the last call.
    QString takeFailure();
    /// Whether the last job left a copy on disk.
    bool copyExists() const;
    /// The memory of a text already written, for the next copy to go into; empty when none.
    QByteArray takeSpare();

private:
    struct Job {
        enum Kind { Baseline, Forget, Write, Remove } kind;
        QByteArray buffer;
        CopyHeader header;
    };
    void run();
    void perform(Job &job);

    QString path_;
    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> jobs_;
    bool running_ = false, stop_ = false, exists_ = false;
    QString failure_;
    QByteArray spare_;
    QByteArray baselineHash_; // touched by the thread only; empty: none
    std::thread thread_;
};

} // namespace document
