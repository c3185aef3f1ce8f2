// SPDX-License-Identifier: GPL-3.0-or-later
// One running program per user and display: a later start (from the file manager, a terminal)
// hands its files to the running one, which opens them or brings their windows to the front,
// and ends. The link is a local socket named after the user and the display.
#pragma once

#include <QLocalServer>
#include <QStringList>

#include <functional>

namespace app {

class InstanceLink {
public:
    /// Gets the files (absolute paths; none: open a new window) a later start hands over.
    using Receiver = std::function<void(const QStringList &files)>;

    /// The link's name for this user and display ("quillmere-UID-DISPLAY").
    static QString defaultName();
    /// Hands the files (made absolute here) to the program listening on the link; true when it
    /// took them, false when none listens or it did not answer in time.
    static bool handOver(const QStringList &files, const QString &name = defaultName());

    /// Listens on the link for later starts; false when it cannot (another program took the
    /// name at the same moment): this program then runs on its own.
    bool listen(Receiver receiver, const QString &name = defaultName());

private:
    void take(class QLocalSocket *socket);

    QLocalServer server_;
    Receiver receiver_;
};

} // namespace app
