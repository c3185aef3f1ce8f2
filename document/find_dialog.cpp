// SPDX-License-Identifier: GPL-3.0-or-later
#include "find_dialog.h"

#include "core/utf8.h"
#include "status_note.h"

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace document {

const QString FindWindowName = u"FindDialog"_s;

namespace {

// The window's controls, in the window of the session's own (Session::owned).
ui::ControlRef control(const Session &s, const QString &unit) { return {s.owned(FindWindowName), unit}; }
ui::ControlRef findField(const Session &s) { return control(s, u"编辑框1"_s); }
ui::ControlRef replaceField(const Session &s) { return control(s, u"编辑框2"_s); }
ui::ControlRef matchCase(const Session &s) { return control(s, u"选择框1"_s); }
ui::ControlRef wholeWord(const Session &s) { return control(s, u"选择框2"_s); }
ui::ControlRef regex(const Session &s) { return control(s, u"选择框3"_s); }
ui::ControlRef wrap(const Session &s) { return control(s, u"选择框4"_s); }
ui::ControlRef inSelection(const Session &s) { return control(s, u"选择框5"_s); }
ui::ControlRef status(const Session &s) { return control(s, u"标签3"_s); }
bool isOpen(ui::UiRuntime &rt, const Session &s) { return rt.isOpen(s.owned(FindWindowName)); }
const QStringList SearchButtons = {u"按钮1"_s, u"按钮2"_s, u"按钮3"_s, u"按钮4"_s};

/// Takes the window's fields into the settings, when it is open.
void readWindow(ui::UiRuntime &rt, Session &session)
{
    if (!isOpen(rt, session))
        return;
    FindSettings &s = session.findSettings();
    s.pattern = rt.getFieldText(findField(session));
    s.replacement = rt.getFieldText(replaceField(session));
    s.options = {rt.isChecked(matchCase(session)), rt.isChecked(wholeWord(session)), rt.isChecked(regex(session))};
    s.wrap = rt.isChecked(wrap(session));
    s.inSelection = rt.isChecked(inSelection(session));
}

void showStatus(ui::UiRuntime &rt, Session &session, const QString &text)
{
    if (isOpen(rt, session))
        rt.setCaption(status(session), text);
    else
        showBriefNote(rt, session, text); // what a search with the window closed found
}

void updateButtons(ui::UiRuntime &rt, Session &session)
{
    const bool empty = rt.getFieldText(findField(session)).isEmpty();
    for (const QString &b : SearchButtons)
        rt.setControlDisabled(control(session, b), empty);
}

/// The stretch searched: the selection the window was opened with, or the whole text.
Span searchRange(const FindSettings &s, qsizetype size)
{
    if (s.inSelection && s.rangeFrom >= 0 && s.rangeFrom < s.rangeTo)
        return {std::min<qsizetype>(s.rangeFrom, size), std::min<qsizetype>(s.rangeTo, size)};
    return {0, size};
}

/// The search the settings describe; an invalid one shows its message (opening the window to
/// show it if need be). Null when there is nothing to search for.
std::optional<TextSearch> currentSearch(ui::UiRuntime &rt, Session &session)
{
    readWindow(rt, session);
    const FindSettings &s = session.findSettings();
    if (s.pattern.isEmpty()) {
        if (!isOpen(rt, session))
            openFind(rt, session);
        return std::nullopt;
    }
    TextSearch search(s.pattern, s.options);
    if (!search.valid()) {
        if (!isOpen(rt, session))
            openFind(rt, session);
        showStatus(rt, session, search.error());
        return std::nullopt;
    }
    return search;
}

/// Selects the match and says which of how many it is.
void showMatch(ui::UiRuntime &rt, Session &session, const TextSearch &search, QByteArrayView text, Span range,
               Span match)
{
    const std::vector<Span> all = search.all(text, range.from, range.to, CountCap + 1);
    qsizetype index = 0;
    for (size_t i = 0; i < all.size() && !index; ++i)
        if (all[i] == match)
            index = qsizetype(i) + 1;
    rt.selectEditorRange(session.editor(), match.from, match.to);
    showStatus(rt, session, foundText(index, qsizetype(all.size())));
}

qsizetype nextCharacter(QByteArrayView text, qsizetype pos)
{
    do
        ++pos;
    while (pos < text.size() && !core::isCharacterStart(text, pos));
    return pos;
}

void find(ui::UiRuntime &rt, Session &session, bool forward)
{
    const std::optional<TextSearch> search = currentSearch(rt, session);
    if (!search)
        return;
    const FindSettings &s = session.findSettings();
    const QByteArrayView text = rt.getEditorBuffer(session.editor());
    const Span range = searchRange(s, text.size());
    const auto [selFrom, selTo] = rt.getEditorSelection(session.editor());
    Span m;
    if (forward) {
        qsizetype start = std::clamp<qsizetype>(selTo, range.from, range.to);
        // An empty match where the caret stands was found last time: move past it.
        m = search->next(text, start, range.to);
        if (m.found() && m.from == m.to && m.from == selFrom && selFrom == selTo)
            m = start < range.to ? search->next(text, nextCharacter(text, start), range.to) : Span{};
        if (!m.found() && s.wrap)
            m = search->next(text, range.from, range.to);
    } else {
        m = search->previous(text, range.from, std::clamp<qsizetype>(selFrom, range.from, range.to), range.to);
        if (!m.found() && s.wrap)
            m = search->previous(text, range.from, range.to + 1, range.to);
    }
    if (!m.found()) {
        showStatus(rt, session, notFoundText(s.pattern));
        return;
    }
    showMatch(rt, session, *search, text, range, m);
}

/// The window opened (or brought to the front) for the current selection.
void openWindow(ui::UiRuntime &rt, Session &session, const ui::ControlRef &focus)
{
    const auto [from, to] = rt.getEditorSelection(session.editor());
    const QByteArrayView text = rt.getEditorBuffer(session.editor());
    const QByteArrayView selected = text.sliced(from, to - from);
    const bool oneLine = !selected.isEmpty() && !selected.contains('\n') && !selected.contains('\r');
    FindSettings &s = session.findSettings();
    if (oneLine) {
        s.pattern = core::editorBytesToText(selected.data(), selected.size());
    } else if (!selected.isEmpty()) {
        // A selection of several lines is what to search in.
        s.rangeFrom = from;
        s.rangeTo = to;
        s.inSelection = true;
    } else if (!isOpen(rt, session)) {
        // Opened afresh without one: the whole text.
        s.rangeFrom = s.rangeTo = -1;
        s.inSelection = false;
    }
    if (isOpen(rt, session)) {
        rt.openWindow(findDialog(session), false); // to the front, fields kept
        if (oneLine)
            rt.setFieldText(findField(session), s.pattern);
        if (!oneLine && !selected.isEmpty())
            rt.setChecked(inSelection(session), true);
    } else {
        rt.openWindow(findDialog(session), false);
    }
    rt.focusField(focus);
}

void restoreFields(ui::UiRuntime &rt, Session &session)
{
    const FindSettings &s = session.findSettings();
    rt.setFieldText(findField(session), s.pattern);
    rt.setFieldText(replaceField(session), s.replacement);
    rt.setChecked(matchCase(session), s.options.matchCase);
    rt.setChecked(wholeWord(session), s.options.wholeWord);
    rt.setChecked(regex(session), s.options.regex);
    rt.setChecked(wrap(session), s.wrap);
    rt.setChecked(inSelection(session), s.inSelection);
    updateButtons(rt, session);
}

void closeFindWindow(ui::UiRuntime &rt, Session &s) { rt.closeWindow(s.owned(FindWindowName)); }

} // namespace

QString foundText(qsizetype index, qsizetype total)
{
    if (total > CountCap)
        return index > 0 ? u"找到第 %1 处，共超过 %2 处"_s.arg(index).arg(CountCap)
                         : u"找到一处，共超过 %1 处"_s.arg(CountCap);
    return u"找到第 %1 处，共 %2 处"_s.arg(index).arg(total);
}

QString notFoundText(const QString &pattern) { return u"找不到“%1”"_s.arg(pattern); }

QString replacedText(qsizetype count) { return u"已替换 %1 处"_s.arg(count); }

void openFind(ui::UiRuntime &rt, Session &s) { openWindow(rt, s, findField(s)); }

void openReplace(ui::UiRuntime &rt, Session &s) { openWindow(rt, s, replaceField(s)); }

void findNext(ui::UiRuntime &rt, Session &s) { find(rt, s, true); }

void findPrevious(ui::UiRuntime &rt, Session &s) { find(rt, s, false); }

void replaceOne(ui::UiRuntime &rt, Session &session)
{
    const std::optional<TextSearch> search = currentSearch(rt, session);
    if (!search)
        return;
    FindSettings &s = session.findSettings();
    const ui::ControlRef &editor = session.editor();
    const QByteArrayView text = rt.getEditorBuffer(editor);
    const Span range = searchRange(s, text.size());
    const auto [selFrom, selTo] = rt.getEditorSelection(editor);
    const Span selection{selFrom, selTo};
    if (selFrom >= range.from && selTo <= range.to && search->next(text, selFrom, range.to) == selection) {
        const QByteArray bytes = search->replacement(text, selection, s.replacement);
        rt.replaceEditorRanges(editor, {{selFrom, selTo, bytes}});
        if (s.inSelection && s.rangeTo >= selTo)
            s.rangeTo += bytes.size() - (selTo - selFrom);
        const qint64 after = selFrom + bytes.size();
        rt.selectEditorRange(editor, after, after);
    }
    find(rt, session, true);
}

void replaceAll(ui::UiRuntime &rt, Session &session)
{
    const std::optional<TextSearch> search = currentSearch(rt, session);
    if (!search)
        return;
    FindSettings &s = session.findSettings();
    const ui::ControlRef &editor = session.editor();
    const QByteArrayView text = rt.getEditorBuffer(editor);
    const Span range = searchRange(s, text.size());
    std::vector<ui::EditorEdit> edits;
    {
        std::vector<Replacement> found = search->replacements(text, range.from, range.to, s.replacement,
                                                              std::numeric_limits<qsizetype>::max());
        edits.reserve(found.size());
        for (Replacement &r : found)
            edits.push_back({r.span.from, r.span.to, std::move(r.bytes)});
    }
    if (edits.empty()) {
        showStatus(rt, session, notFoundText(s.pattern));
        return;
    }
    qint64 grown = 0;
    for (const auto &e : edits)
        grown += e.bytes.size() - (e.to - e.from);
    const int caretLine = rt.getCaretLine(editor);
    rt.replaceEditorRanges(editor, edits);
    if (s.inSelection && s.rangeFrom >= 0)
        s.rangeTo += grown;
    // The caret stays on its line, even where line breaks were replaced before it.
    if (rt.getCaretLine(editor) != caretLine)
        rt.goToEditorLine(editor, std::min(caretLine, rt.getLineCount(editor) - 1));
    showStatus(rt, session, replacedText(qsizetype(edits.size())));
}

ui::WindowDefinition findDialog(Session &s)
{
    using ui::Event;
    using ui::Kind;
    auto checkBox = [](int n, int left, int top, int width, QString caption, bool checked = false) {
        return ui::ControlDef{.unit = u"选择框%1"_s.arg(n), .kind = Kind::CheckBox, .geometry = {left, top, width, 20},
                              .caption = std::move(caption), .checked = checked};
    };
    auto button = [](int n, int top, QString caption, ui::Handler h) {
        return ui::ControlDef{.unit = u"按钮%1"_s.arg(n), .kind = Kind::PushButton, .geometry = {322, top, 92, 26},
                              .caption = std::move(caption), .bindings = {{Event::Clicked, std::move(h)}}};
    };
    return {
        .name = s.owned(FindWindowName),
        .caption = u"查找和替换"_s,
        .width = 430,
        .height = 212,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {10, 13, 72, 20}, .caption = u"查找内容："_s},
            {.unit = findField(s).unit, .kind = Kind::EditBox, .geometry = {84, 10, 226, 24},
             .bindings = {{Event::ContentChanged, withSession(s, updateButtons)}}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .geometry = {10, 45, 72, 20}, .caption = u"替换为："_s},
            {.unit = replaceField(s).unit, .kind = Kind::EditBox, .geometry = {84, 42, 226, 24}},
            checkBox(1, 10, 76, 100, u"区分大小写"_s),
            checkBox(2, 112, 76, 90, u"全字匹配"_s),
            checkBox(3, 204, 76, 106, u"正则表达式"_s),
            checkBox(4, 10, 100, 100, u"循环查找"_s, true),
            checkBox(5, 112, 100, 110, u"仅在选区内"_s),
            {.unit = status(s).unit, .kind = Kind::Label, .geometry = {10, 128, 300, 44}, .multiLine = true},
            button(1, 8, u"查找下一个"_s, withSession(s, findNext)),
            button(2, 40, u"查找上一个"_s, withSession(s, findPrevious)),
            button(3, 72, u"替换"_s, withSession(s, replaceOne)),
            button(4, 104, u"全部替换"_s, withSession(s, replaceAll)),
            button(5, 144, u"关闭"_s, withSession(s, closeFindWindow)),
        },
        .bindings = {{Event::Created, withSession(s, restoreFields)},
                     {Event::BeingDestroyed, withSession(s, readWindow)}},
        .shortcuts = {
            {u"Esc"_s, {}, withSession(s, closeFindWindow)},
            {u"Return"_s, {}, withSession(s, findNext)},
            {u"Enter"_s, {}, withSession(s, findNext)},
            {u"F3"_s, {}, withSession(s, findNext)},
            {u"Shift+F3"_s, {}, withSession(s, findPrevious)},
        },
        .owner = s.window(),
    };
}

} // namespace document
