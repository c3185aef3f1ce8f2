// SPDX-License-Identifier: GPL-3.0-or-later
// A small program the runtime tests start as a child process, for what must not happen inside
// the test process itself: ending the process through FatalError, and writing files with other
// rights or limits than the test's.
//
//   runtime_helper fatal <message> <code>   FatalError(message, code)
//   runtime_helper library <file> <entry>   CallLibraryEntry(file, entry)
//   runtime_helper write <path> <text>      WriteFileBytes(path, text); prints "true" or "false"
//   runtime_helper write-limited <path> <bytes>
//                                           the same with <bytes> bytes while the file size
//                                           limit is 4096 bytes
// A message box shown by FatalError is printed on stdout between "box<" and ">box" and closed.
#include "ui/files.h"
#include "ui/runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Prints every message box's text as soon as it shows, then closes it.
class BoxReporter : public QObject {
protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            if (auto *box = qobject_cast<QMessageBox *>(o)) {
                std::printf("box<%s>box\n", box->text().toUtf8().constData());
                std::fflush(stdout);
                QTimer::singleShot(0, box, [box] { box->accept(); });
            }
        return false;
    }
};

int write(const QString &path, const QByteArray &bytes)
{
    const bool ok = ui::writeFileBytes(path, {bytes});
    std::printf("%s\n", ok ? "true" : "false");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4)
        return 2;
    const QString what = args[1];
    if (what == u"write")
        return write(args[2], ui::textToBytes(args[3]));
    if (what == u"write-limited") {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        return write(args[2], QByteArray(args[3].toInt(), 'x'));
    }
    BoxReporter reporter;
    application.installEventFilter(&reporter);
    ui::UiRuntime rt;
    if (what == u"fatal")
        rt.fatalError(args[2], args[3].toInt());
    if (what == u"library")
        rt.callLibraryEntry(args[2], args[3], {});
    return 0; // reached only when the call did not end the process
}
