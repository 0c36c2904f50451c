#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
struct Console;
struct SettingsForm;

// The settings dialog: registration character, confirmation, the four game messages and the
// starting score. There is no cancel: closing it in any way applies what it shows, rewrites
// the settings file and shows the console again.
class SettingsWindow final : public QWidget
{
    Q_OBJECT

public:
    // `mainWindow` (may be null) is shown again as this window closes, before it goes, so the
    // program never finds itself without a visible window.
    SettingsWindow(Console& console, QWidget* mainWindow);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setTabOrder();
    void fill(const SettingsForm& form);
    SettingsForm read() const;

    Console& console_;
    QPointer<QWidget> mainWindow_;

    QLineEdit* txtRegChar_ = nullptr;
    QCheckBox* chkConfirm_ = nullptr;
    QLineEdit* txtCall_ = nullptr;
    QLineEdit* txtWin_ = nullptr;
    QLineEdit* txtLose_ = nullptr;
    QLineEdit* txtPush_ = nullptr;
    QLineEdit* txtStartingScore_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};
