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
        viewport()->installEventFilter(&painted_);
    }
    /// Paints what is pending, what painting asks for again included; the region painted since
    /// the last call.
    QRect paintNow()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        return std::exchange(painted_.region, {}).boundingRect();
    }
    int lineHeight() { return int(send(SCI_TEXTHEIGHT, 0)); }
    /// Styles as the program does at a key: from where styling stopped to the end of the line 1 KB
    /// after `at`.
    void styleAsAtAKey(long at) { styleTo(send(SCI_POSITIONFROMLINE, send(SCI_LINEFROMPOSITION, at + 1024) + 1)); }

private:
    struct Painted : QObject {
        QRegion region;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                region += static_cast<QPaintEvent *>(e)->region();
            return false;
        }
    } painted_;
};

TEST(RedrawWhatChanges, AKeyDrawsOnlyTheLinesItsStylesChange)
{
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "<div class=\"c\"><p>text " + QByteArray::number(i) + " <a href=\"x.html\">link</a></p></div>\n";
    struct Case {
        const char *before; // typed, styled and drawn first
        const char *typed;  // then this, at the same place
        bool atLineEnd;     // at the fifth line's end, or after its first two start tags
        bool styled;        // styled as the program does at a key before the paint, or by the paint
        int lines;          // how many lines may be drawn; 0: down to the window's bottom
    };
    for (const Case &c : {Case{"", "x", false, true, 1}, Case{"", "<b>", false, true, 1}, Case{"", "\"", false, true, 1},
                          Case{"", "<b", false, false, 1}, Case{"<b", ">", true, true, 2}, Case{"<b", ">", true, false, 2},
                          Case{"", "<!--", false, true, 0}, Case{"", "<%", false, false, 0}}) {
        SCOPED_TRACE(testing::Message() << c.before << c.typed << (c.atLineEnd ? " at the line's end" : "")
                                        << (c.styled ? ", styled" : ", styled by the paint"));
        Editor ed;
        ed.setBytes(text);
        ed.paintNow();
        const long at = c.atLineEnd ? ed.send(B::SCI_GETLINEENDPOSITION, 4) : ed.send(B::SCI_POSITIONFROMLINE, 4) + 18;
        ed.send(B::SCI_INSERTTEXT, at, reinterpret_cast<long>(c.before));
        ed.styleAsAtAKey(at);
        ed.send(B::SCI_GOTOPOS, at + long(qstrlen(c.before)));
        ed.paintNow();
        QTest::keyClicks(ed.viewport(), QString::fromLatin1(c.typed));
        if (c.styled)
            ed.styleAsAtAKey(at);
        const QRect drawn = ed.paintNow();
        if (c.lines == 0)
            EXPECT_GE(drawn.bottom(), ed.viewport()->rect().bottom() - ed.lineHeight());
        else
            EXPECT_LE(drawn.height(), c.lines * ed.lineHeight());
        // Nothing shown was left with old styles: styling it once more changes nothing, and the
        // styles are those of one pass.
        const long shownEnd = ed.send(B::SCI_POSITIONFROMLINE, ed.send(B::SCI_LINESONSCREEN) + 1);
        ed.styleTo(shownEnd);
        EXPECT_LE(ed.paintNow().height(), 2 * ed.lineHeight());
        EXPECT_EQ(qscitest::firstDifference(ed.styles().left(shownEnd), qscitest::freshStyles(ed.bytes()).left(shownEnd)), shownEnd);
    }
}

} // namespace
