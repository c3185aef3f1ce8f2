// SPDX-License-Identifier: GPL-3.0-or-later
// A small program the runtime tests start as a child process, for what must not happen inside
// the test process itself: ending the process through FatalError.
//
//   runtime_helper fatal <message> <code>   FatalError(message, code)
//   runtime_helper library <file> <entry>   CallLibraryEntry(file, entry)
// A message box shown by FatalError is printed on stdout between "box<" and ">box" and closed.
#include "ui/runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

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
    BoxReporter reporter;
    application.installEventFilter(&reporter);
    ui::UiRuntime rt;
    if (what == u"fatal")
        rt.fatalError(args[2], args[3].toInt());
    if (what == u"library")
        rt.callLibraryEntry(args[2], args[3], {});
    return 0; // reached only when the call did not end the process
}
