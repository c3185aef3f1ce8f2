// SPDX-License-Identifier: GPL-3.0-or-later
// A key draws again only the lines whose styles it changes, whether the program styles them (as
// typing help and tag matching do) or painting does; the rest of the window only when the change
// runs on past them. What is shown always ends up styled as a fresh lex would style it.
#include "support/html_editor.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

using B = QsciScintillaBase;

/// The program's HTML editor, shown, with what each paint covers gathered.
class Editor : public qscitest::HtmlEditor {
public:
    Editor()
    {
        SendScintilla(SCI_SETCARETPERIOD, 0ul); // no blinking caret drawn between the steps
        resize(800, 400);
        show();
        QTest::qWait(1);
    }
    /// Paints what is pending, what painting asks for again included; what was painted since the
    /// last call, in lines from the window's top: its first and its end.
    std::pair<double, double> paintNow()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const QRect r = std::exchange(painted_, {}).boundingRect();
        const double line = double(send(SCI_TEXTHEIGHT, 0));
        return {r.top() / line, (r.bottom() + 1) / line};
    }
    /// Styles as the program does at a key: from where styling stopped to the end of the line 1 KB
    /// after `at`.
    void styleAsAtAKey(long at) { styleTo(send(SCI_POSITIONFROMLINE, send(SCI_LINEFROMPOSITION, at + 1024) + 1)); }

protected:
    bool viewportEvent(QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent *>(e)->region();
        return HtmlEditor::viewportEvent(e);
    }

private:
    QRegion painted_;
};

TEST(RedrawWhatChanges, AKeyDrawsOnlyTheLinesItsStylesChange)
{
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "<div class=\"c\"><p>text " + QByteArray::number(i) + " <a href=\"x.html\">link</a></p></div>\n";
    struct Case {
        const char *before, *typed; // typed, styled and drawn first; then typed at the same place
        bool atLineEnd;             // at the fifth line's end, or after its first two start tags
        bool styled;                // styled as the program does at a key before the paint, or by the paint
        int lines;                  // how many lines may be drawn; 0: down to the window's bottom
    };
    for (const Case &c : {Case{"", "x", false, true, 1}, Case{"", "<b>", false, true, 1}, Case{"", "\"", false, true, 1},
                          Case{"", "<b", false, false, 1}, Case{"<b", ">", true, true, 2}, Case{"<b", ">", true, false, 2},
                          Case{"", "<!--", false, true, 0}, Case{"", "<%", false, false, 0}}) {
        SCOPED_TRACE(testing::Message() << c.before << c.typed << (c.atLineEnd ? " at the line's end" : "")
                                        << (c.styled ? ", styled" : ", styled by the paint"));
        Editor ed;
        ed.setBytes(text);
        const long at = c.atLineEnd ? ed.send(B::SCI_GETLINEENDPOSITION, 4) : ed.send(B::SCI_POSITIONFROMLINE, 4) + 18;
        ed.send(B::SCI_INSERTTEXT, at, reinterpret_cast<long>(c.before));
        ed.styleAsAtAKey(at);
        ed.send(B::SCI_GOTOPOS, at + long(qstrlen(c.before)));
        ed.paintNow();
        QTest::keyClicks(ed.viewport(), QString::fromLatin1(c.typed));
        if (c.styled)
            ed.styleAsAtAKey(at);
        const auto [first, end] = ed.paintNow();
        const long shown = ed.send(B::SCI_LINESONSCREEN);
        if (c.lines == 0)
            EXPECT_GE(end, shown);
        else
            EXPECT_LE(end - first, c.lines);
        // Nothing shown was left with old styles: styling it once more draws nothing new, and the
        // styles are those of one pass.
        const long shownEnd = ed.send(B::SCI_POSITIONFROMLINE, shown + 1);
        ed.styleTo(shownEnd);
        const auto [againFirst, againEnd] = ed.paintNow();
        EXPECT_LE(againEnd - againFirst, 2);
        EXPECT_EQ(qscitest::firstDifference(ed.styles().left(shownEnd), qscitest::freshStyles(ed.bytes()).left(shownEnd)), shownEnd);
    }
}

} // namespace
