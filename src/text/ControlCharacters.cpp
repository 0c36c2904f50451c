#include "text/ControlCharacters.h"

#include <algorithm>

bool IsControlCharacter(QChar c)
{
    return c.unicode() < 32 || c.unicode() == 127;
}

bool HasControlCharacter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}
