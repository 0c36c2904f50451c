#include "console/Console.h"

#include "console/ProgramError.h"

#include <QRandomGenerator>

#include <utility>

Console::Console(ChatLink& chatLink, Toolkit& kit, Clock& timeSource, QString folder)
    : deckRandom(QRandomGenerator::system()), chat(chatLink), toolkit(kit), clock(timeSource),
      programFolder(std::move(folder)),
      diskSync([&kit](const FileError& error, const QString& path) {
          ShowProgramError(kit, error, path);
      })
{
}
