// SPDX-License-Identifier: GPL-3.0-or-later
#include "find_dialog.h"

#include "core/utf8.h"
#include "editing.h"
#include "editor.h"
#include "status_note.h"

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace document {

const QString FindWindowName = u"FindDialog"_s;

namespace {

const ui::ControlRef FindField{FindWindowName, u"编辑框1"_s};
const ui::ControlRef ReplaceField{FindWindowName, u"编辑框2"_s};
const ui::ControlRef MatchCase{FindWindowName, u"选择框1"_s};
const ui::ControlRef WholeWord{FindWindowName, u"选择框2"_s};
const ui::ControlRef Regex{FindWindowName, u"选择框3"_s};
const ui::ControlRef Wrap{FindWindowName, u"选择框4"_s};
const ui::ControlRef InSelection{FindWindowName, u"选择框5"_s};
const ui::ControlRef Status{FindWindowName, u"标签3"_s};
const QStringList SearchButtons = {u"按钮1"_s, u"按钮2"_s, u"按钮3"_s, u"按钮4"_s};

/// Takes the window's fields into the settings, when it is open.
void readWindow(ui::UiRuntime &rt)
{
    if (!rt.isOpen(FindWindowName))
        return;
    FindSettings &s = findSettings();
    s.pattern = rt.getFieldText(FindField);
    s.replacement = rt.getFieldText(ReplaceField);
    s.options = {rt.isChecked(MatchCase), rt.isChecked(WholeWord), rt.isChecked(Regex)};
    s.wrap = rt.isChecked(Wrap);
    s.inSelection = rt.isChecked(InSelection);
}

void showStatus(ui::UiRuntime &rt, const QString &text)
{
    if (rt.isOpen(FindWindowName))
        rt.setCaption(Status, text);
    else
        showBriefNote(rt, text); // what a search with the window closed found
}

void updateButtons(ui::UiRuntime &rt)
{
    const bool empty = rt.getFieldText(FindField).isEmpty();
    for (const QString &b : SearchButtons)
        rt.setControlDisabled({FindWindowName, b}, empty);
}

/// The stretch searched: the selection the window was opened with, or the whole text.
Span searchRange(qsizetype size)
{
    const FindSettings &s = findSettings();
    if (s.inSelection && s.rangeFrom >= 0 && s.rangeFrom < s.rangeTo)
        return {std::min<qsizetype>(s.rangeFrom, size), std::min<qsizetype>(s.rangeTo, size)};
    return {0, size};
}

/// The search the settings describe; an invalid one shows its message (opening the window to
/// show it if need be). Null when there is nothing to search for.
std::optional<TextSearch> currentSearch(ui::UiRuntime &rt)
{
    readWindow(rt);
    const FindSettings &s = findSettings();
    if (s.pattern.isEmpty()) {
        if (!rt.isOpen(FindWindowName))
            openFind(rt);
        return std::nullopt;
    }
    TextSearch search(s.pattern, s.options);
    if (!search.valid()) {
        if (!rt.isOpen(FindWindowName))
            openFind(rt);
        showStatus(rt, search.error());
        return std::nullopt;
    }
    return search;
}

/// Selects the match and says which of how many it is.
void showMatch(ui::UiRuntime &rt, const TextSearch &search, QByteArrayView text, Span range, Span match)
{
    const std::vector<Span> all = search.all(text, range.from, range.to, CountCap + 1);
    qsizetype index = 0;
    for (size_t i = 0; i < all.size() && !index; ++i)
        if (all[i] == match)
            index = qsizetype(i) + 1;
    rt.selectEditorRange(codeEditor(), match.from, match.to);
    showStatus(rt, foundText(index, qsizetype(all.size())));
}

qsizetype nextCharacter(QByteArrayView text, qsizetype pos)
{
    do
        ++pos;
    while (pos < text.size() && !core::isCharacterStart(text, pos));
    return pos;
}

void find(ui::UiRuntime &rt, bool forward)
{
    const std::optional<TextSearch> search = currentSearch(rt);
    if (!search)
        return;
    const FindSettings &s = findSettings();
    const QByteArrayView text = rt.getEditorBuffer(codeEditor());
    const Span range = searchRange(text.size());
    const auto [selFrom, selTo] = rt.getEditorSelection(codeEditor());
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
        showStatus(rt, notFoundText(s.pattern));
        return;
    }
    showMatch(rt, *search, text, range, m);
}

/// The window opened (or brought to the front) for the current selection.
void openWindow(ui::UiRuntime &rt, const ui::ControlRef &focus)
{
    const auto [from, to] = rt.getEditorSelection(codeEditor());
    const QByteArrayView text = rt.getEditorBuffer(codeEditor());
    const QByteArrayView selected = text.sliced(from, to - from);
    const bool oneLine = !selected.isEmpty() && !selected.contains('\n') && !selected.contains('\r');
    FindSettings &s = findSettings();
    if (oneLine) {
        s.pattern = core::editorBytesToText(selected.data(), selected.size());
    } else if (!selected.isEmpty()) {
        // A selection of several lines is what to search in.
        s.rangeFrom = from;
        s.rangeTo = to;
        s.inSelection = true;
    } else if (!rt.isOpen(FindWindowName)) {
        // Opened afresh without one: the whole text.
        s.rangeFrom = s.rangeTo = -1;
        s.inSelection = false;
    }
    if (rt.isOpen(FindWindowName)) {
        rt.openWindow(findDialog(), false); // to the front, fields kept
        if (oneLine)
            rt.setFieldText(FindField, s.pattern);
        if (!oneLine && !selected.isEmpty())
            rt.setChecked(InSelection, true);
    } else {
        rt.openWindow(findDialog(), false);
    }
    rt.focusField(focus);
}

void restoreFields(ui::UiRuntime &rt)
{
    const FindSettings &s = findSettings();
    rt.setFieldText(FindField, s.pattern);
    rt.setFieldText(ReplaceField, s.replacement);
    rt.setChecked(MatchCase, s.options.matchCase);
    rt.setChecked(WholeWord, s.options.wholeWord);
    rt.setChecked(Regex, s.options.regex);
    rt.setChecked(Wrap, s.wrap);
    rt.setChecked(InSelection, s.inSelection);
    updateButtons(rt);
}

void closeFindWindow(ui::UiRuntime &rt) { rt.closeWindow(FindWindowName); }

} // namespace

FindSettings &findSettings()
{
    static FindSettings settings;
    return settings;
}

QString foundText(qsizetype index, qsizetype total)
{
    if (total > CountCap)
        return index > 0 ? u"找到第 %1 处，共超过 %2 处"_s.arg(index).arg(CountCap)
                         : u"找到一处，共超过 %1 处"_s.arg(CountCap);
    return u"找到第 %1 处，共 %2 处"_s.arg(index).arg(total);
}

QString notFoundText(const QString &pattern) { return u"找不到“%1”"_s.arg(pattern); }

QString replacedText(qsizetype count) { return u"已替换 %1 处"_s.arg(count); }

void openFind(ui::UiRuntime &rt) { openWindow(rt, FindField); }

void openReplace(ui::UiRuntime &rt) { openWindow(rt, ReplaceField); }

void findNext(ui::UiRuntime &rt) { find(rt, true); }

void findPrevious(ui::UiRuntime &rt) { find(rt, false); }

void replaceOne(ui::UiRuntime &rt)
{
    const std::optional<TextSearch> search = currentSearch(rt);
    if (!search)
        return;
    FindSettings &s = findSettings();
    const QByteArrayView text = rt.getEditorBuffer(codeEditor());
    const Span range = searchRange(text.size());
    const auto [selFrom, selTo] = rt.getEditorSelection(codeEditor());
    const Span selection{selFrom, selTo};
    if (selFrom >= range.from && selTo <= range.to && search->next(text, selFrom, range.to) == selection) {
        const QByteArray bytes = search->replacement(text, selection, s.replacement);
        rt.replaceEditorRanges(codeEditor(), {{selFrom, selTo, bytes}});
        if (s.inSelection && s.rangeTo >= selTo)
            s.rangeTo += bytes.size() - (selTo - selFrom);
        const qint64 after = selFrom + bytes.size();
        rt.selectEditorRange(codeEditor(), after, after);
    }
    find(rt, true);
}

void replaceAll(ui::UiRuntime &rt)
{
    const std::optional<TextSearch> search = currentSearch(rt);
    if (!search)
        return;
    FindSettings &s = findSettings();
    const QByteArrayView text = rt.getEditorBuffer(codeEditor());
    const Span range = searchRange(text.size());
    std::vector<ui::EditorEdit> edits;
    {
        std::vector<Replacement> found = search->replacements(text, range.from, range.to, s.replacement,
                                                              std::numeric_limits<qsizetype>::max());
        edits.reserve(found.size());
        for (Replacement &r : found)
            edits.push_back({r.span.from, r.span.to, std::move(r.bytes)});
    }
    if (edits.empty()) {
        showStatus(rt, notFoundText(s.pattern));
        return;
    }
    qint64 grown = 0;
    for (const auto &e : edits)
        grown += e.bytes.size() - (e.to - e.from);
    const int caretLine = rt.getCaretLine(codeEditor());
    rt.replaceEditorRanges(codeEditor(), edits);
    if (s.inSelection && s.rangeFrom >= 0)
        s.rangeTo += grown;
    // The caret stays on its line, even where line breaks were replaced before it.
    if (rt.getCaretLine(codeEditor()) != caretLine)
        rt.goToEditorLine(codeEditor(), std::min(caretLine, rt.getLineCount(codeEditor()) - 1));
    showStatus(rt, replacedText(qsizetype(edits.size())));
}

ui::WindowDefinition findDialog()
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
        .name = FindWindowName,
        .caption = u"查找和替换"_s,
        .width = 430,
        .height = 212,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {10, 13, 72, 20}, .caption = u"查找内容："_s},
            {.unit = FindField.unit, .kind = Kind::EditBox, .geometry = {84, 10, 226, 24},
             .bindings = {{Event::ContentChanged, updateButtons}}},
            {.unit = u"标签2"_s, .kind = Kind::Label, .geometry = {10, 45, 72, 20}, .caption = u"替换为："_s},
            {.unit = ReplaceField.unit, .kind = Kind::EditBox, .geometry = {84, 42, 226, 24}},
            checkBox(1, 10, 76, 100, u"区分大小写"_s),
            checkBox(2, 112, 76, 90, u"全字匹配"_s),
            checkBox(3, 204, 76, 106, u"正则表达式"_s),
            checkBox(4, 10, 100, 100, u"循环查找"_s, true),
            checkBox(5, 112, 100, 110, u"仅在选区内"_s),
            {.unit = Status.unit, .kind = Kind::Label, .geometry = {10, 128, 300, 44}, .multiLine = true},
            button(1, 8, u"查找下一个"_s, findNext),
            button(2, 40, u"查找上一个"_s, findPrevious),
            button(3, 72, u"替换"_s, replaceOne),
            button(4, 104, u"全部替换"_s, replaceAll),
            button(5, 144, u"关闭"_s, closeFindWindow),
        },
        .bindings = {{Event::Created, restoreFields}, {Event::BeingDestroyed, readWindow}},
        .shortcuts = {
            {u"Esc"_s, {}, closeFindWindow},
            {u"Return"_s, {}, findNext},
            {u"Enter"_s, {}, findNext},
            {u"F3"_s, {}, findNext},
            {u"Shift+F3"_s, {}, findPrevious},
        },
        .owner = codeEditor().window,
    };
}

} // namespace document
