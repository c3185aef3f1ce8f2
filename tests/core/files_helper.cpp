// SPDX-License-Identifier: GPL-3.0-or-later
// A small program the file tests start as a child process, to write files with other rights or
// limits than the test's own.
//
//   files_helper write <path> <text>           writeFileBytes(path, GB18030 of text); prints "true" or "false"
//   files_helper write-limited <path> <bytes>  the same with <bytes> bytes while the file size
//                                              limit is 4096 bytes
#include "core/files.h"
#include "core/texts.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

int write(const QString &path, const QByteArray &bytes)
{
    const bool ok = core::writeFileBytes(path, {bytes});
    std::printf("%s\n", ok ? "true" : "false");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    const QString what = args[1];
    if (what == u"write")
        return write(args[2], core::textToBytes(args[3]));
    if (what == u"write-limited") {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        return write(args[2], QByteArray(args[3].toInt(), 'x'));
    }
    return 2;
}
