#include "macros/BuiltInMacros.h"

void SetBuiltInMacros(MacroTable& macros)
{
    macros[8] = {QStringLiteral("Scores"), QStringLiteral("%scores%")};
    macros[9] = {QStringLiteral("Call for Regs"),
                 QStringLiteral("To register ESP a %reg% to %host%, if you haven't done it yet.")};
    macros[10] = {QStringLiteral("Get Regs"), QStringLiteral("%getregs%")};
}
