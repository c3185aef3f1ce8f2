// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QFile>

#include <algorithm>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace app {
namespace {

// Options that QGuiApplication, QApplication and the xcb platform take, without the leading dash.
const QStringList QtOptionsWithValue = {
    u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s, u"qwindowgeometry"_s,
    u"qwindowicon"_s, u"qwindowtitle"_s, u"session"_s, u"display"_s, u"geometry"_s, u"name"_s,
    u"title"_s, u"style"_s, u"stylesheet"_s, u"visual"_s,
};
const QStringList QtFlags = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s, u"sync"_s};
const QStringList QtOptionsWithAttachedValue = {u"style="_s, u"stylesheet="_s, u"qmljsdebugger="_s,
                                                u"dialogs="_s, u"fontengine="_s};

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (!options || a == u"-" || !a.startsWith(u'-')) {
            line.files << a;
            continue;
        }
        if (a == u"--") {
            options = false;
            continue;
        }
        if (a == u"--help" || a == u"-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (a == u"--version" || a == u"-v") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        // Qt reads its options with one dash or two.
        const QString name = a.mid(a.startsWith(u"--") ? 2 : 1);
        if (QtOptionsWithValue.contains(name)) {
            ++i; // its value
            continue;
        }
        if (QtFlags.contains(name))
            continue;
        if (std::any_of(QtOptionsWithAttachedValue.begin(), QtOptionsWithAttachedValue.end(),
                        [&](const QString &o) { return name.startsWith(o); }))
            continue;
        line.action = CommandLine::Action::Usage;
        line.badOption = a;
        return line;
    }
    return line;
}

CommandLine parseCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return parseCommandLine(arguments);
}

QString usageText() { return u"Usage: quillmere [FILE...]\n       quillmere --help | --version\n"_s; }

QString versionText() { return u"quillmere " QUILLMERE_VERSION "\n"_s; }

QString helpText()
{
    return usageText() + uR"(
Quillmere is an editor for hand-written HTML, classic ASP and CSS.

  FILE           open each file in a window of its own (several files open
                 several windows); without one, a window with the new-page
                 template. A file already open in a running Quillmere brings
                 its window to the front; other files are handed to that
                 running program, which opens them, and this start ends.
  -h, --help     print this text and exit
  -v, --version  print the version and exit

A file whose bytes are valid UTF-8 is read and saved as UTF-8 when it starts
with a byte-order mark (kept on saving), holds a non-ASCII character, or
declares UTF-8 in its first 4 KB (<meta charset>, @charset, CodePage=65001).
Every other file, new documents and templates are GB18030, a superset of
GB2312. A file opened and saved unchanged comes back byte for byte.

The standard Qt options (-platform, -style, -display, ...) are accepted as
well. See quillmere(1).
)"_s;
}

int answerCommandLine(const CommandLine &line)
{
    switch (line.action) {
    case CommandLine::Action::Help: std::fputs(helpText().toLocal8Bit().constData(), stdout); return 0;
    case CommandLine::Action::Version: std::fputs(versionText().toLocal8Bit().constData(), stdout); return 0;
    case CommandLine::Action::Usage:
        std::fprintf(stderr, "quillmere: unknown option %s\n", line.badOption.toLocal8Bit().constData());
        std::fputs(usageText().toLocal8Bit().constData(), stderr);
        return 2;
    case CommandLine::Action::Run: break;
    }
    return 0;
}

} // namespace app
