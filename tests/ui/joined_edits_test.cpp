// SPDX-License-Identifier: GPL-3.0-or-later
// Edits made as one change leave the text, caret, anchor and check marks as the editor leaves
// them after the same edits made one by one.
#include "support/eventually.h"
#include "ui/joined_edits.h"
#include "ui/testing.h"

#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using B = QsciScintillaBase;

namespace {

const ui::ControlRef Editor{u"Probe"_s, u"超级编辑框1"_s};

class JoinedEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        rt.openWindow({.name = Editor.window, .width = 400, .height = 300,
                       .controls = {{.unit = Editor.unit, .kind = ui::Kind::CodeEditor, .geometry = {0, 0, 380, 260}}}}, false);
    }
    void TearDown() override
    {
        rt.closeWindow(Editor.window);
        ASSERT_EVENTUALLY(!rt.isOpen(Editor.window));
    }
    long send(int message, long w = 0, long l = 0) { return ed()->SendScintilla(message, w, l); }
    QsciScintilla *ed() { return qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor)); }
    void load(const QByteArray &text, long anchor, long caret)
    {
        rt.setEditorBuffer(Editor, text, core::Encoding::Utf8);
        send(B::SCI_SETSELECTION, caret, anchor);
    }
    std::tuple<QByteArray, long, long> textAnchorCaret()
    {
        return {rt.getEditorBuffer(Editor).toByteArray(), send(B::SCI_GETANCHOR), send(B::SCI_GETCURRENTPOS)};
    }
    ui::UiRuntime rt;
};

} // namespace

TEST_F(JoinedEdits, LeaveTheTextAndTheSelectionAsEditsOneByOne)
{
    const std::vector<std::pair<QByteArray, ui::SortedEdits>> cases = {
        {"ab\r\ncd\r\nef"_ba, {{1, 2, "XYZ"_ba}, {4, 5, {}}, {8, 9, "q\r\n"_ba}}},
        {"aaa"_ba, {{0, 0, "-"_ba}, {0, 1, "b"_ba}, {1, 2, "bb"_ba}, {2, 3, {}}, {3, 3, "+"_ba}}},
        {"l0\r\nl1\r\nl2\r\n"_ba, {{2, 4, " "_ba}, {6, 8, " "_ba}, {10, 12, " "_ba}}},
    };
    for (const auto &[text, edits] : cases) {
        ASSERT_TRUE(ui::cheaperJoined(edits));
        const long length = long(text.size());
        std::vector<std::pair<long, long>> selections = {{0, length}, {length, 0}};
        for (long p = 0; p <= length; ++p)
            selections.emplace_back(p, p);
        for (const auto &[anchor, caret] : selections) {
            SCOPED_TRACE(testing::Message() << text.constData() << ", anchor " << anchor << ", caret " << caret);
            load(text, anchor, caret);
            for (qint64 shift = 0; const ui::EditorEdit &e : edits) { // one by one
                send(B::SCI_SETTARGETRANGE, long(e.from + shift), long(e.to + shift));
                ed()->SendScintilla(B::SCI_REPLACETARGET, uintptr_t(e.bytes.size()), e.bytes.constData());
                shift += e.bytes.size() - (e.to - e.from);
            }
            const auto expected = textAnchorCaret();
            load(text, anchor, caret);
            rt.replaceEditorRanges(Editor, edits);
            EXPECT_EQ(textAnchorCaret(), expected);
        }
    }
}

TEST_F(JoinedEdits, KeepTheMarksOfLinesNoEditTouches)
{
    // The edits touch lines 1 and 3 and add a line.
    load("zero\r\none x\r\ntwo\r\nthree x\r\nfour"_ba, 0, 0);
    rt.markEditorRanges(Editor, {{0, 4}, {6, 9}, {13, 16}, {18, 23}, {27, 31}});
    rt.replaceEditorRanges(Editor, {{10, 11, "y\r\nz"_ba}, {24, 25, "yy"_ba}});
    const std::vector<std::pair<qint64, qint64>> kept = {{0, 4}, {16, 19}, {31, 35}};
    ASSERT_EVENTUALLY_EQ(rt.getEditorMarks(Editor), kept);
    EXPECT_EQ(rt.getEditorMarkedLines(Editor), (std::vector<int>{0, 3, 5}));
}
