// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"
#include "prefs/font_settings.h"
#include "ui/font_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const ui::ControlRef FileDialog{u"MainWindow"_s, u"通用对话框1"_s};

struct Choice {
    QString face; // empty: keep what the dialog shows
    int size = 0; // 0: keep
    std::optional<ui::Colour> colour;
    bool bold = false, italic = false, strikeout = false, underline = false;
};

class FontSettingsTest : public testsupport::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        rt.setEditorText(editor(), u"<p>abc</p>\r\n汉字"_s);
    }

    int wholeLength() { return int(rt.getEditorText(editor()).size()); }
    long style(int message) { return codeEditor()->SendScintilla(message, 0); }
    bool struckAt(long position)
    {
        return codeEditor()->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, ui::CodeEditor::StrikeIndicator, position) != 0;
    }

    /// Runs 字体设置 with the dialog acted on as the user would; returns false when it never showed.
    bool runFontSettings(const std::function<void(ui::FontDialog *)> &act)
    {
        testsupport::ShowCatcher<ui::FontDialog> catcher([&](ui::FontDialog *d) {
            selectedWhenShown = rt.getSelectionLength(editor());
            act(d);
        });
        click(u"选项/字体设置"_s);
        return catcher.count() == 1;
    }

    bool choose(const Choice &c)
    {
        return runFontSettings([&](ui::FontDialog *d) {
            if (!c.face.isEmpty())
                d->findChild<QComboBox *>(u"face"_s)->setCurrentText(c.face);
            if (c.size > 0)
                d->findChild<QComboBox *>(u"size"_s)->setCurrentText(QString::number(c.size));
            if (c.colour) {
                auto *colours = d->findChild<QComboBox *>(u"colour"_s);
                colours->setCurrentIndex(colours->findData(*c.colour));
            }
            const std::pair<const char16_t *, bool> switches[] = {
                {u"bold", c.bold}, {u"italic", c.italic}, {u"strikeout", c.strikeout}, {u"underline", c.underline}};
            for (const auto &[name, on] : switches) {
                auto *box = d->findChild<QCheckBox *>(QString::fromUtf16(name));
                if (box->isChecked() != on)
                    box->click();
            }
            d->findChild<QPushButton *>(u"ok"_s)->click();
        });
    }

    int selectedWhenShown = -1;
};

QString otherInstalledFace(const QString &than)
{
    for (const QString &f : {u"DejaVu Serif"_s, u"Noto Serif CJK SC"_s, u"Nimbus Roman"_s})
        if (f != than && QFontDatabase::families().contains(f))
            return f;
    return {};
}

} // namespace

TEST_F(FontSettingsTest, AppliesFaceSizeAndColourToTheWholeTextWhichStaysSelected)
{
    const ui::CharFormat before = rt.getSelectionFormat(editor());
    const QString face = otherInstalledFace(before.face);
    ASSERT_FALSE(face.isEmpty());
    ui::FontFields shown;
    ASSERT_TRUE(runFontSettings([&](ui::FontDialog *d) {
        shown = d->fields();
        d->findChild<QComboBox *>(u"face"_s)->setCurrentText(face);
        d->findChild<QComboBox *>(u"size"_s)->setCurrentText(u"20"_s);
        auto *colours = d->findChild<QComboBox *>(u"colour"_s);
        colours->setCurrentIndex(colours->findData(ui::Colour(0x0000FF)));
        d->findChild<QPushButton *>(u"ok"_s)->click();
    }));
    // The dialog started from the text's own format, with the whole text selected.
    EXPECT_EQ(selectedWhenShown, wholeLength());
    EXPECT_EQ(shown.face, before.face);
    EXPECT_EQ(shown.size, before.size);
    EXPECT_EQ(shown.colour, before.colour);

    const ui::CharFormat after = rt.getSelectionFormat(editor());
    EXPECT_EQ(after.face, face);
    EXPECT_EQ(after.size, 20);
    EXPECT_EQ(after.colour, 0x0000FFu);
    EXPECT_EQ(after.effects, 0);
    EXPECT_EQ(rt.getSelectionLength(editor()), wholeLength());
    // The editor's text style really carries them.
    char name[128] = {};
    codeEditor()->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, 0, static_cast<void *>(name));
    EXPECT_EQ(QString::fromUtf8(name), face);
    EXPECT_EQ(style(QsciScintillaBase::SCI_STYLEGETSIZE), 20);
    EXPECT_EQ(style(QsciScintillaBase::SCI_STYLEGETFORE), 0x0000FF);

    // The automatic colour gives the system's text colour and reads back as automatic.
    ASSERT_TRUE(choose({.colour = ui::DefaultColour}));
    EXPECT_EQ(rt.getSelectionFormat(editor()).colour, ui::DefaultColour);
    EXPECT_EQ(codeEditor()->color(), QApplication::palette().color(QPalette::Text));
}

TEST_F(FontSettingsTest, EachSwitchIsSetAndClearedAsChosen)
{
    struct Case {
        Choice choice;
        int effects;
    };
    const Case cases[] = {
        {{.bold = true}, ui::Bold},
        {{.italic = true}, ui::Italic},
        {{.underline = true}, ui::Underline},
        {{.strikeout = true}, ui::Strikeout},
        {{.bold = true, .italic = true}, ui::Bold | ui::Italic},
        {{.bold = true, .italic = true, .strikeout = true, .underline = true},
         ui::Bold | ui::Italic | ui::Strikeout | ui::Underline},
        {{}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.effects);
        ASSERT_TRUE(choose(c.choice));
        EXPECT_EQ(rt.getSelectionFormat(editor()).effects, c.effects);
        EXPECT_EQ(rt.getSelectionLength(editor()), wholeLength());
        // The editor takes the weight as a negative number on the toolkit's scale.
        EXPECT_EQ(std::abs(style(QsciScintillaBase::SCI_STYLEGETWEIGHT)) >= QFont::DemiBold, bool(c.effects & ui::Bold));
        EXPECT_EQ(style(QsciScintillaBase::SCI_STYLEGETITALIC) != 0, bool(c.effects & ui::Italic));
        EXPECT_EQ(style(QsciScintillaBase::SCI_STYLEGETUNDERLINE) != 0, bool(c.effects & ui::Underline));
        const long end = codeEditor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) - 1;
        EXPECT_EQ(struckAt(0), bool(c.effects & ui::Strikeout));
        EXPECT_EQ(struckAt(end), bool(c.effects & ui::Strikeout));
    }
}

TEST_F(FontSettingsTest, StrikeoutCoversTextWrittenLater)
{
    ASSERT_TRUE(choose({.strikeout = true}));
    codeEditor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    rt.insertAtCaret(editor(), u"新"_s);
    QTest::keyClicks(codeEditor(), u"xy"_s);
    const long end = codeEditor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    for (long pos = 0; pos < end; ++pos)
        EXPECT_TRUE(struckAt(pos)) << pos;
    rt.setEditorText(editor(), u"abc"_s);
    EXPECT_TRUE(struckAt(0) && struckAt(2));

    ASSERT_TRUE(choose({.strikeout = false}));
    EXPECT_FALSE(struckAt(0) || struckAt(2));
    rt.insertAtCaret(editor(), u"q"_s);
    EXPECT_FALSE(struckAt(0));
}

TEST_F(FontSettingsTest, EveryEffectChangesWhatIsDrawn)
{
    rt.setEditorText(editor(), u"Hello 汉字 world"_s);
    auto draw = [&] { return codeEditor()->grab().toImage(); };
    const Choice plainText{.size = 14, .colour = ui::DefaultColour};
    ASSERT_TRUE(choose(plainText));
    const QImage plain = draw();
    const std::pair<const char *, Choice> effects[] = {
        {"bold", {.bold = true}},
        {"italic", {.italic = true}},
        {"underline", {.underline = true}},
        {"strikeout", {.strikeout = true}},
        {"colour", {.colour = ui::Colour(0x0000FF)}},
        {"size", {.size = 24}},
    };
    for (const auto &[name, choice] : effects) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(choose(plainText));
        EXPECT_EQ(draw(), plain);
        ASSERT_TRUE(choose(choice));
        EXPECT_NE(draw(), plain);
    }
}

TEST_F(FontSettingsTest, CancelChangesNothingAndTheSwitchesAreRemembered)
{
    ASSERT_TRUE(choose({.size = 16, .bold = true, .underline = true}));
    const ui::CharFormat chosen = rt.getSelectionFormat(editor());

    // The next use shows the switches as left, and the face and size of the text.
    codeEditor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 3);
    ui::FontFields shown;
    ASSERT_TRUE(runFontSettings([&](ui::FontDialog *d) {
        shown = d->fields();
        d->findChild<QCheckBox *>(u"italic"_s)->click();
        d->findChild<QComboBox *>(u"size"_s)->setCurrentText(u"40"_s);
        d->findChild<QPushButton *>(u"cancel"_s)->click();
    }));
    EXPECT_TRUE(shown.bold && shown.underline);
    EXPECT_FALSE(shown.italic || shown.strikeout);
    EXPECT_EQ(shown.size, 16);
    EXPECT_EQ(selectedWhenShown, wholeLength());
    EXPECT_EQ(rt.getSelectionFormat(editor()), chosen);
    EXPECT_EQ(rt.getSelectionLength(editor()), wholeLength());
    // The cancelled changes are not kept either.
    const ui::FontFields kept = rt.getDialogFont(FileDialog);
    EXPECT_FALSE(kept.italic);
    EXPECT_EQ(kept.size, 16);
}

TEST(ChosenFormat, KeepsOffsetAndProtectionAndFollowsEachSwitch)
{
    const ui::CharFormat current{u"A"_s, 10, 3, ui::Bold | ui::Strikeout | ui::Protected, 0x123456};
    const ui::FontFields choice{u"B"_s, 12, ui::DefaultColour, false, true, false, true};
    const ui::CharFormat f = prefs::chosenFormat(current, choice);
    EXPECT_EQ(f, (ui::CharFormat{u"B"_s, 12, 3, ui::Italic | ui::Underline | ui::Protected, ui::DefaultColour}));
}
