#include "ui/MainWindow.h"

#include "console/Console.h"
#include "console/WindowSettings.h"
#include "ui/AboutDialog.h"
#include "ui/ConsoleBinding.h"
#include "ui/HandlerWiring.h"
#include "ui/MacroButton.h"
#include "ui/MenuShortcutFirst.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

MainWindow::MainWindow(Console& console, QWidget* parent) : QMainWindow(parent), console_(console)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillo"));
    setFont(ConsoleFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    QPalette olive = client->palette();
    olive.setColor(QPalette::Window, QColor(0x40, 0x40, 0x00));
    olive.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x00));
    client->setPalette(olive);
    client->setAutoFillBackground(true);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);
    w_.Build(client);
    w_.menus.Build(menuBar(), this);
    new MenuShortcutFirst(*this, *w_.menus.mnuExit);

    // A fixed frame: the client area and the menu bar, nothing to drag.
    adjustSize();
    setFixedSize(sizeHint());

    w_.fraCurrent->installEventFilter(this);
    w_.fraWager->installEventFilter(this);
    w_.lstPlayers->viewport()->installEventFilter(this);
    w_.Frame1->installEventFilter(this);
    w_.txtWager->installEventFilter(this);

    binding_ = new ConsoleBinding(console_, w_, *this);
    wireOwnHandlers();
    WireHandlers(*this);
}

MainWindow::~MainWindow()
{
    delete dialog_.data();
}

Console& MainWindow::TheConsole()
{
    return console_;
}

const MainControls& MainWindow::Widgets() const
{
    return w_;
}

void MainWindow::Run(const Handler& handler)
{
    handler(console_);
    ShowState();
}

void MainWindow::ShowState()
{
    binding_->ToWidgets();
}

void MainWindow::OnAction(const QString& name, Handler handler)
{
    auto* action = findChild<QAction*>(name);
    Q_ASSERT_X(action, "MainWindow::onAction", "no menu item by that name");
    if (action)
        connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
}

void MainWindow::OnClick(const QString& name, Handler handler)
{
    auto* button = findChild<QAbstractButton*>(name);
    Q_ASSERT_X(button, "MainWindow::onClick", "no button by that name");
    if (!button)
        return;
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
        if (!consumeRefusedClick(button))
            Run(handler);
    });
}

void MainWindow::OnMacroClick(IndexedHandler handler)
{
    for (int i = 1; i <= 20; ++i) {
        connect(w_.txtButton[static_cast<std::size_t>(i)], &MacroButton::clicked, this,
                [this, handler](int index) {
                    if (!consumeRefusedClick(w_.txtButton[static_cast<std::size_t>(index)]))
                        Run([&handler, index](Console& c) { handler(c, index); });
                });
    }
}

void MainWindow::OnKey(const QKeySequence& key, Handler handler)
{
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, handler] { Run(handler); });
}

void MainWindow::OnWagerValidate(Check accept)
{
    wagerCheck_ = std::move(accept);
}

bool MainWindow::consumeRefusedClick(QObject* clicked)
{
    if (!refusedClick_ || refusedClick_ != clicked)
        return false;
    refusedClick_ = nullptr;
    return true;
}

void MainWindow::OpenDialog(QWidget* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog_ = dialog;
    connect(dialog, &QObject::destroyed, this, [this] {
        console_.controls.Visible = !unloaded_;
        ShowState();
    });
    dialog->show();
    console_.controls.Visible = false;
    ShowState();
}

void MainWindow::MoveToTwips(QPoint twips)
{
    const QPoint at = TwipsToWindowPixels(*this, twips);
    // A place saved on a screen that is gone would leave the console out of reach.
    const QRect title(at, QSize(width(), 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(title)) {
            move(at);
            return;
        }
    }
}

void MainWindow::setVisible(bool visible)
{
    if (!visible && isVisible()) {
        hiddenAt_ = pos();
    } else if (visible && !isVisible() && hiddenAt_) {
        move(*hiddenAt_);
        // Moving a hidden widget to where it stood tells its native window nothing; unless the
        // native window is given a place, the window manager picks one as for a new window.
        if (QWindow* native = windowHandle())
            native->setFramePosition(*hiddenAt_);
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::wireOwnHandlers()
{
    OnAction(QStringLiteral("mnuOnTop"), mnuOnTop_Click);
    connect(w_.menus.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(w_.menus.mnuAbout, &QAction::triggered, this,
            [this] { OpenDialog(new AboutDialog(console_.programFolder)); });

    // The name of the macro under the mouse; the bare frame between the buttons clears it.
    for (int i = 1; i <= 20; ++i) {
        connect(w_.txtButton[static_cast<std::size_t>(i)], &MacroButton::hovered, this,
                [this](int index) {
                    Run([index](Console& c) {
                        c.controls.txtMacroGuide.Text =
                            c.macros[static_cast<std::size_t>(index)].Name;
                    });
                });
    }
}

void MainWindow::popUp(QMenu* menu, QEvent* event)
{
    menu->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    const bool rightDown = type == QEvent::MouseButtonPress &&
                           static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (watched == w_.fraCurrent && rightDown) {
        popUp(w_.menus.mnuCard, event);
        return true;
    }
    if (watched == w_.fraWager && rightDown) {
        popUp(w_.menus.mnuWager, event);
        return true;
    }
    if (watched == w_.lstPlayers->viewport() && rightDown) {
        // The right button neither selects nor moves the selection; it offers the menu for the
        // player already selected.
        if (console_.controls.lstPlayers.SelectedRow >= 0)
            popUp(w_.menus.mnuPlayer, event);
        return true;
    }
    if (watched == w_.Frame1 && type == QEvent::MouseMove) {
        Run([](Console& c) { c.controls.txtMacroGuide.Text.clear(); });
        return false;
    }
    if (watched == w_.txtWager && type == QEvent::FocusOut && wagerCheck_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // The control taking the focus already holds it here; its click must not happen.
            QObject* taker = QApplication::focusWidget();
            bool accepted = true;
            Run([this, &accepted](Console& c) { accepted = wagerCheck_(c); });
            refusedClick_ = accepted ? nullptr : taker;
            if (!accepted)
                w_.txtWager->setFocus(Qt::OtherFocusReason);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;
    console_.controls.Visible = false;
    Q_EMIT unloading();
}
