#include "records/SettingsFile.h"

#include "chat/ChatLink.h"
#include "game/Clock.h"
#include "game/Console.h"
#include "game/NumberText.h"
#include "game/Toolkit.h"
#include "macros/MacroFile.h"
#include "records/RecordPaths.h"
#include "records/TextFile.h"
#include "records/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

bool SetDefaults(Console& console)
{
    GameState& game = console.game;
    Settings& settings = console.settings;
    game.RoundState = 0;
    game.PlayerCount = 0;
    game.HostName = QStringLiteral("Me");
    settings.Delay = 0;
    settings.Left = 0;
    settings.Top = 0;
    settings.OnTop = false;
    const Settings defaults;
    settings.Call = defaults.Call;
    settings.WTG = defaults.WTG;
    settings.Lose = defaults.Lose;
    settings.Push = defaults.Push;
    settings.RegChar = defaults.RegChar;
    settings.Confirm = defaults.Confirm;
    settings.Points = defaults.Points;
    settings.DayOfWeek = defaults.DayOfWeek;
    settings.Start = defaults.Start;
    settings.MacroFile = defaults.MacroFile;
    SetBuiltInMacros(console.macros);
    for (PlayerRecord& player : game.PlayerTable)
        player = PlayerRecord{};
    console.chat.DapiRegister();
    if (!ReadSettings(console))
        return false;
    settings.LogFile = LogFilePath(console.programFolder);
    settings.PlayersFile = PlayersFilePath(console.programFolder);
    settings.MonthlyFile =
        MonthlyFilePath(console.programFolder, console.clock.Now().date(), settings.DayOfWeek);
    return true;
}

bool ReadSettings(Console& console)
{
    auto content = ReadTextFile(SettingsFilePath(console.programFolder));
    std::optional<FileError> error;
    if (const auto* failure = std::get_if<FileError>(&content)) {
        if (IsNotFound(*failure))
            return true;
        error = *failure;
    } else {
        // Hand-edited files may end their lines with a bare LF; the program writes CR LF.
        TextLines lines(std::get<QString>(std::move(content)), TextLines::LineFeed::EndsLine);
        while (!error && !lines.AtEnd()) {
            const QString line = *lines.Next();
            if (line.size() >= 10 && line.startsWith(u"[settings]", Qt::CaseInsensitive))
                error = ReadSettingsSection(console, lines);
        }
    }
    if (!error)
        return true;
    console.toolkit.MessageBox(FileErrorText(*error, QStringLiteral("Error with file quillo.ini")),
                               QStringLiteral("Program Exiting"));
    return false;
}

QString SettingsFileText(const Settings& s, int leftTwips, int topTwips)
{
    const QStringList lines = {
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
        QString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool WriteSettings(Console& console, int leftTwips, int topTwips)
{
    const QString path = SettingsFilePath(console.programFolder);
    if (const auto error =
            SaveTextFile(path, SettingsFileText(console.settings, leftTwips, topTwips))) {
        ShowProgramError(console.toolkit, *error, path);
        return false;
    }
    return true;
}

bool SaveSettings(Console& console)
{
    const QPoint where = console.toolkit.MainWindowTwips();
    return WriteSettings(console, where.x(), where.y());
}
