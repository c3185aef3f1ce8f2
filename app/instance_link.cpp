// SPDX-License-Identifier: GPL-3.0-or-later
// The handover: the later start sends one UTF-8 line per file and an empty line, and waits for
// "ok"; the running program answers once it has the list, then opens the files.
#include "instance_link.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace app {
namespace {

constexpr int ConnectMilliseconds = 1000;
// The running program answers from its event loop, which a large file being opened holds up for
// seconds (some 17 s for 128 MB): the files, once sent, are its to open.
constexpr int AnswerMilliseconds = 30000;
const QByteArray Greeting = "quillmere files\n";
const QByteArray Answer = "ok\n";

} // namespace

QString InstanceLink::defaultName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    // A program drawing off screen shares no display with the user's: its link is its own.
    if (QGuiApplication::platformName() == u"offscreen" || QGuiApplication::platformName() == u"minimal")
        display = QGuiApplication::platformName() + display;
    display.replace(u'/', u'_');
    return u"quillmere-%1-%2"_s.arg(::getuid()).arg(display);
}

bool InstanceLink::handOver(const QStringList &files, const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectMilliseconds))
        return false;
    QByteArray message = Greeting;
    for (const QString &file : files)
        message += QFileInfo(file).absoluteFilePath().toUtf8() + '\n';
    message += '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(ConnectMilliseconds))
        return false;
    while (socket.bytesAvailable() < Answer.size())
        if (!socket.waitForReadyRead(AnswerMilliseconds))
            return false;
    return socket.readAll() == Answer;
}

bool InstanceLink::listen(Receiver receiver, const QString &name)
{
    receiver_ = std::move(receiver);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) {
        // Taken by a program that runs (it accepts a connection): this one runs on its own.
        QLocalSocket owner;
        owner.connectToServer(name);
        if (owner.waitForConnected(ConnectMilliseconds))
            return false;
        // A socket left behind by a program that ended without closing it.
        QLocalServer::removeServer(name);
        if (!server_.listen(name))
            return false;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { take(socket); });
            take(socket);
        }
    });
    return true;
}

void InstanceLink::take(QLocalSocket *socket)
{
    // The whole message is there once it ends with an empty line; anything else is no start of
    // this program.
    const QByteArray peek = socket->peek(socket->bytesAvailable());
    if (peek.size() >= Greeting.size() && !peek.startsWith(Greeting)) {
        socket->abort();
        return;
    }
    if (!peek.endsWith("\n\n"))
        return;
    const QByteArray message = socket->readAll();
    QStringList files;
    for (const QByteArray &line : message.mid(Greeting.size()).split('\n'))
        if (!line.isEmpty())
            files << QString::fromUtf8(line);
    socket->write(Answer);
    socket->flush();
    receiver_(files);
}

} // namespace app
