#include "console/ConsoleState.h"

ConsoleState::ConsoleState()
{
    // Each macro button shows its own number until the host points at it.
    for (int i = 1; i < static_cast<int>(txtButton.size()); ++i)
        txtButton[static_cast<std::size_t>(i)].Text = QString::number(i);
}
