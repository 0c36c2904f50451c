#include "console/MacroNames.h"

#include "console/Console.h"

void ShowMacroNames(Console& console)
{
    std::array<QString, 21>& tips = console.controls.ToolTips.txtButton;
    for (std::size_t i = 1; i < tips.size() && i < console.macros.size(); ++i)
        tips[i] = console.macros[i].Name;
}
