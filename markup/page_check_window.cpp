// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_check_window.h"

#include "page_check.h"

#include "document/status_note.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <algorithm>

#include <atomic>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

const ui::ControlRef List{PageCheckWindowName, u"列表框1"_s};
const ui::ControlRef Status{PageCheckWindowName, u"标签4"_s};
const ui::ControlRef Fix{PageCheckWindowName, u"按钮2"_s};
const ui::ControlRef Cancel{PageCheckWindowName, u"按钮3"_s};
const ui::ControlRef Progress{PageCheckWindowName, u"进度条1"_s};

/// What the open window knows: the text it checked and what was found in it. Its handlers share
/// it; it goes with the window.
struct CheckState {
    QByteArray checked; // the copy of the text the findings are about
    std::vector<Finding> findings;
    std::vector<LineColumn> places;
    std::shared_ptr<std::atomic<bool>> cancelled; // of the check running, if any
    int generation = 0;
};
using State = std::shared_ptr<CheckState>;

void stop(CheckState &state)
{
    if (state.cancelled)
        *state.cancelled = true;
    state.cancelled.reset();
}

/// The end of a check, whatever its outcome: nothing left to cancel or to wait for.
void ended(ui::UiRuntime &rt)
{
    rt.setControlDisabled(Cancel, true);
    rt.setControlVisible(Progress, false);
}

void show(ui::UiRuntime &rt, document::Session &s, CheckState &state)
{
    while (rt.getListCount(List) > 0)
        rt.deleteListItem(List, rt.getListCount(List) - 1);
    std::vector<std::pair<qint64, qint64>> ranges;
    for (size_t k = 0; k < state.findings.size(); ++k) {
        const Finding &f = state.findings[k];
        rt.addListItem(List, u"%1\t%2\t%3"_s.arg(state.places[k].line).arg(state.places[k].column).arg(f.message));
        ranges.emplace_back(f.from, f.to);
    }
    rt.markEditorRanges(s.editor(), ranges);
    const QString summary = checkSummary(qsizetype(state.findings.size()));
    rt.setCaption(Status, summary);
    rt.setControlDisabled(Fix, std::none_of(state.findings.begin(), state.findings.end(), [](const Finding &f) { return f.fix.has_value(); }));
    ended(rt);
    document::showBriefNote(rt, s, summary);
}

/// Checks a copy of the editor's text on a worker; the findings come back to this thread and are
/// shown only if the window is still open, no newer check has started and the text is unchanged.
void startCheck(ui::UiRuntime &rt, document::Session &s, const State &state)
{
    stop(*state);
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    state->cancelled = cancelled;
    const int generation = ++state->generation;
    state->checked = rt.getEditorBuffer(s.editor()).toByteArray();
    state->findings.clear();
    state->places.clear();
    while (rt.getListCount(List) > 0)
        rt.deleteListItem(List, rt.getListCount(List) - 1);
    rt.clearEditorMarks(s.editor());
    rt.setCaption(Status, u"正在检查……"_s);
    rt.setControlDisabled(Fix, true);
    const bool large = state->checked.size() >= LargePage;
    rt.setControlDisabled(Cancel, !large);
    rt.setProgress(Progress, 0);
    rt.setControlVisible(Progress, large);

    std::weak_ptr<CheckState> weak = state;
    // The bar follows the worker's reports while this check is the one running.
    const auto progress = [&rt, weak, generation, cancelled](int percent) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [&rt, weak, generation, cancelled, percent] {
            const State state = weak.lock();
            if (state && state->generation == generation && !*cancelled && rt.isOpen(PageCheckWindowName))
                rt.setProgress(Progress, percent);
        }, Qt::QueuedConnection);
    };
    const PageFacts facts{s.encoding(), s.path(), [cancelled] { return cancelled->load(); },
                          large ? std::function<void(int)>(progress) : nullptr};
    const QByteArray text = state->checked;
    QThreadPool::globalInstance()->start([&rt, &s, facts, text, weak, generation, cancelled] {
        std::vector<Finding> findings = checkPage(text, facts);
        std::vector<LineColumn> places;
        const LineIndex lines(text);
        for (const Finding &f : findings)
            places.push_back(lines.placeOf(f.from));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&rt, &s, weak, generation, cancelled, findings = std::move(findings), places = std::move(places)]() mutable {
                const State state = weak.lock();
                if (!state || state->generation != generation || *cancelled || !rt.isOpen(PageCheckWindowName))
                    return;
                state->cancelled.reset();
                if (rt.getEditorBuffer(s.editor()) != state->checked) {
                    rt.setCaption(Status, u"检查期间文字有改动，结果作废：请按“重新检查”"_s);
                    ended(rt);
                    return;
                }
                state->findings = std::move(findings);
                state->places = std::move(places);
                show(rt, s, *state);
            },
            Qt::QueuedConnection);
    });
}

/// The caret to the selected finding's place, as the text stands now.
void goToFinding(ui::UiRuntime &rt, document::Session &s, const CheckState &state)
{
    const int row = rt.getListIndex(List);
    if (row < 0 || size_t(row) >= state.places.size())
        return;
    const qsizetype at = LineIndex(rt.getEditorBuffer(s.editor())).positionOf(state.places[size_t(row)]);
    rt.selectEditorRange(s.editor(), at, at);
}

/// Makes the fixes of the selected rows that have one, all in one undo step.
void fixSelected(ui::UiRuntime &rt, document::Session &s, const State &state)
{
    std::vector<ui::EditorEdit> edits;
    bool selected = false;
    for (const int row : rt.getListSelection(List)) {
        if (size_t(row) >= state->findings.size())
            continue;
        selected = true;
        if (const std::optional<CheckFix> &fix = state->findings[size_t(row)].fix)
            edits.push_back({fix->from, fix->to, fix->bytes});
    }
    if (edits.empty()) {
        rt.setCaption(Status, selected ? u"选中的几处都没有现成的修正"_s : u"请先在列表里选一处"_s);
        return;
    }
    if (rt.getEditorBuffer(s.editor()) != state->checked) {
        rt.setCaption(Status, u"文字已改动，请先重新检查"_s);
        return;
    }
    // Two findings may share a fix (one full-width quote reported twice): each place once, in order.
    std::sort(edits.begin(), edits.end(), [](const ui::EditorEdit &a, const ui::EditorEdit &b) { return a.from < b.from; });
    std::vector<ui::EditorEdit> apart;
    for (ui::EditorEdit &e : edits)
        if (apart.empty() || apart.back().to <= e.from)
            apart.push_back(std::move(e));
    rt.replaceEditorRanges(s.editor(), apart);
    startCheck(rt, s, state);
}

} // namespace

QString checkSummary(qsizetype findings)
{
    return findings == 0 ? u"没有发现问题"_s : u"检查完成：%1 处问题"_s.arg(findings);
}

void openPageCheck(ui::UiRuntime &rt, document::Session &s) { rt.openWindow(pageCheckWindow(s), false); }

ui::WindowDefinition pageCheckWindow(document::Session &s)
{
    using ui::Event;
    using ui::Kind;
    const State state = std::make_shared<CheckState>();
    const auto label = [](int n, int left, int width, QString caption) {
        return ui::ControlDef{.unit = u"标签%1"_s.arg(n), .kind = Kind::Label, .geometry = {left, 8, width, 18},
                              .caption = std::move(caption)};
    };
    const auto button = [](int n, int left, QString caption, ui::Handler h, bool disabled = false) {
        return ui::ControlDef{.unit = u"按钮%1"_s.arg(n), .kind = Kind::PushButton, .geometry = {left, 318, 84, 26},
                              .caption = std::move(caption), .disabled = disabled,
                              .bindings = {{Event::Clicked, std::move(h)}}};
    };
    const auto check = [&s, state](ui::UiRuntime &rt) { startCheck(rt, s, state); };
    const auto go = [&s, state](ui::UiRuntime &rt) { goToFinding(rt, s, *state); };
    const auto close = [](ui::UiRuntime &rt) { rt.closeWindow(PageCheckWindowName); };
    return {
        .name = PageCheckWindowName,
        .caption = u"检查网页"_s,
        .width = 600,
        .height = 380,
        .frame = ui::Frame::Fixed,
        .controls = {
            // Column heads over the list, whose rows put line, column and text at its tab stops.
            label(1, 14, 60, u"行"_s),
            label(2, 94, 60, u"列"_s),
            label(3, 174, 200, u"说明"_s),
            {.unit = List.unit, .kind = Kind::ListBox, .geometry = {8, 28, 576, 254}, .multiSelect = true,
             .bindings = {{Event::ItemDoubleClicked, go}}},
            {.unit = Status.unit, .kind = Kind::Label, .geometry = {8, 290, 368, 20}},
            {.unit = Progress.unit, .kind = Kind::ProgressBar, .geometry = {384, 290, 200, 20}, .visible = false},
            button(1, 140, u"重新检查"_s, check),
            button(2, 232, u"修正"_s, [&s, state](ui::UiRuntime &rt) { fixSelected(rt, s, state); }, true),
            button(3, 324, u"取消"_s, [state](ui::UiRuntime &rt) {
                stop(*state);
                rt.setCaption(Status, u"检查已取消"_s);
                ended(rt);
            }, true),
            button(4, 416, u"关闭"_s, close),
        },
        .bindings = {{Event::Created, check}, {Event::BeingDestroyed, [state](ui::UiRuntime &) { stop(*state); }}},
        .shortcuts = {{u"Esc"_s, {}, close}, {u"Return"_s, {}, go}, {u"Enter"_s, {}, go}},
        .owner = s.window(),
    };
}

} // namespace markup
