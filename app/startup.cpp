// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    // The preview's browser engine, loaded on the first F12, needs Qt's shared OpenGL context,
    // which is made with the application object (without it the engine crashes when loaded
    // later). Making it loads the OpenGL drivers at every start-up, on a virtual display 0.6 s
    // and 60 MB, for a program that draws nothing with OpenGL: so X11 is opened without OpenGL,
    // unless the user chose an integration, the context stays empty and the engine draws in
    // software. Nothing else of the engine is loaded here.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    const bool glChosen = qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
    if (!glChosen)
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    auto application = std::make_unique<QApplication>(argc, argv);
    if (!glChosen)
        qunsetenv("QT_XCB_GL_INTEGRATION"); // not for the programs started from here (a browser)
    // The desktop knows the program by these: WM_CLASS "quillmere", "quillmere", the Wayland app
    // id and the desktop file, whose Name is what task switchers show. No display name is set:
    // the platform would append it to every window's title, and each title is exactly its caption.
    QApplication::setApplicationName(QStringLiteral("quillmere"));
    QApplication::setDesktopFileName(QStringLiteral("quillmere"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillmere.svg")));

    // Message boxes and file dialogs speak Chinese like the rest of the program.
    auto *translator = new QTranslator(application.get());
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    // Captions are Chinese: prefer a CJK face for the whole interface where one is installed.
    if (QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK SC"))) {
        QFont f = QApplication::font();
        f.setFamilies({QStringLiteral("Noto Sans CJK SC"), f.family()});
        QApplication::setFont(f);
    }
    return application;
}

void awaitPooledThreads()
{
    // Qt names its pool threads; the system keeps the first 15 bytes of a thread's name.
    const QByteArray pooled = "Thread (pooled)";
    const QDeadlineTimer deadline(5000);
    for (;;) {
        bool running = false;
        for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
            running = running || (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == pooled);
        }
        if (!running || deadline.hasExpired())
            return;
        QThread::msleep(1);
    }
}

} // namespace app
