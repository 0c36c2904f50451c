#include "ui/ConsoleBinding.h"

#include "console/Console.h"
#include "ui/MacroButton.h"
#include "ui/MainControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

void ShowText(QLineEdit* box, const TextBoxState& state)
{
    if (box->text() != state.Text)
        box->setText(state.Text);
    box->setEnabled(state.Enabled);
}

void ShowTip(QWidget* widget, const QString& tip)
{
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
}

void ShowMenu(QAction* action, const MenuState& state)
{
    action->setEnabled(state.Enabled);
    if (action->isCheckable())
        action->setChecked(state.Checked);
}

// An option button cannot be cleared while it is exclusive, and the state may clear both.
void ShowOption(QRadioButton* option, const CheckState& state)
{
    const QSignalBlocker block(option);
    option->setAutoExclusive(false);
    option->setChecked(state.Checked);
    option->setAutoExclusive(true);
    option->setEnabled(state.Enabled);
}

} // namespace

ConsoleBinding::ConsoleBinding(Console& console, MainControls& controls, QMainWindow& window)
    : QObject(&window), console_(console), w_(controls), window_(window)
{
    connectEdits();
}

void ConsoleBinding::connectEdits()
{
    ConsoleState& c = console_.controls;
    for (std::size_t i = 0; i < w_.cmbStart.size(); ++i) {
        connect(w_.cmbStart[i], &QComboBox::currentTextChanged, this,
                [&c, i](const QString& text) { c.cmbStart[i].Text = text; });
    }
    connect(w_.txtWager, &QLineEdit::textChanged, this,
            [&c](const QString& text) { c.txtWager.Text = text; });
    connect(w_.chkAll, &QCheckBox::toggled, this, [&c](bool on) { c.chkAll.Checked = on; });
    connect(w_.optHigher, &QRadioButton::toggled, this,
            [&c](bool on) { c.optHigher.Checked = on; });
    connect(w_.optLower, &QRadioButton::toggled, this, [&c](bool on) { c.optLower.Checked = on; });
    connect(w_.lstPlayers, &QListWidget::currentRowChanged, this,
            [&c](int row) { c.lstPlayers.SelectedRow = row; });
}

void ConsoleBinding::ToWidgets()
{
    // Showing may move the focus, and leaving the wager box runs its check, which may change
    // the state again: show once more rather than recurse.
    if (showing_) {
        again_ = true;
        return;
    }
    showing_ = true;
    do {
        again_ = false;
        showControls();
        showToolTips();
        showLinkState();
        showMenus();
        showWindow();
    } while (again_);
    showing_ = false;
}

void ConsoleBinding::showControls()
{
    ConsoleState& c = console_.controls;
    const QSignalBlocker blockWager(w_.txtWager);
    const QSignalBlocker blockAll(w_.chkAll);
    const QSignalBlocker blockList(w_.lstPlayers);

    w_.cmdSay->setText(c.cmdSay.Caption);
    w_.cmdSay->setEnabled(c.cmdSay.Enabled);
    for (std::size_t i = 0; i < w_.cmbStart.size(); ++i) {
        QComboBox* card = w_.cmbStart[i];
        const QSignalBlocker block(card);
        if (card->currentText() != c.cmbStart[i].Text) {
            const int item = card->findText(c.cmbStart[i].Text);
            card->setCurrentIndex(item);
            if (item < 0)
                card->setEditText(c.cmbStart[i].Text);
        }
        card->setEnabled(c.cmbStart[i].Enabled);
    }
    ShowText(w_.txtPlayer, c.txtPlayer);
    ShowText(w_.txtWager, c.txtWager);
    w_.chkAll->setChecked(c.chkAll.Checked);
    w_.chkAll->setEnabled(c.chkAll.Enabled);
    ShowOption(w_.optHigher, c.optHigher);
    ShowOption(w_.optLower, c.optLower);

    QListWidget* list = w_.lstPlayers;
    QStringList shown;
    shown.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        shown.append(list->item(row)->text());
    if (shown != c.lstPlayers.Rows) {
        list->clear();
        list->addItems(c.lstPlayers.Rows);
    }
    if (c.lstPlayers.SelectedRow >= list->count())
        c.lstPlayers.SelectedRow = -1;
    if (list->currentRow() != c.lstPlayers.SelectedRow || c.lstPlayers.SelectedRow < 0) {
        list->setCurrentRow(c.lstPlayers.SelectedRow);
        if (c.lstPlayers.SelectedRow < 0)
            list->clearSelection();
    }

    w_.lblPlayerCnt->setText(c.lblPlayerCnt.Caption);
    ShowText(w_.txtMacroGuide, c.txtMacroGuide);
    for (int i = 1; i <= 20; ++i)
        ShowText(w_.txtButton[static_cast<std::size_t>(i)],
                 c.txtButton[static_cast<std::size_t>(i)]);
}

void ConsoleBinding::showToolTips()
{
    const ToolTipState& tips = console_.controls.ToolTips;
    for (std::size_t i = 0; i < w_.cmbStart.size(); ++i)
        ShowTip(w_.cmbStart[i], tips.cmbStart[i]);
    for (std::size_t i = 1; i < tips.txtButton.size(); ++i)
        ShowTip(w_.txtButton[i], tips.txtButton[i]);
    ShowTip(w_.lstPlayers, tips.lstPlayers);
}

void ConsoleBinding::showLinkState()
{
    const LabelState& state = console_.controls.lblLinkState;
    QLabel* line = w_.lblLinkState;
    if (line->toolTip() == state.Caption && line->isHidden() == !state.Visible)
        return; // shown already: the state is shown before every pause and box
    // The text wraps over the line's two rows; what is still too long is cut, and the whole of
    // it is in the tip.
    const QFontMetrics metrics = line->fontMetrics();
    const QRect room(0, 0, line->width(), line->height());
    const auto fits = [&](const QString& text) {
        return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
    };
    QString shown = state.Caption;
    for (int width = 2 * room.width(); !fits(shown) && width > 0;
         width -= metrics.averageCharWidth())
        shown = metrics.elidedText(state.Caption, Qt::ElideRight, width);
    line->setText(shown);
    line->setToolTip(state.Caption);
    if (line->isHidden() == !state.Visible)
        return;
    // The window is of fixed size: it grows by the line, or shrinks back without it.
    line->setVisible(state.Visible);
    line->parentWidget()->setFixedHeight(ClientHeight + (state.Visible ? LinkStateHeight : 0));
    window_.setFixedSize(window_.sizeHint());
}

void ConsoleBinding::showMenus()
{
    ConsoleState& c = console_.controls;
    const MainMenus& m = w_.menus;
    ShowMenu(m.mnuFile->menuAction(), c.mnuFile);
    ShowMenu(m.mnuList->menuAction(), c.mnuList);
    // A disabled menu does not stop its items' shortcuts: the lock must reach them too.
    ShowMenu(m.mnuRecover, {c.mnuRecover.Enabled && c.mnuFile.Enabled, false});
    m.mnuExit->setEnabled(c.mnuFile.Enabled);
    ShowMenu(m.mnuOptions->menuAction(), c.mnuOptions);
    ShowMenu(m.mnuVeryFast, c.mnuVeryFast);
    ShowMenu(m.mnuFast, c.mnuFast);
    ShowMenu(m.mnuMedium, c.mnuMedium);
    ShowMenu(m.mnuSlow, c.mnuSlow);
    ShowMenu(m.mnuMonthlyDOW, c.mnuMonthlyDOW);
    ShowMenu(m.mnuMonthlyAll, c.mnuMonthlyAll);
    ShowMenu(m.mnuOnTop, c.mnuOnTop);
    ShowMenu(m.mnuDealCards, c.mnuDealCards);
    ShowMenu(m.mnuAbout, c.mnuAbout);
}

void ConsoleBinding::showWindow()
{
    ConsoleState& c = console_.controls;
    if (window_.windowTitle() != c.Caption)
        window_.setWindowTitle(c.Caption);

    // The window keeps above the others exactly while "Stay on Top" is checked. Changing the
    // flag re-creates the native window, which hides it: show it again where it stood.
    const bool onTop = c.mnuOnTop.Checked;
    if (window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        const bool wasVisible = window_.isVisible();
        const QPoint at = window_.pos();
        window_.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible) {
            window_.move(at);
            window_.show();
        }
    }
    if (window_.isVisible() != c.Visible)
        window_.setVisible(c.Visible);

    if (!c.Focus.isEmpty()) {
        if (auto* target = window_.findChild<QWidget*>(c.Focus))
            target->setFocus(Qt::OtherFocusReason);
        c.Focus.clear();
    }
}
