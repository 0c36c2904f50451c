#pragma once

#include <QByteArray>
#include <QPointer>
#include <QWidget>

class PracticeRoom;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

// The practice room on screen: its chat text, live, as a chat client would show it, and the
// other avatars in the hands of the person at the keyboard, who can speak in the room or send
// the host an ESP as any of them, and rename the host's avatar.
class PracticeRoomWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PracticeRoomWindow(PracticeRoom& room, QWidget* parent = nullptr);

    // Places the window to the right of the given one, on the same screen where it fits.
    void PlaceBeside(const QWidget& console);
    // Shows the window beside the console, shown already, once the window manager has placed
    // the console and its frame is known: placed earlier, the room would cover it.
    void ShowBeside(QWidget& console);
    // Shows the room's chat text now if it changed.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showBesideNow();
    bool readLine(QString& avatar, QString& text);
    void say();
    void esp();
    void setHost();

    PracticeRoom& room_;
    QPlainTextEdit* chat_ = nullptr;
    QLineEdit* avatar_ = nullptr;
    QLineEdit* line_ = nullptr;
    QComboBox* gesture_ = nullptr;
    QLineEdit* host_ = nullptr;
    QLabel* note_ = nullptr;
    QTimer* poll_ = nullptr;
    QByteArray shown_;
    QPointer<QWidget> console_; // the console waited for, until the room is shown
};
