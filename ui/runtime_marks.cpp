// SPDX-License-Identifier: GPL-3.0-or-later
// Marks of the places a check found: a wavy underline over each and a marker in a margin on its
// line, shown until the text on that line changes.
#include "runtime_impl.h"

#include "code_editor.h"
#include "highlight_palette.h"
#include "highlighter.h"
#include "joined_edits.h"

#include <QPointer>
#include <QTimer>

namespace ui {

namespace {

constexpr int MarkIndicator = Highlighter::BraceIndicator + 1;
constexpr int MarkMarker = 20;
constexpr int MarkMargin = 1;
constexpr int MarkMarginWidth = 14;
const char *const FollowingChanges = "quillmereMarksFollowChanges";

using B = QsciScintillaBase;

void clearLines(CodeEditor *ed, long first, long last)
{
    const long from = ed->SendScintilla(B::SCI_POSITIONFROMLINE, first);
    const long to = ed->SendScintilla(B::SCI_GETLINEENDPOSITION, last);
    ed->SendScintilla(B::SCI_SETINDICATORCURRENT, MarkIndicator);
    ed->SendScintilla(B::SCI_INDICATORCLEARRANGE, from, std::max(0L, to - from) + 1);
    for (long line = first; line <= last; ++line)
        ed->SendScintilla(B::SCI_MARKERDELETE, line, MarkMarker); // a line carries at most one
}

/// Changes take the marks off their lines, once the change is made (the editor must not be
/// touched while it reports one).
void followChanges(CodeEditor *ed)
{
    if (ed->property(FollowingChanges).toBool())
        return;
    ed->setProperty(FollowingChanges, true);
    QObject::connect(ed, &QsciScintillaBase::SCN_MODIFIED, ed,
                     [ed](int position, int type, const char *, int length, int, int, int, int, int, int) {
                         if (!(type & (B::SC_MOD_BEFOREINSERT | B::SC_MOD_BEFOREDELETE)))
                             return;
                         // After a deletion the lines it spanned are one, the markers of all of them on it.
                         const long inserted = type & B::SC_MOD_BEFOREINSERT ? length : 0;
                         const long first = ed->SendScintilla(B::SCI_LINEFROMPOSITION, long(position));
                         QTimer::singleShot(0, ed, [ed = QPointer<CodeEditor>(ed), position, inserted, first] {
                             if (!ed)
                                 return;
                             clearLines(ed, first, ed->SendScintilla(B::SCI_LINEFROMPOSITION, long(position + inserted)));
                         });
                     });
}

} // namespace

std::function<void()> marksKeptThrough(CodeEditor *ed, const EditShift &shift, qint64 from, qint64 to)
{
    if (!ed->property(FollowingChanges).toBool())
        return {}; // never marked
    auto send = [ed](int message, long w = 0, long l = 0) { return ed->SendScintilla(message, w, l); };
    auto untouched = [&](long first, long last) {
        return !shift.touches(send(B::SCI_POSITIONFROMLINE, first), send(B::SCI_GETLINEENDPOSITION, last));
    };
    std::vector<std::pair<qint64, qint64>> ranges;
    std::vector<qint64> lines; // a position on each marked line
    const long lastLine = send(B::SCI_LINEFROMPOSITION, long(to));
    for (long line = send(B::SCI_MARKERNEXT, send(B::SCI_LINEFROMPOSITION, long(from)), 1L << MarkMarker);
         line >= 0 && line <= lastLine; line = send(B::SCI_MARKERNEXT, line + 1, 1L << MarkMarker)) {
        if (untouched(line, line))
            lines.push_back(shift.map(send(B::SCI_POSITIONFROMLINE, line)));
        // Taken off now: the change would gather the markers of all its lines on its first one.
        send(B::SCI_MARKERDELETE, line, MarkMarker);
    }
    for (long at = long(from); at < to;) {
        const long end = send(B::SCI_INDICATOREND, MarkIndicator, at);
        if (send(B::SCI_INDICATORVALUEAT, MarkIndicator, at) &&
            untouched(send(B::SCI_LINEFROMPOSITION, at), send(B::SCI_LINEFROMPOSITION, end)))
            ranges.emplace_back(shift.map(at), shift.map(end));
        if (end <= at)
            break;
        at = end;
    }
    if (ranges.empty() && lines.empty())
        return {};
    return [ed = QPointer<CodeEditor>(ed), ranges = std::move(ranges), lines = std::move(lines)] {
        if (!ed)
            return;
        ed->SendScintilla(B::SCI_SETINDICATORCURRENT, MarkIndicator);
        for (const auto &[f, t] : ranges)
            ed->SendScintilla(B::SCI_INDICATORFILLRANGE, long(f), long(t - f));
        for (qint64 at : lines)
            ed->SendScintilla(B::SCI_MARKERADD, ed->SendScintilla(B::SCI_LINEFROMPOSITION, long(at)), MarkMarker);
    };
}

void UiRuntime::markEditorRanges(const ControlRef &editor, const std::vector<std::pair<qint64, qint64>> &ranges)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    clearEditorMarks(editor);
    followChanges(ed);
    const QColor mark = readableOn(QColor(0xD0, 0x20, 0x20), ed->paper(), 3.0);
    const long colour = long(mark.red() | (mark.green() << 8) | (mark.blue() << 16));
    ed->SendScintilla(B::SCI_INDICSETSTYLE, MarkIndicator, B::INDIC_SQUIGGLE);
    ed->SendScintilla(B::SCI_INDICSETFORE, MarkIndicator, colour);
    ed->SendScintilla(B::SCI_MARKERDEFINE, MarkMarker, B::SC_MARK_CIRCLE);
    ed->SendScintilla(B::SCI_MARKERSETFORE, MarkMarker, colour);
    ed->SendScintilla(B::SCI_MARKERSETBACK, MarkMarker, colour);
    ed->SendScintilla(B::SCI_SETMARGINTYPEN, MarkMargin, B::SC_MARGIN_SYMBOL);
    ed->SendScintilla(B::SCI_SETMARGINMASKN, MarkMargin, 1L << MarkMarker);
    ed->SendScintilla(B::SCI_SETMARGINWIDTHN, MarkMargin, ranges.empty() ? 0L : long(MarkMarginWidth));
    const long length = ed->SendScintilla(B::SCI_GETLENGTH);
    ed->SendScintilla(B::SCI_SETINDICATORCURRENT, MarkIndicator);
    for (const auto &[from, to] : ranges) {
        const long f = long(std::clamp<qint64>(from, 0, length));
        const long t = long(std::clamp<qint64>(to, f, length));
        // An empty range (the end of the text) still gets its line's marker.
        if (t > f)
            ed->SendScintilla(B::SCI_INDICATORFILLRANGE, f, t - f);
        const long line = ed->SendScintilla(B::SCI_LINEFROMPOSITION, f);
        if (!(ed->SendScintilla(B::SCI_MARKERGET, line) & (1L << MarkMarker)))
            ed->SendScintilla(B::SCI_MARKERADD, line, MarkMarker);
    }
}

void UiRuntime::clearEditorMarks(const ControlRef &editor)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    ed->SendScintilla(B::SCI_SETINDICATORCURRENT, MarkIndicator);
    ed->SendScintilla(B::SCI_INDICATORCLEARRANGE, 0L, ed->SendScintilla(B::SCI_GETLENGTH));
    ed->SendScintilla(B::SCI_MARKERDELETEALL, MarkMarker);
    ed->SendScintilla(B::SCI_SETMARGINWIDTHN, MarkMargin, 0L);
}

std::vector<std::pair<qint64, qint64>> UiRuntime::getEditorMarks(const ControlRef &editor) const
{
    std::vector<std::pair<qint64, qint64>> marks;
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return marks;
    const long length = ed->SendScintilla(B::SCI_GETLENGTH);
    for (long at = 0; at < length;) {
        const long end = ed->SendScintilla(B::SCI_INDICATOREND, MarkIndicator, at);
        if (ed->SendScintilla(B::SCI_INDICATORVALUEAT, MarkIndicator, at))
            marks.emplace_back(at, end);
        if (end <= at)
            break;
        at = end;
    }
    return marks;
}

std::vector<int> UiRuntime::getEditorMarkedLines(const ControlRef &editor) const
{
    std::vector<int> lines;
    auto *ed = d->as<CodeEditor>(editor);
    for (long line = ed ? ed->SendScintilla(B::SCI_MARKERNEXT, 0L, 1L << MarkMarker) : -1; line >= 0;
         line = ed->SendScintilla(B::SCI_MARKERNEXT, line + 1, 1L << MarkMarker))
        lines.push_back(int(line));
    return lines;
}

} // namespace ui
