// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery.h"

#include "encoding_status.h"
#include "highlighting.h"
#include "status_note.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

Recovery::Recovery(RecoveryStore &store, Session &s) : store_(store), s_(s), document_(store.newDocument())
{
    if (store_.isOn())
        writer_ = std::make_unique<CopyWriter>(store_.copyPath(document_));
    s_.setRecovery(this);
}

Recovery::~Recovery()
{
    s_.setRecovery(nullptr);
    if (writer_ && !whole_ && !changes_.isEmpty())
        writer_->follow(std::move(changes_), header());
}

void Recovery::start(ui::UiRuntime &rt)
{
    if (!writer_)
        return sayOff(rt, store_.whyOff());
    // The one cost on this thread while typing: a few bytes a change.
    rt.followEditorChanges(
        s_.editor(), &timer_,
        [this](qint64 position, qint64 removed, QByteArrayView inserted) {
            if (!whole_)
                appendChange(changes_, {position, removed, inserted});
        },
        [this] { whole_ = true; });
    whole_ = true;
    safePoint(rt);
    timer_.setInterval(IntervalMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, &rt] { keep(rt); });
    timer_.start();
}

void Recovery::keep(ui::UiRuntime &rt)
{
    if (!writer_)
        return;
    if (const QString why = writer_->takeFailure(); !why.isEmpty())
        sayOff(rt, why);
    if (!rt.isOpen(s_.window()))
        return; // closed: its editor, and so its text, is gone
    if (whole_ || !changes_.isEmpty() || header() != handed_)
        handOver(rt, CopyWriter::Then::Keep);
}

void Recovery::safePoint(ui::UiRuntime &rt)
{
    if (writer_)
        handOver(rt, CopyWriter::Then::Safe);
}

void Recovery::discard()
{
    if (!writer_)
        return;
    // The changes still go to the writer: the text may stay (an 打开 that failed) and change on.
    if (whole_)
        changes_.clear();
    writer_->follow(std::exchange(changes_, {}), handed_, CopyWriter::Then::Discard);
}

void Recovery::handOver(ui::UiRuntime &rt, CopyWriter::Then then)
{
    handed_ = header();
    if (!whole_)
        return writer_->follow(std::exchange(changes_, {}), handed_, then);
    // The copy reports an insertion still pending first; it is in the copy already.
    QByteArray text = rt.copyEditorBuffer(s_.editor());
    changes_.clear();
    whole_ = false;
    writer_->reset(std::move(text), handed_, then == CopyWriter::Then::Safe);
}

bool Recovery::restore(ui::UiRuntime &rt, const OrphanCopy &copy)
{
    std::optional<DecodedCopy> found = RecoveryStore::read(copy.file);
    if (writer_)
        writer_->waitIdle(); // the start's removal of this document's copy must not meet the adopted one
    if (!found || !writer_ || !store_.adopt(copy, document_))
        return false;
    const CopyHeader &h = found->header;
    rt.setEditorLanguage(s_.editor(), languageForPath(h.path.isEmpty() ? u".html"_s : h.path));
    s_.setEncoding(h.encoding, core::EncodingSource::Chosen);
    s_.setPath(h.path);
    const QByteArray start = found->buffer.first(std::min(found->buffer.size(), core::DeclarationWindow));
    rt.setEditorBuffer(s_.editor(), std::move(found->buffer), h.encoding);
    s_.raiseModified(); // unsaved: the exit check asks
    rt.setDialogFileName(s_.fileDialog(), h.path);
    showEncodingNote(rt, s_, start);
    noteHighlighting(rt, s_);
    // The copy on disk is this text now, written anew as this document's, whatever comes next.
    whole_ = true;
    handOver(rt, CopyWriter::Then::Keep);
    return true;
}

void Recovery::sayOff(ui::UiRuntime &rt, const QString &why)
{
    if (std::exchange(saidOff_, true))
        return;
    showBriefNote(rt, s_, u"恢复副本已停用：%1（%2）"_s.arg(why, store_.folder()));
}

} // namespace document
