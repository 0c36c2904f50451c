#include "ui/PracticeRoomWindow.h"

#include "room/PracticeRoom.h"
#include "text/Cp1252.h"
#include "text/Gestures.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// How often the window looks for new chat text: quick enough to read along as lines are said.
constexpr int PollMs = 100;

// Shown anyway, where the console stands then, if the console is never exposed.
constexpr int PlacementWaitMs = 3000;

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

PracticeRoomWindow::PracticeRoomWindow(PracticeRoom& room, QWidget* parent)
    : QWidget(parent, Qt::Window), room_(room)
{
    setObjectName(QStringLiteral("frmPracticeRoom"));
    setWindowTitle(QStringLiteral("Quillo Practice Room"));
    resize(460, 520);

    chat_ = new QPlainTextEdit(this);
    chat_->setObjectName(QStringLiteral("txtRoomChat"));
    chat_->setReadOnly(true);
    chat_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    avatar_ = new QLineEdit(this);
    avatar_->setObjectName(QStringLiteral("txtAvatar"));
    avatar_->setPlaceholderText(QStringLiteral("the avatar who speaks"));
    line_ = new QLineEdit(this);
    line_->setObjectName(QStringLiteral("txtRoomLine"));
    line_->setPlaceholderText(QStringLiteral("what the avatar says or sends"));
    gesture_ = new QComboBox(this);
    gesture_->setObjectName(QStringLiteral("cmbGesture"));
    gesture_->addItem(QStringLiteral("Gesture..."));
    for (const QString& character : GestureCharacters())
        gesture_->addItem(character + QStringLiteral("  ") + GestureTag(character), character);

    auto* sayButton = Button(QStringLiteral("cmdRoomSay"), QStringLiteral("Say in the room"), this);
    auto* espButton = Button(QStringLiteral("cmdRoomEsp"), QStringLiteral("ESP the host"), this);
    host_ = new QLineEdit(room_.HostAvatar(), this);
    host_->setObjectName(QStringLiteral("txtHostAvatar"));
    auto* hostButton = Button(QStringLiteral("cmdSetHost"), QStringLiteral("Set"), this);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblRoomNote"));

    auto* lineRow = new QHBoxLayout;
    lineRow->addWidget(line_, 1);
    lineRow->addWidget(gesture_);
    auto* actions = new QHBoxLayout;
    actions->addWidget(sayButton);
    actions->addWidget(espButton);
    actions->addStretch();
    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(host_, 1);
    hostRow->addWidget(hostButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Avatar"), avatar_);
    form->addRow(QStringLiteral("Text"), lineRow);
    form->addRow(QString(), actions);
    form->addRow(QStringLiteral("Host's avatar"), hostRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chat_, 1);
    layout->addLayout(form);
    layout->addWidget(note_);

    connect(sayButton, &QPushButton::clicked, this, &PracticeRoomWindow::say);
    connect(line_, &QLineEdit::returnPressed, this, &PracticeRoomWindow::say);
    connect(espButton, &QPushButton::clicked, this, &PracticeRoomWindow::esp);
    connect(hostButton, &QPushButton::clicked, this, &PracticeRoomWindow::setHost);
    connect(host_, &QLineEdit::returnPressed, this, &PracticeRoomWindow::setHost);
    connect(gesture_, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            line_->insert(gesture_->itemData(index).toString());
        gesture_->setCurrentIndex(0);
        line_->setFocus();
    });

    // The room has no change signal; the console's pauses keep the event loop running, so a
    // short poll shows each line as it is said.
    poll_ = new QTimer(this);
    poll_->setInterval(PollMs);
    connect(poll_, &QTimer::timeout, this, &PracticeRoomWindow::Refresh);
    poll_->start();
    Refresh();
}

void PracticeRoomWindow::PlaceBeside(const QWidget& console)
{
    const QRect frame = console.frameGeometry();
    QPoint at(frame.right() + 12, frame.top());
    if (const QScreen* screen = console.screen()) {
        const QRect room = screen->availableGeometry();
        if (at.x() + width() > room.right())
            at.setX(std::max(room.left(), frame.left() - width() - 12));
    }
    move(at);
}

void PracticeRoomWindow::ShowBeside(QWidget& console)
{
    console_ = &console;
    QWindow* window = console.windowHandle();
    if (!window) {
        showBesideNow();
        return;
    }
    // The window manager has placed the console when it first exposes it; the geometry it
    // reports may still be queued then, so the room is placed after it.
    if (window->isExposed())
        QTimer::singleShot(0, this, &PracticeRoomWindow::showBesideNow);
    else
        window->installEventFilter(this);
    QTimer::singleShot(PlacementWaitMs, this, &PracticeRoomWindow::showBesideNow);
}

void PracticeRoomWindow::showBesideNow()
{
    if (!console_)
        return;
    if (QWindow* window = console_->windowHandle())
        window->removeEventFilter(this);
    PlaceBeside(*console_);
    console_ = nullptr;
    show();
}

bool PracticeRoomWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && console_ && watched == console_->windowHandle() &&
        console_->windowHandle()->isExposed())
        QTimer::singleShot(0, this, &PracticeRoomWindow::showBesideNow);
    return QWidget::eventFilter(watched, event);
}

void PracticeRoomWindow::Refresh()
{
    const QByteArray text = room_.ChatText();
    if (text == shown_)
        return;
    shown_ = text;
    QString shownText = FromCp1252(text);
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    chat_->setPlainText(shownText);
    chat_->verticalScrollBar()->setValue(chat_->verticalScrollBar()->maximum());
}

bool PracticeRoomWindow::readLine(QString& avatar, QString& text)
{
    avatar = avatar_->text().trimmed();
    text = line_->text();
    if (avatar.isEmpty()) {
        note_->setText(QStringLiteral("Name the avatar first."));
        avatar_->setFocus();
        return false;
    }
    if (text.isEmpty()) {
        note_->setText(QStringLiteral("Type what the avatar says."));
        line_->setFocus();
        return false;
    }
    note_->clear();
    return true;
}

void PracticeRoomWindow::say()
{
    QString avatar;
    QString text;
    if (!readLine(avatar, text))
        return;
    room_.Say(avatar, text);
    line_->clear();
    Refresh();
}

void PracticeRoomWindow::esp()
{
    QString avatar;
    QString text;
    if (!readLine(avatar, text))
        return;
    room_.Esp(avatar, text);
    line_->clear();
    Refresh();
}

void PracticeRoomWindow::setHost()
{
    const QString name = host_->text().trimmed();
    if (name.isEmpty()) {
        note_->setText(QStringLiteral("The host's avatar needs a name."));
        host_->setText(room_.HostAvatar());
        return;
    }
    room_.SetHostAvatar(name);
    note_->setText(QStringLiteral("The host speaks as ") + name + QStringLiteral(" now."));
}
