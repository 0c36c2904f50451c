#include "ui/MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* NamedMenu(const QString& name, const QString& caption, QWidget* parent)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Item(QMenu* menu, const QString& name, const QString& caption, bool checked = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (checked) {
        action->setCheckable(true);
        action->setChecked(true); // the design state; start-up sets every mark
    }
    return action;
}

void Separator(QMenu* menu, const QString& name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

void MainMenus::Build(QMenuBar* bar, QWidget* window)
{
    mnuFile = NamedMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"), bar);
    mnuList = NamedMenu(QStringLiteral("mnuList"), QStringLiteral("Monthly Points"), mnuFile);
    mnuMSave = Item(mnuList, QStringLiteral("mnuMSave"), QStringLiteral("Save Today's Points"));
    Separator(mnuList, QStringLiteral("mnuSep6"));
    mnuMThis = Item(mnuList, QStringLiteral("mnuMThis"), QStringLiteral("List This Month"));
    mnuMOther = Item(mnuList, QStringLiteral("mnuMOther"), QStringLiteral("List Other Month"));
    mnuFile->addMenu(mnuList);
    Separator(mnuFile, QStringLiteral("mnuSep5"));
    mnuRecover = Item(mnuFile, QStringLiteral("mnuRecover"), QStringLiteral("&Recover"));
    mnuRecover->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Separator(mnuFile, QStringLiteral("mnuSep3"));
    mnuExit = Item(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    bar->addMenu(mnuFile);

    mnuOptions = NamedMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"), bar);
    mnuSpeed = NamedMenu(QStringLiteral("mnuSpeed"), QStringLiteral("Speed"), mnuOptions);
    mnuVeryFast = Item(mnuSpeed, QStringLiteral("mnuVeryFast"), QStringLiteral("Very Fast"), true);
    mnuFast = Item(mnuSpeed, QStringLiteral("mnuFast"), QStringLiteral("Fast"), true);
    mnuMedium = Item(mnuSpeed, QStringLiteral("mnuMedium"), QStringLiteral("Medium"), true);
    mnuSlow = Item(mnuSpeed, QStringLiteral("mnuSlow"), QStringLiteral("Slow"), true);
    mnuOptions->addMenu(mnuSpeed);
    mnuMonthly =
        NamedMenu(QStringLiteral("mnuMonthly"), QStringLiteral("Monthly Points"), mnuOptions);
    mnuMonthlyDOW =
        Item(mnuMonthly, QStringLiteral("mnuMonthlyDOW"), QStringLiteral("Day-of-Week"), true);
    mnuMonthlyAll =
        Item(mnuMonthly, QStringLiteral("mnuMonthlyAll"), QStringLiteral("All Games"), true);
    mnuOptions->addMenu(mnuMonthly);
    mnuOnTop = Item(mnuOptions, QStringLiteral("mnuOnTop"), QStringLiteral("Stay on Top"), true);
    mnuDealCards =
        Item(mnuOptions, QStringLiteral("mnuDealCards"), QStringLiteral("Deal Cards"), true);
    Separator(mnuOptions, QStringLiteral("mnuSep4"));
    mnuSettings = Item(mnuOptions, QStringLiteral("mnuSettings"), QStringLiteral("Settings"));
    mnuEditMacros =
        Item(mnuOptions, QStringLiteral("mnuEditMacros"), QStringLiteral("Edit Macros"));
    bar->addMenu(mnuOptions);

    mnuAbout = bar->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    mnuPlayer = NamedMenu(QStringLiteral("mnuPlayer"), QStringLiteral("Player"), window);
    mnuPDelete = Item(mnuPlayer, QStringLiteral("mnuPDelete"), QStringLiteral("Delete"));
    mnuPSayScore = Item(mnuPlayer, QStringLiteral("mnuPSayScore"), QStringLiteral("Say Score"));
    mnuWager = NamedMenu(QStringLiteral("mnuWager"), QStringLiteral("Wager"), window);
    mnuFix = Item(mnuWager, QStringLiteral("mnuFix"), QStringLiteral("Fix Wager"));
    mnuCard = NamedMenu(QStringLiteral("mnuCard"), QStringLiteral("Card"), window);
    mnuFixCard = Item(mnuCard, QStringLiteral("mnuFixCard"), QStringLiteral("Fix Card"));
}
