#pragma once

#include "console/MacroEditor.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QLabel;
class QLineEdit;
class QTextEdit;
class MacroButton;
struct Console;

// The macro editor's window: twenty numbered buttons, the selected macro's text and name, and
// a File menu. The steps live in MacroEditor; this window shows its state and reports the
// host's clicks and typing.
class MacroWindow final : public QMainWindow
{
    Q_OBJECT

public:
    // `mainWindow` (may be null) is shown again as this window closes, before it goes, so the
    // program never finds itself without a visible window.
    MacroWindow(Console& console, QWidget* mainWindow);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    void buildButtons(QWidget* frame);
    void act(void (MacroEditor::*step)());
    void refresh();

    MacroEditor editor_;
    QPointer<QWidget> mainWindow_;
    bool filling_ = false; // the window is writing the boxes: not the host's typing

    QLabel* label1_ = nullptr;
    QTextEdit* txtMacroText_ = nullptr;
    QLineEdit* txtMacroName_ = nullptr;
    QLineEdit* txtMacroGuide_ = nullptr;
    std::array<MacroButton*, 21> txtButton_{}; // 1 to 20; slot 0 unused
};
