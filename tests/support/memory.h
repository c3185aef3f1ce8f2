// SPDX-License-Identifier: GPL-3.0-or-later
// The memory this process holds, as the system counts it.
#pragma once

#include <QFile>

namespace testsupport {

/// Resident memory in KiB (VmRSS), or -1 where the system does not say.
inline long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace testsupport
