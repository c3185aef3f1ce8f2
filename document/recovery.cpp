// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery.h"

#include "encoding_status.h"
#include "highlighting.h"
#include "status_note.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

Recovery::Recovery(RecoveryStore &store, Session &s, int document) : store_(store), s_(s), document_(document)
{
    if (store_.isOn())
        writer_ = std::make_unique<CopyWriter>(store_.copyPath(document_));
    s_.setRecovery(this);
}

void Recovery::start(ui::UiRuntime &rt)
{
    if (!writer_)
        return sayOff(rt, store_.whyOff());
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
    if (!changed_ || writer_->busy())
        return;
    changed_ = false;
    // The one cost on this thread: the buffer's copy, which the writer owns from here.
    writer_->write(rt.copyEditorBuffer(s_.editor(), writer_->takeSpare()), {s_.encoding(), s_.path()});
}

void Recovery::safePoint(ui::UiRuntime &rt)
{
    changed_ = false;
    if (writer_)
        writer_->setBaseline(rt.copyEditorBuffer(s_.editor(), writer_->takeSpare()));
}

void Recovery::discard()
{
    changed_ = false;
    if (writer_)
        writer_->remove();
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
    // The copy on disk is this text now; it is rewritten with the next change, whatever the text.
    writer_->forgetBaseline();
    changed_ = false;
    return true;
}

void Recovery::sayOff(ui::UiRuntime &rt, const QString &why)
{
    if (std::exchange(saidOff_, true))
        return;
    showBriefNote(rt, s_, u"恢复副本已停用：%1（%2）"_s.arg(why, store_.folder()));
}

} // namespace document
