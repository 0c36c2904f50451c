#include "console/ConsoleState.h"

ConsoleState::ConsoleState()
{
    // Each macro button shows its own number until the host points at it.
    for (int i = 1; i < static_cast<int>(txtButton.size()); ++i)
        txtButton[static_cast<std::size_t>(i)].Text = QString::number(i);

    // The boxes carry no labels: the tips say which card of the turn each one is for.
    ToolTips.cmbStart[0] =
        QStringLiteral("The face-up card: pick it here before \"Ask for Wager\"");
    for (int i = 1; i < static_cast<int>(ToolTips.cmbStart.size()); ++i) {
        ToolTips.cmbStart[static_cast<std::size_t>(i)] =
            QStringLiteral("Card %1: pick the card turned after \"Please turn card %1\", "
                           "then \"Say Results\"")
                .arg(i);
    }
    ToolTips.lstPlayers = QStringLiteral(
        "Each row: the score, a marker and the name; \"--\": not drawn yet, \"+\": drawn.\n"
        "10--Alice: Alice has 10 points and is still to play.\n"
        "0+Bob: Bob has been drawn and has 0 points.\n"
        "Right-click a selected player to Delete or Say Score.");
}
