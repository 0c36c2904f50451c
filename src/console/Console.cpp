#include "console/Console.h"

#include <utility>

Console::Console(ChatLink& chatLink, Toolkit& kit, Clock& timeSource, QString folder)
    : chat(chatLink), toolkit(kit), clock(timeSource), programFolder(std::move(folder))
{
}
