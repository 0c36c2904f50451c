// The macro file reader over any file. Whatever the file holds, reading it ends and a failure
// is reported in its box; a file that reads leaves the built-in macros in place, and what the
// program saves from it reads back to the same table, so a save and a reload lose nothing.

#include "FuzzSupport.h"
#include "console/MacroFile.h"
#include "macros/BuiltInMacros.h"
#include "records/MacroFileFormat.h"
#include "support/TestConsole.h"

namespace {

bool sameSlots(const MacroTable& a, const MacroTable& b)
{
    for (std::size_t n = 1; n < a.size(); ++n) {
        if (a[n].Name != b[n].Name || a[n].Text != b[n].Text)
            return false;
    }
    return true;
}

bool builtInsInPlace(const MacroTable& macros)
{
    MacroTable builtIns{};
    SetBuiltInMacros(builtIns);
    for (std::size_t n : {8u, 9u, 10u}) {
        if (macros[n].Name != builtIns[n].Name || macros[n].Text != builtIns[n].Text)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TestConsole first;
    Console& console = first.console;
    SetBuiltInMacros(console.macros);
    console.settings.MacroFile = first.Path(QStringLiteral("macros.txt"));
    WriteFuzzFile(console.settings.MacroFile, FuzzBytes(data, size));
    LoadMacros(console);
    FUZZ_CHECK(!first.toolkit.Hourglass, QStringLiteral("the hourglass is off again"));
    if (!first.toolkit.Boxes.isEmpty()) {
        FUZZ_CHECK(first.toolkit.Boxes.size() == 1 &&
                       first.toolkit.Boxes.front().Title == u"Problem with Macro File",
                   first.toolkit.Boxes.front().Title);
        return 0;
    }
    FUZZ_CHECK(builtInsInPlace(console.macros), MacroFileText(console.macros));

    // Saved and loaded again, then saved and loaded once more: the second load must give back
    // exactly what the first one gave, and both saves the same text.
    FUZZ_CHECK(SaveMacros(console), console.settings.MacroFile);
    TestConsole second;
    second.console.settings.MacroFile = console.settings.MacroFile;
    LoadMacros(second.console);
    FUZZ_CHECK(second.toolkit.Boxes.isEmpty(), MacroFileText(console.macros));
    FUZZ_CHECK(MacroFileText(second.console.macros) == MacroFileText(console.macros),
               MacroFileText(console.macros) + QStringLiteral("\n--- reloaded as ---\n") +
                   MacroFileText(second.console.macros));
    FUZZ_CHECK(SaveMacros(second.console), second.console.settings.MacroFile);
    TestConsole third;
    third.console.settings.MacroFile = console.settings.MacroFile;
    LoadMacros(third.console);
    FUZZ_CHECK(sameSlots(second.console.macros, third.console.macros),
               MacroFileText(second.console.macros));
    return 0;
}
