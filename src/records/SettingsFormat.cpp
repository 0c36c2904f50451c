#include "records/SettingsFormat.h"

#include "records/Settings.h"
#include "text/NumberText.h"
#include "text/TextLines.h"

#include <QStringList>

#include <algorithm>
#include <limits>

#include <array>
#include <cstdint>

// The lines of a "[settings]" section: key, one separating character ("=" as the program
// writes it, but any character is skipped), value. Keys match by their first letters in any
// case, tried in a fixed order, so "topmost=..." sets Top.

namespace {

enum class SettingKey
{
    Delay,
    Left,
    Top,
    OnTop,
    RegChar,
    Confirm,
    Points,
    DayOfWeek,
    Start,
    Call,
    WTG,
    Lose,
    Push,
    MacroFile,
    DealCards,
    DealCommit,
    DealReveal,
    DealLost
};

struct KeyName
{
    QStringView Name;
    SettingKey Key;
};

constexpr std::array<KeyName, 18> Keys = {{
    {u"delay", SettingKey::Delay},
    {u"left", SettingKey::Left},
    {u"top", SettingKey::Top},
    {u"ontop", SettingKey::OnTop},
    {u"regchar", SettingKey::RegChar},
    {u"confirm", SettingKey::Confirm},
    {u"points", SettingKey::Points},
    {u"dayofweek", SettingKey::DayOfWeek},
    {u"start", SettingKey::Start},
    {u"call", SettingKey::Call},
    {u"wtg", SettingKey::WTG},
    {u"lose", SettingKey::Lose},
    {u"push", SettingKey::Push},
    {u"macrofile", SettingKey::MacroFile},
    {u"dealcards", SettingKey::DealCards},
    {u"dealcommit", SettingKey::DealCommit},
    {u"dealreveal", SettingKey::DealReveal},
    {u"deallost", SettingKey::DealLost},
}};

std::optional<FileError> readInteger(const QString& value, std::int16_t& into)
{
    const auto number = ParseNumber(value);
    if (!number)
        return FaultError(FileFault::BadValue);
    const auto rounded = ToInt16(*number);
    if (!rounded)
        return FaultError(FileFault::OutOfRange);
    into = *rounded;
    return std::nullopt;
}

// "True" or "False" in any case, or a number: 0 is false, any other true.
std::optional<FileError> readBoolean(const QString& value, bool& into)
{
    const QString word = value.trimmed();
    if (word.compare(u"true", Qt::CaseInsensitive) == 0) {
        into = true;
        return std::nullopt;
    }
    if (word.compare(u"false", Qt::CaseInsensitive) == 0) {
        into = false;
        return std::nullopt;
    }
    const auto number = ParseNumber(value);
    if (!number)
        return FaultError(FileFault::BadValue);
    into = *number != 0.0;
    return std::nullopt;
}

std::optional<FileError> store(Settings& s, SettingKey key, const QString& line,
                               qsizetype keyLength, const std::function<void()>& macroFileNamed)
{
    const QString value = line.mid(keyLength + 1);
    switch (key) {
    case SettingKey::Delay:
        return readInteger(value, s.Delay);
    case SettingKey::Left:
        return readInteger(value, s.Left);
    case SettingKey::Top:
        return readInteger(value, s.Top);
    case SettingKey::Start:
        return readInteger(value, s.Start);
    case SettingKey::OnTop:
        return readBoolean(value, s.OnTop);
    case SettingKey::Confirm:
        return readBoolean(value, s.Confirm);
    case SettingKey::Points:
        return readBoolean(value, s.Points);
    case SettingKey::DayOfWeek:
        return readBoolean(value, s.DayOfWeek);
    case SettingKey::DealCards:
        return readBoolean(value, s.DealCards);
    case SettingKey::DealCommit:
        s.DealCommit = value;
        break;
    case SettingKey::DealReveal:
        s.DealReveal = value;
        break;
    case SettingKey::DealLost:
        s.DealLost = value;
        break;
    case SettingKey::RegChar:
        s.RegChar = value.left(1);
        break;
    case SettingKey::Call:
        s.Call = value;
        break;
    case SettingKey::WTG:
        s.WTG = value;
        break;
    case SettingKey::Lose:
        s.Lose = value;
        break;
    case SettingKey::Push:
        s.Push = value;
        break;
    case SettingKey::MacroFile:
        s.MacroFile = value;
        // Loaded at once; a fault in the macro file is shown there and reading goes on.
        if (!value.isEmpty() && macroFileNamed)
            macroFileNamed();
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<FileError> ReadSettingsSection(Settings& settings, TextLines& lines,
                                             const std::function<void()>& macroFileNamed)
{
    for (;;) {
        const auto line = lines.Next();
        if (!line)
            return FaultError(FileFault::PastEnd); // the section must end with an empty line
        if (line->isEmpty())
            return std::nullopt;
        for (const KeyName& key : Keys) {
            if (line->startsWith(key.Name, Qt::CaseInsensitive)) {
                if (auto error = store(settings, key.Key, *line, key.Name.size(), macroFileNamed))
                    return error;
                break;
            }
        }
    }
}

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// The file keeps 16-bit numbers; a window placed far out on a wide desktop is kept at the
// edge of that range instead of writing a file that cannot be read back.
int clampToInt16(int value)
{
    return std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max());
}

} // namespace

QString SettingsFileText(const Settings& s, int leftTwips, int topTwips)
{
    QStringList lines = {
        QStringLiteral("[Settings]"),
        QStringLiteral("Delay=") + NumericPrintForm(s.Delay),
        QStringLiteral("Left=") + NumericPrintForm(clampToInt16(leftTwips)),
        QStringLiteral("Top=") + NumericPrintForm(clampToInt16(topTwips)),
        QStringLiteral("OnTop=") + boolText(s.OnTop),
        QStringLiteral("RegChar=") + s.RegChar,
        QStringLiteral("Start=") + NumericPrintForm(s.Start),
        QStringLiteral("Confirm=") + boolText(s.Confirm),
        QStringLiteral("Points=") + boolText(s.Points),
        QStringLiteral("DayOfWeek=") + boolText(s.DayOfWeek),
        QStringLiteral("Call=") + s.Call,
        QStringLiteral("WTG=") + s.WTG,
        QStringLiteral("Lose=") + s.Lose,
        QStringLiteral("Push=") + s.Push,
        QStringLiteral("MacroFile=") + s.MacroFile,
    };
    // Dealing came later: a host who never used it keeps the file older versions wrote.
    const Settings defaults;
    if (s.DealCards != defaults.DealCards)
        lines.append(QStringLiteral("DealCards=") + boolText(s.DealCards));
    if (s.DealCommit != defaults.DealCommit)
        lines.append(QStringLiteral("DealCommit=") + s.DealCommit);
    if (s.DealReveal != defaults.DealReveal)
        lines.append(QStringLiteral("DealReveal=") + s.DealReveal);
    if (s.DealLost != defaults.DealLost)
        lines.append(QStringLiteral("DealLost=") + s.DealLost);
    lines.append(QString());
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
