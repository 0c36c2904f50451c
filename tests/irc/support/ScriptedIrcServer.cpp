#include "ScriptedIrcServer.h"

#include "support/WaitUntil.h"

#include <QHostAddress>
#include <QSslServer>

using namespace Qt::StringLiterals;

ScriptedIrcServer::ScriptedIrcServer() : server_(std::make_unique<QTcpServer>())
{
    Listen();
}

ScriptedIrcServer::ScriptedIrcServer(const QSslConfiguration& tls) : tls_(true)
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    QObject::connect(server.get(), &QSslServer::startedEncryptionHandshake, server.get(),
                     [this](QSslSocket*) { ++handshakes_; });
    server_ = std::move(server);
    Listen();
}

ScriptedIrcServer::~ScriptedIrcServer() = default;

void ScriptedIrcServer::Listen()
{
    // A TLS server has a connection to hand out only once its handshake is through, so this
    // signal rather than newConnection.
    QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, server_.get(),
                     [this] { Accept(); });
    server_->listen(QHostAddress::LocalHost, 0);
}

void ScriptedIrcServer::Accept()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        client_ = socket;
        buffer_.clear();
        lines_.append(QList<QByteArray>());
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Read(socket); });
    }
}

void ScriptedIrcServer::Read(QTcpSocket* socket)
{
    const QByteArray bytes = socket->readAll();
    received_ += bytes;
    if (socket != client_)
        return;
    buffer_ += bytes;
    qsizetype end = 0;
    while ((end = buffer_.indexOf("\r\n")) >= 0) {
        const QByteArray line = buffer_.left(end);
        lines_.last().append(line);
        buffer_.remove(0, end + 2);
        if (answerPings_ && line.startsWith("PING "))
            Send(":srv PONG srv :" + (line.startsWith("PING :") ? line.mid(6) : line.mid(5)) +
                 "\r\n");
    }
}

QString ScriptedIrcServer::Url() const
{
    return (tls_ ? u"ircs://127.0.0.1:%1/#quillo"_s : u"irc://127.0.0.1:%1/#quillo"_s)
        .arg(server_->serverPort());
}

void ScriptedIrcServer::Send(const QByteArray& raw)
{
    if (!client_)
        return;
    client_->write(raw);
    client_->flush();
}

void ScriptedIrcServer::Drop()
{
    if (client_)
        client_->abort();
    buffer_.clear();
}

qsizetype ScriptedIrcServer::Connections() const
{
    return lines_.size();
}

QList<QByteArray> ScriptedIrcServer::Lines() const
{
    return lines_.isEmpty() ? QList<QByteArray>() : lines_.last();
}

QByteArray ScriptedIrcServer::Received() const
{
    return received_;
}

int ScriptedIrcServer::Handshakes() const
{
    return handshakes_;
}

bool ScriptedIrcServer::WaitForLine(const QByteArray& line, int timeoutMs)
{
    return WaitUntil([&] { return Lines().contains(line); }, timeoutMs);
}

void ScriptedIrcServer::AnswerPings(bool answer)
{
    answerPings_ = answer;
}

bool ScriptedIrcServer::SignOn(const QByteArray& nick)
{
    if (!WaitForLine("USER quillo 0 * :Quillo Console"))
        return false;
    Send(":srv CAP * LS :multi-prefix\r\n:srv 001 " + nick + " :Welcome\r\n");
    if (!WaitForLine("JOIN #quillo"))
        return false;
    Send(":" + nick + "!q@h JOIN #quillo\r\n");
    return true;
}
