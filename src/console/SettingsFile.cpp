#include "console/SettingsFile.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/MacroFile.h"
#include "console/MacroNames.h"
#include "console/ProgramError.h"
#include "console/Toolkit.h"
#include "macros/BuiltInMacros.h"
#include "records/RecordPaths.h"
#include "records/TextFile.h"
#include "services/Clock.h"
#include "text/NumberText.h"
#include "text/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <limits>

bool SetDefaults(Console& console)
{
    GameState& game = console.game;
    Settings& settings = console.settings;
    game.RoundState = RoundStart;
    game.PlayerCount = 0;
    game.HostName = QStringLiteral("Me");
    settings.Delay = SpeedVeryFast;
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
    ShowMacroNames(console);
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
                error = ReadSettingsSection(console.settings, lines,
                                            [&console] { LoadMacros(console); });
        }
    }
    if (!error)
        return true;
    console.toolkit.MessageBox(FileErrorText(*error, QStringLiteral("Error with file quillo.ini")),
                               QStringLiteral("Program Exiting"));
    return false;
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
