#include "IrcTestClient.h"

#include "support/WaitUntil.h"

#include <QHostAddress>

#include <algorithm>

namespace {

// The prefix ":nick!user@host" gives the nick.
QByteArray NickOf(const QByteArray& prefix)
{
    const qsizetype bang = prefix.indexOf('!');
    return bang < 0 ? prefix : prefix.left(bang);
}

struct Parsed
{
    QByteArray Prefix;
    QByteArray Command;
    QList<QByteArray> Params;
};

Parsed Parse(QByteArray line)
{
    Parsed parsed;
    if (line.startsWith('@')) { // message tags
        const qsizetype blank = line.indexOf(' ');
        line = blank < 0 ? QByteArray() : line.mid(blank + 1);
    }
    if (line.startsWith(':')) {
        const qsizetype blank = line.indexOf(' ');
        parsed.Prefix = line.mid(1, blank < 0 ? -1 : blank - 1);
        line = blank < 0 ? QByteArray() : line.mid(blank + 1);
    }
    while (!line.isEmpty()) {
        if (line.startsWith(':')) {
            parsed.Params.append(line.mid(1));
            break;
        }
        const qsizetype blank = line.indexOf(' ');
        const QByteArray word = blank < 0 ? line : line.left(blank);
        if (!word.isEmpty()) {
            if (parsed.Command.isEmpty())
                parsed.Command = word.toUpper();
            else
                parsed.Params.append(word);
        }
        line = blank < 0 ? QByteArray() : line.mid(blank + 1);
    }
    return parsed;
}

} // namespace

bool IrcTestClient::Connect(quint16 port, const QByteArray& nick, int timeoutMs)
{
    nick_ = nick;
    buffer_.clear(); // what a lost connection left half read
    socket_.abort();
    socket_.connectToHost(QHostAddress::LocalHost, port);
    if (!socket_.waitForConnected(timeoutMs))
        return false;
    Write("NICK " + nick);
    Write("USER " + nick + " 0 * :Quillo test player");
    bool welcomed = false;
    WaitForLine(
        [&](const QByteArray& line) {
            const Parsed parsed = Parse(line);
            welcomed = parsed.Command == "001";
            return welcomed || parsed.Command == "433" || parsed.Command == "432" ||
                   parsed.Command == "ERROR";
        },
        timeoutMs);
    return welcomed;
}

bool IrcTestClient::Join(const QByteArray& channel, int timeoutMs)
{
    Write("JOIN " + channel);
    return WaitForLine(
        [&](const QByteArray& line) {
            const Parsed parsed = Parse(line);
            return parsed.Command == "366" && parsed.Params.size() > 1 &&
                   parsed.Params[1].compare(channel, Qt::CaseInsensitive) == 0;
        },
        timeoutMs);
}

void IrcTestClient::Say(const QByteArray& channel, const QByteArray& text)
{
    Write("PRIVMSG " + channel + " :" + text);
}

void IrcTestClient::Esp(const QByteArray& nick, const QByteArray& text)
{
    Write("PRIVMSG " + nick + " :" + text);
}

void IrcTestClient::SendRaw(const QByteArray& line)
{
    Write(line);
}

void IrcTestClient::Quit()
{
    if (!Connected())
        return;
    Write("QUIT :bye");
    socket_.disconnectFromHost();
    if (socket_.state() != QAbstractSocket::UnconnectedState)
        socket_.waitForDisconnected(2000);
}

bool IrcTestClient::Connected() const
{
    return socket_.state() == QAbstractSocket::ConnectedState;
}

QByteArray IrcTestClient::Nick() const
{
    return nick_;
}

void IrcTestClient::Write(const QByteArray& line)
{
    socket_.write(line + "\r\n");
    WaitUntil(
        [this] {
            socket_.flush();
            return socket_.bytesToWrite() == 0 || !Connected();
        },
        5000);
}

QList<QByteArray> IrcTestClient::ReadLines()
{
    buffer_ += socket_.readAll();
    QList<QByteArray> lines;
    qsizetype end;
    while ((end = buffer_.indexOf('\n')) >= 0) {
        QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        Handle(line);
        lines.append(line);
    }
    return lines;
}

void IrcTestClient::Handle(const QByteArray& line)
{
    lines_.append(line);
    const Parsed parsed = Parse(line);
    if (parsed.Command == "PING")
        Write("PONG :" + parsed.Params.value(0));
    else if (parsed.Command == "PRIVMSG" && parsed.Params.size() >= 2)
        received_.append({NickOf(parsed.Prefix), parsed.Params[0], parsed.Params[1]});
}

bool IrcTestClient::WaitFor(const Predicate& predicate, int timeoutMs)
{
    return ReadUntil([&](const QList<QByteArray>&) { return predicate(received_); }, timeoutMs);
}

bool IrcTestClient::WaitForLine(const std::function<bool(const QByteArray&)>& predicate,
                                int timeoutMs)
{
    return ReadUntil(
        [&](const QList<QByteArray>& fresh) {
            return std::any_of(fresh.begin(), fresh.end(), predicate);
        },
        timeoutMs);
}

bool IrcTestClient::ReadUntil(const std::function<bool(const QList<QByteArray>&)>& done,
                              int timeoutMs)
{
    bool held = false;
    WaitUntil(
        [&] {
            held = done(ReadLines());
            return held || !Connected();
        },
        timeoutMs);
    return held;
}

bool IrcTestClient::WaitForCountFrom(const QByteArray& from, qsizetype count, int timeoutMs)
{
    return WaitFor([&](const QList<ReceivedPrivmsg>&) { return TextsFrom(from).size() >= count; },
                   timeoutMs);
}

bool IrcTestClient::RoundTrip(int timeoutMs)
{
    const QByteArray token = "quillo-test-" + QByteArray::number(++roundTrips_);
    Write("PING :" + token);
    return WaitForLine(
        [&](const QByteArray& line) {
            const Parsed parsed = Parse(line);
            return parsed.Command == "PONG" &&
                   parsed.Params.value(parsed.Params.size() - 1) == token;
        },
        timeoutMs);
}

bool IrcTestClient::WaitForDisconnect(int timeoutMs)
{
    ReadUntil([this](const QList<QByteArray>&) { return !Connected(); }, timeoutMs);
    return !Connected();
}

const QList<ReceivedPrivmsg>& IrcTestClient::Received() const
{
    return received_;
}

QList<QByteArray> IrcTestClient::TextsFrom(const QByteArray& from, const QByteArray& target) const
{
    QList<QByteArray> texts;
    for (const ReceivedPrivmsg& message : received_) {
        if (message.From.compare(from, Qt::CaseInsensitive) == 0 &&
            (target.isEmpty() || message.Target.compare(target, Qt::CaseInsensitive) == 0))
            texts.append(message.Text);
    }
    return texts;
}

const QList<QByteArray>& IrcTestClient::Lines() const
{
    return lines_;
}
