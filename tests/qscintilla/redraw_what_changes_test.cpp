// SPDX-License-Identifier: GPL-3.0-or-later
// Styling the program asks for near the caret draws again only the lines whose styles it changes;
// the rest of the window only when the change runs on past what was styled. What is drawn always
// ends up styled as a fresh lex would style it.
#include "support/html_editor.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

using B = QsciScintillaBase;

/// The program's HTML editor, with what each paint covers gathered.
class Editor : public qscitest::HtmlEditor {
public:
    Editor()
    {
        SendScintilla(SCI_SETCARETPERIOD, 0ul); // no blinking caret drawn between the steps
        viewport()->installEventFilter(&painted_);
    }
    /// Paints what is pending, what painting asks for again included; the region painted since
    /// the last call.
    QRegion paintNow()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        return std::exchange(painted_.region, {});
    }
    int lineHeight() { return int(send(SCI_TEXTHEIGHT, 0)); }

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

/// A window showing the editor. In the program's window a neighbour covers the editor's last
/// column: `covered` puts one there.
struct Shown {
    explicit Shown(bool covered)
    {
        ed->setParent(&window);
        window.resize(800, 400);
        ed->setGeometry(0, 0, 800, 400);
        window.show();
        QTest::qWait(1);
        if (covered) {
            const int right = ed->viewport()->mapTo(&window, QPoint(ed->viewport()->width() - 1, 0)).x();
            auto *neighbour = new QWidget(&window);
            neighbour->setAutoFillBackground(true);
            neighbour->setGeometry(right, 0, window.width() - right, window.height());
            neighbour->show();
        }
    }
    QWidget window;
    Editor *ed = new Editor; // the window's from the start
};

TEST(RedrawWhatChanges, StylingNearTheCaretDrawsOnlyWhatItChanges)
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
    for (const bool covered : {false, true}) {
        for (const Case &c : {Case{"", "x", false, true, 1}, Case{"", "<b", false, true, 1}, Case{"", "<b>", false, true, 1},
                              Case{"", "\"", false, true, 1}, Case{"", "<b", false, false, 1},
                              Case{"<b", ">", true, true, 2}, Case{"<b", ">", true, false, 2},
                              Case{"", "<!--", false, true, 0}, Case{"", "<%", false, false, 0}}) {
            SCOPED_TRACE(testing::Message() << c.before << c.typed << (c.atLineEnd ? " at the line's end" : "")
                                            << (c.styled ? ", styled" : ", styled by the paint") << (covered ? ", covered" : ""));
            Shown shown(covered);
            Editor &ed = *shown.ed;
            ed.setBytes(text);
            ed.paintNow();
            const long at = c.atLineEnd ? ed.send(B::SCI_GETLINEENDPOSITION, 4) : ed.send(B::SCI_POSITIONFROMLINE, 4) + 18;
            // As the program does at a key: styled from the line where styling stopped to the end
            // of the line 1 KB on.
            auto styleAsAtAKey = [&] {
                ed.styleTo(ed.send(B::SCI_POSITIONFROMLINE, ed.send(B::SCI_LINEFROMPOSITION, at + 1024) + 1));
            };
            ed.send(B::SCI_INSERTTEXT, at, reinterpret_cast<long>(c.before));
            styleAsAtAKey();
            ed.paintNow();
            ed.send(B::SCI_GOTOPOS, at + long(qstrlen(c.before)));
            ed.paintNow();
            QTest::keyClicks(ed.viewport(), QString::fromLatin1(c.typed));
            if (c.styled)
                styleAsAtAKey();
            const QRect drawn = ed.paintNow().boundingRect();
            if (c.lines == 0)
                EXPECT_GE(drawn.bottom(), ed.viewport()->rect().bottom() - ed.lineHeight());
            else
                EXPECT_LE(drawn.height(), c.lines * ed.lineHeight());
            // Whatever was drawn, everything shown is styled as one pass would style it: styling
            // what is shown once more changes nothing.
            const long shownEnd = ed.send(B::SCI_POSITIONFROMLINE, ed.send(B::SCI_LINESONSCREEN) + 1);
            ed.styleTo(shownEnd);
            EXPECT_LE(ed.paintNow().boundingRect().height(), 2 * ed.lineHeight());
            EXPECT_EQ(qscitest::firstDifference(ed.styles().left(shownEnd), qscitest::freshStyles(ed.bytes()).left(shownEnd)),
                      shownEnd);
        }
    }
}

} // namespace
