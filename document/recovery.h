// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of one document: the editor's changes followed as they are made and handed to
// the copy's writer about every second while the text differs from what was last read, written or
// started with; the copy deleted once the work is saved or thrown away, and the text put back from
// a copy a killed process left.
#pragma once

#include "recovery_store.h"
#include "session.h"

#include <QTimer>

#include <memory>

namespace document {

class Recovery {
public:
    /// How often the changes are handed to the writer: at most this much typing, and the time to
    /// write it, is missing from the copy.
    static constexpr int IntervalMilliseconds = 1000;

    /// Keeps the session's copy as the store's next document (none while the store is off).
    Recovery(RecoveryStore &store, Session &s);
    /// The copy keeps the changes followed so far; the writer finishes what it was given.
    ~Recovery();
    Recovery(const Recovery &) = delete;
    Recovery &operator=(const Recovery &) = delete;

    /// The text as it is now is the start text; copies are kept from here on. Says once in the
    /// status bar when recovery is off, and why.
    void start(ui::UiRuntime &rt);
    /// Hands the changes made since the last time to the writer (the timer's work).
    void keep(ui::UiRuntime &rt);
    /// The text is safe as it is (saved, opened, new): the copy goes.
    void safePoint(ui::UiRuntime &rt);
    /// The text was thrown away (否 to the unsaved-changes question): the copy goes.
    void discard();
    /// Replaces the text with the copy's, unsaved, with its encoding and its file name offered
    /// for saving; the copy becomes this document's. False, and nothing changed, when the copy
    /// is gone or damaged.
    bool restore(ui::UiRuntime &rt, const OrphanCopy &copy);

    RecoveryStore &store() { return store_; }
    /// The writer; none while recovery is off.
    CopyWriter *writer() { return writer_.get(); }
    /// A context for calls queued to run later, gone with the object.
    QObject *context() { return &timer_; }

private:
    void sayOff(ui::UiRuntime &rt, const QString &why);
    CopyHeader header() const { return {s_.encoding(), s_.path()}; }
    /// Hands over the changes followed so far, or the whole text when they cannot tell it.
    void handOver(ui::UiRuntime &rt, CopyWriter::Then then);

    RecoveryStore &store_;
    Session &s_;
    int document_;
    std::unique_ptr<CopyWriter> writer_;
    QTimer timer_;
    QByteArray changes_; // followed since they were last handed over
    // The text was replaced whole since (or not yet read): the writer needs all of it.
    bool whole_ = true;
    CopyHeader handed_; // the header the writer was given last
    bool saidOff_ = false;
};

} // namespace document
