#include "irc/IrcDelivery.h"

#include "irc/IrcNick.h"

#include <algorithm>

namespace {

const QByteArray TokenPrefix = "quillo-";

} // namespace

void IrcDelivery::SetResolvedHandler(Resolved resolved)
{
    resolved_ = std::move(resolved);
}

void IrcDelivery::SetEchoes(bool echoes)
{
    echoes_ = echoes;
}

bool IrcDelivery::HasRoom(qsizetype bytes) const
{
    // A line always goes when nothing waits, however long it is.
    if (entries_.empty())
        return true;
    return static_cast<int>(entries_.size()) < WindowLines && bytes_ + bytes <= WindowBytes;
}

void IrcDelivery::Written(Line line, qsizetype bytes)
{
    entries_.push_back({std::move(line), bytes, {}});
    bytes_ += bytes;
}

bool IrcDelivery::PingDue() const
{
    return !entries_.empty() && entries_.back().Token.isEmpty();
}

QByteArray IrcDelivery::PingWritten()
{
    QByteArray token = TokenPrefix;
    token += QByteArray::number(++pings_);
    entries_.push_back({{0, {}, {}}, 0, token});
    return token;
}

std::deque<IrcDelivery::Entry>::iterator IrcDelivery::oldestTo(const QByteArray& target)
{
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.Token.isEmpty() && IrcNick::Same(e.Sent.Target, target);
    });
}

void IrcDelivery::take(std::deque<Entry>::iterator entry, bool taken)
{
    if (entry->Token.isEmpty())
        outcomes_.push_back({std::move(entry->Sent), taken});
    bytes_ -= entry->Bytes;
    entries_.erase(entry);
}

void IrcDelivery::tell()
{
    // The handler may write the next lines, which changes the window: it runs last.
    while (!outcomes_.empty()) {
        const Outcome outcome = std::move(outcomes_.front());
        outcomes_.pop_front();
        if (resolved_)
            resolved_(outcome.Sent, outcome.Taken);
    }
}

void IrcDelivery::Echoed(const QByteArray& target)
{
    if (const auto entry = oldestTo(target); entry != entries_.end())
        take(entry, true);
    tell();
}

void IrcDelivery::Refused(const QByteArray& target)
{
    if (const auto entry = oldestTo(target); entry != entries_.end())
        take(entry, false);
    tell();
}

bool IrcDelivery::Ponged(const QByteArray& token)
{
    if (!token.startsWith(TokenPrefix))
        return false;
    const auto ping = std::find_if(entries_.begin(), entries_.end(),
                                   [&](const Entry& e) { return e.Token == token; });
    if (ping == entries_.end())
        return true;
    // Everything before the PING was handled. Without echoes no word means taken; with them,
    // a line the server neither echoed nor refused was dropped without a word.
    for (auto count = std::distance(entries_.begin(), ping) + 1; count > 0; --count)
        take(entries_.begin(), !echoes_);
    tell();
    return true;
}

void IrcDelivery::Lost()
{
    while (!entries_.empty())
        take(entries_.begin(), false);
    tell();
}

bool IrcDelivery::Unconfirmed() const
{
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const Entry& e) { return e.Token.isEmpty(); });
}
