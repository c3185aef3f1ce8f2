// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: reading it, the files opened at start-up (the same as "打开" opens them,
// reports included), and the program's answers to --help, --version and an unknown option.
#include "app/command_line.h"
#include "support/main_window_fixture.h"
#include "document/templates.h"
#include "support/drawn_colour.h"
#include "support/program_run.h"

#include <QScreen>
#include <QWindow>
#include <Qsci/qsciscintilla.h>

using namespace testsupport;
using app::CommandLine;

namespace {

TEST(CommandLineParsing, FilesOptionsAndQtsOwnOptions)
{
    struct Case {
        QStringList args;
        CommandLine::Action action;
        QStringList files;
        QString bad;
    };
    const std::vector<Case> cases = {
        {{}, CommandLine::Action::Run, {}, {}},
        {{u"a.html"_s, u"b.asp"_s}, CommandLine::Action::Run, {u"a.html"_s, u"b.asp"_s}, {}},
        {{u"a.html"_s, u"--help"_s}, CommandLine::Action::Help, {}, {}},
        {{u"-h"_s}, CommandLine::Action::Help, {}, {}},
        {{u"--version"_s}, CommandLine::Action::Version, {}, {}},
        {{u"-v"_s}, CommandLine::Action::Version, {}, {}},
        {{u"--frobnicate"_s, u"a.html"_s}, CommandLine::Action::Usage, {}, u"--frobnicate"_s},
        {{u"a.html"_s, u"-x"_s}, CommandLine::Action::Usage, {}, u"-x"_s},
        // Qt's options are the application object's; their values are no files.
        {{u"-platform"_s, u"offscreen"_s, u"a.html"_s, u"--style"_s, u"fusion"_s, u"-reverse"_s,
          u"-style=windows"_s},
         CommandLine::Action::Run,
         {u"a.html"_s},
         {}},
        // After "--" everything is a file, and "-" is one too.
        {{u"--"_s, u"-odd name.html"_s, u"--help"_s}, CommandLine::Action::Run, {u"-odd name.html"_s, u"--help"_s}, {}},
        {{u"-"_s}, CommandLine::Action::Run, {u"-"_s}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CommandLine line = app::parseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action);
        if (c.action == CommandLine::Action::Run) {
            EXPECT_EQ(line.files, c.files);
        }
        EXPECT_EQ(line.badOption, c.bad);
    }
}

TEST(CommandLineParsing, NamesInTheLocalEncoding)
{
    QByteArray name = QFile::encodeName(u"/tmp/网页 1.html"_s);
    char program[] = "quillmere";
    char *argv[] = {program, name.data(), nullptr};
    const CommandLine line = app::parseCommandLine(2, argv);
    EXPECT_EQ(line.files, QStringList{u"/tmp/网页 1.html"_s});
}

/// A MainWindow started as `quillmere FILE` would start it.
class StartFiles : public ::testing::Test {
protected:
    void start(const QString &file)
    {
        main = std::make_unique<app::MainWindow>(file);
        rt.openWindow(main->definition(), false);
    }
    void TearDown() override
    {
        script.answers.clear();
        if (rt.isOpen(Main))
            rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    const ui::ControlRef &editor() { return main->session().editor(); }
    QByteArray editorBytes() { return rt.getEditorBytes(editor()); }
    QString panel(int i) const { return rt.getPanelText({Main, u"状态条1"_s}, i); }
    QString templateText() const
    {
        QString t;
        for (const auto &piece : document::newPageTemplate())
            t += piece;
        return t;
    }

    QTemporaryDir dir;
    DialogScript script;
    std::unique_ptr<app::MainWindow> main; // outlives the runtime
    ui::UiRuntime rt;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

const QByteArray Gb18030Page = QByteArray("<p>\xC4\xE3\xBA\xC3, \xCD\xF8\xD2\xB3 \x81\x30\x81\x30 \x95\x32\x82\x36</p>\r\n")
                                   .repeated(40);

TEST_F(StartFiles, AFileIsOpenedInPlaceOfTheTemplateAsOpenOpensIt)
{
    writeFile(path(u"页面.html"_s), Gb18030Page);
    start(path(u"页面.html"_s));
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(editorBytes(), Gb18030Page);
    const QStringList startPanels = {panel(1), panel(3), panel(5), panel(7)};

    // The same file through "文件/打开" gives the same text and status bar.
    script.answers = {QMessageBox::No};
    script.files = {{path(u"页面.html"_s)}};
    ui::testing::menuAction(rt, {Main, u"文件/打开"_s})->trigger();
    EXPECT_EQ(editorBytes(), Gb18030Page);
    EXPECT_EQ((QStringList{panel(1), panel(3), panel(5), panel(7)}), startPanels);
}

TEST_F(StartFiles, AFileThatCannotBeOpenedIsReportedAndTheTemplateWritten)
{
    const QString missing = path(u"没有.html"_s);
    start(missing);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].title, u"打开失败"_s);
    EXPECT_TRUE(script.boxes[0].text.contains(missing)) << script.boxes[0].text.toStdString();
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(rt.getEditorText(editor()), templateText());

    // A folder is refused the same way.
    TearDown();
    script.boxes.clear();
    start(dir.path());
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].title, u"打开失败"_s);
    EXPECT_EQ(rt.getEditorText(editor()), templateText());
}

/// Runs the program itself with the arguments and no display.
Finished runWithoutDisplay(const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);
    return runProgram(QStringLiteral(QUILLMERE_FILE), args, env);
}

TEST(CommandLineAnswers, HelpVersionAndUnknownOptionsNeedNoDisplay)
{
    for (const QString &help : {u"--help"_s, u"-h"_s}) {
        const Finished r = runWithoutDisplay({help});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.startsWith("Usage: quillmere [FILE...]")) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("--version"));
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
    const Finished version = runWithoutDisplay({u"--version"_s});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QByteArray("quillmere " QUILLMERE_VERSION "\n"));

    for (const QString &bad : {u"--frobnicate"_s, u"-q"_s}) {
        const Finished r = runWithoutDisplay({u"page.html"_s, bad});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(bad.toUtf8())) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("Usage: quillmere [FILE...]")) << r.err.toStdString();
    }
}

TEST_F(StartFiles, AnAspPagesStyleBlockIsDrawnInItsColoursAsOpenDrawsIt)
{
    // An ASP block first, then the head with its style block.
    const QByteArray page = "<% Dim greeting : greeting = \"hi\" %>\r\n<html>\r\n<head>\r\n<title>page</title>\r\n"
                            "<style type=\"text/css\">\r\nbody { color: #333333; margin: 0 }\r\n</style>\r\n</head>\r\n"
                            "<body><p><%= greeting %></p></body>\r\n</html>\r\n";
    writeFile(path(u"page.asp"_s), page);
    const std::vector<long> words = {page.indexOf("body {"), page.indexOf("color:"), page.indexOf("#333333"),
                                     page.indexOf("margin:"), page.indexOf("title>"), page.indexOf("greeting :")};
    // The colour of each word's style, checked against the first picture the editor draws of the
    // opened text and against the screen once everything asked for is drawn.
    auto coloursDrawn = [&] {
        auto *ed = static_cast<QsciScintilla *>(ui::testing::widget(rt, editor()));
        const QImage first = ed->viewport()->grab().toImage();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(ed->window()));
        QCoreApplication::processEvents();
        const QPoint origin = ed->viewport()->mapTo(ed->window(), QPoint());
        const QImage screen = ed->window()->windowHandle()->screen()->grabWindow(ed->window()->winId()).toImage()
                                  .copy(QRect(origin, ed->viewport()->size()));
        std::vector<QColor> own;
        for (long at : words) {
            own.push_back(testsupport::styleColourAt(ed, at));
            EXPECT_TRUE(testsupport::drawnInItsStyleColour(ed, first, at)) << page.mid(at, 6).toStdString();
            EXPECT_TRUE(testsupport::drawnInItsStyleColour(ed, screen, at)) << page.mid(at, 6).toStdString();
        }
        return own;
    };
    start(path(u"page.asp"_s));
    const std::vector<QColor> started = coloursDrawn();
    script.answers = {QMessageBox::No};
    script.files = {{path(u"page.asp"_s)}};
    ui::testing::menuAction(rt, {Main, u"文件/打开"_s})->trigger();
    // The same colours as 打开 gives, and the style sheet's are not the text's: it is coloured.
    EXPECT_EQ(coloursDrawn(), started);
    EXPECT_NE(started[1], started[4]);
}

} // namespace

