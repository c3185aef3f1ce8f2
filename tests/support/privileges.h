// SPDX-License-Identifier: GPL-3.0-or-later
// What the machine lets the tests do beyond an ordinary process: a mount namespace with a file
// system mounted in it, a process under another user. Each is found out by trying it once, in a
// process of its own; a test that needs one skips with the reason when it is refused (a
// container, a chroot whose root is no mount point, an ordinary user).
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

namespace testsupport {

/// Runs the program; empty when it ran and succeeded, else what it said or why it did not run.
inline QString refusalOf(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000))
        return program + QStringLiteral(" cannot be started: ") + p.errorString();
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return program + QStringLiteral(" does not finish");
    }
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return {};
    const QString said = QString::fromLocal8Bit(p.readAll()).trimmed();
    return program + QStringLiteral(" fails") + (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
}

/// Why a small tmpfs cannot be mounted in a private mount namespace here; empty when it can.
inline const QString &mountNamespaceRefusal()
{
    static const QString why = [] {
        if (::geteuid() != 0)
            return QStringLiteral("mounting a file system needs root");
        QTemporaryDir dir;
        return refusalOf(QStringLiteral("unshare"),
                         {QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
                          QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                          QStringLiteral("size=64k"), QStringLiteral("tmpfs"), dir.path()});
    }();
    return why;
}

/// The wrapper that starts a program as the unprivileged user "nobody".
inline QStringList asNobody()
{
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
            QStringLiteral("--clear-groups")};
}

/// Why no process can be started as "nobody" here (not root, no such user, no right to change
/// user); empty when it can.
inline const QString &otherUserRefusal()
{
    static const QString why = [] {
        if (::geteuid() != 0)
            return QStringLiteral("starting a process as another user needs root");
        QStringList args = asNobody();
        const QString program = args.takeFirst();
        return refusalOf(program, args << QStringLiteral("true"));
    }();
    return why;
}

} // namespace testsupport
