#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

// A server that says exactly what the test tells it, to play a hostile or unusual one; it
// records the lines the bridge sends, per connection, and answers its PINGs unless told not to.
// Given a TLS configuration it speaks TLS (ircs://), and a connection counts only once its
// handshake went through. Its waits run the event loop, for the bridge under test lives in the same
// thread.
class ScriptedIrcServer
{
public:
    ScriptedIrcServer();
    explicit ScriptedIrcServer(const QSslConfiguration& tls);
    ~ScriptedIrcServer();
    ScriptedIrcServer(const ScriptedIrcServer&) = delete;
    ScriptedIrcServer& operator=(const ScriptedIrcServer&) = delete;

    // "irc://127.0.0.1:PORT/#quillo", with TLS "ircs://…".
    QString Url() const;
    // Raw bytes to the latest connection; the test writes the CR LFs.
    void Send(const QByteArray& raw);
    // Cuts the latest connection off.
    void Drop();
    qsizetype Connections() const;
    // The lines of the latest connection.
    QList<QByteArray> Lines() const;
    // Every byte any connection sent, in order.
    QByteArray Received() const;
    // TLS handshakes begun, whether they went through or not.
    int Handshakes() const;
    bool WaitForLine(const QByteArray& line, int timeoutMs = 5000);
    // Plays a server without capabilities up to the bridge's JOIN.
    bool SignOn(const QByteArray& nick = "Host");
    void AnswerPings(bool answer);

private:
    void Listen();
    void Accept();
    void Read(QTcpSocket* socket);

    std::unique_ptr<QTcpServer> server_;
    bool tls_ = false;
    QPointer<QTcpSocket> client_;
    QByteArray buffer_;
    QByteArray received_;
    QList<QList<QByteArray>> lines_;
    int handshakes_ = 0;
    bool answerPings_ = true;
};
