// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of one document: written about every second while the text differs from what
// was last read, written or started with, deleted once the work is saved or thrown away, and the
// text put back from a copy a killed process left.
#pragma once

#include "recovery_store.h"
#include "session.h"

#include <QTimer>

#include <memory>

namespace document {

class Recovery {
public:
    /// How often a changed text is copied: at most this much typing, and the time to write it, is
    /// missing from the copy.
    static constexpr int IntervalMilliseconds = 1000;

    /// Keeps the session's copy as document number n of the store (none while the store is off).
    Recovery(RecoveryStore &store, Session &s, int document = 0);
    /// The copy stays as it is; the writer finishes what it was given.
    ~Recovery() { s_.setRecovery(nullptr); }
    Recovery(const Recovery &) = delete;
    Recovery &operator=(const Recovery &) = delete;

    /// The text as it is now is the start text; copies are kept from here on. Says once in the
    /// status bar when recovery is off, and why.
    void start(ui::UiRuntime &rt);
    /// The text changed (the editor's content-changed event).
    void textChanged() { changed_ = true; }
    /// Hands a copy of the changed text to the writer, unless it is still writing the last one
    /// (the timer's work).
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

    RecoveryStore &store_;
    Session &s_;
    int document_;
    std::unique_ptr<CopyWriter> writer_;
    QTimer timer_;
    bool changed_ = false, saidOff_ = false;
};

} // namespace document
