// The settings reader over any quillo.ini. A file that reads must come back the same after the
// program writes it: every setting the host had survives a save and a restart.

#include "FuzzSupport.h"
#include "console/SettingsFile.h"
#include "records/RecordPaths.h"
#include "support/TestConsole.h"

namespace {

QString describe(const Settings& s)
{
    return SettingsFileText(s, s.Left, s.Top);
}

bool sameSettings(const Settings& a, const Settings& b)
{
    return a.Delay == b.Delay && a.Left == b.Left && a.Top == b.Top && a.OnTop == b.OnTop &&
           a.RegChar == b.RegChar && a.Start == b.Start && a.Confirm == b.Confirm &&
           a.Points == b.Points && a.DayOfWeek == b.DayOfWeek && a.Call == b.Call &&
           a.WTG == b.WTG && a.Lose == b.Lose && a.Push == b.Push && a.MacroFile == b.MacroFile;
}

bool exitBoxShown(const FakeToolkit& toolkit)
{
    for (const FakeToolkit::Box& box : toolkit.Boxes) {
        if (box.Title == u"Program Exiting")
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TestConsole first;
    const QString path = SettingsFilePath(first.folder.path());
    WriteFuzzFile(path, FuzzBytes(data, size));
    const bool read = ReadSettings(first.console);
    FUZZ_CHECK(read != exitBoxShown(first.toolkit), QStringLiteral("a failure has its box"));
    if (!read)
        return 0;

    const Settings& kept = first.console.settings;
    FUZZ_CHECK(kept.RegChar.size() <= 1, kept.RegChar);
    FUZZ_CHECK(WriteSettings(first.console, kept.Left, kept.Top), path);

    // A restart: a fresh console reads the file the first one wrote.
    TestConsole second;
    WriteFuzzFile(SettingsFilePath(second.folder.path()), ReadFuzzFile(path));
    FUZZ_CHECK(ReadSettings(second.console), describe(kept));
    FUZZ_CHECK(sameSettings(kept, second.console.settings),
               describe(kept) + QStringLiteral("\n--- read back as ---\n") +
                   describe(second.console.settings));
    return 0;
}
