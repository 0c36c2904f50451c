#include "ui/SettingsWindow.h"

#include "console/Console.h"
#include "console/SettingsForm.h"
#include "text/GestureKeys.h"
#include "ui/DialogPlacement.h"
#include "ui/StruckKey.h"
#include "ui/WindowFonts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor Olive(0xC0, 0xC0, 0x00);

QGroupBox* messageFrame(const QString& name, const QString& caption, int top, QWidget* parent,
                        QLineEdit*& box, const QString& boxName)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(4, top, 346, 46);
    box = new QLineEdit(frame);
    box->setObjectName(boxName);
    box->setGeometry(6, 18, 334, 22);
    return frame;
}

} // namespace

SettingsWindow::SettingsWindow(Console& console, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), console_(console),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFont(ConsoleFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Olive);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(354, 278);

    buildControls();
    setTabOrder();
    fill(FillSettingsForm(console_.settings));
    txtRegChar_->installEventFilter(this);
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
    CentreOnScreen(*this);
}

void SettingsWindow::buildControls()
{
    auto* label1 = new QLabel(QStringLiteral("Registration Character"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(8, 10, 176, 22);

    txtRegChar_ = new QLineEdit(this);
    txtRegChar_->setObjectName(QStringLiteral("txtRegChar"));
    txtRegChar_->setAlignment(Qt::AlignCenter);
    txtRegChar_->setGeometry(188, 8, 26, 24);

    chkConfirm_ = new QCheckBox(QStringLiteral("Confirm Reg?"), this);
    chkConfirm_->setObjectName(QStringLiteral("chkConfirm"));
    chkConfirm_->setGeometry(230, 10, 120, 22);

    messageFrame(QStringLiteral("fraCall"), QStringLiteral("Player call Message"), 38, this,
                 txtCall_, QStringLiteral("txtCall"));
    messageFrame(QStringLiteral("fraWin"), QStringLiteral("Win Message"), 86, this, txtWin_,
                 QStringLiteral("txtWin"));
    messageFrame(QStringLiteral("fraLose"), QStringLiteral("Lose Message"), 134, this, txtLose_,
                 QStringLiteral("txtLose"));
    messageFrame(QStringLiteral("fraPush"), QStringLiteral("Push Message"), 182, this, txtPush_,
                 QStringLiteral("txtPush"));

    auto* label2 = new QLabel(QStringLiteral("Starting Score"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(8, 242, 112, 22);

    txtStartingScore_ = new QLineEdit(this);
    txtStartingScore_->setObjectName(QStringLiteral("txtStartingScore"));
    txtStartingScore_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtStartingScore_->setGeometry(124, 240, 56, 24);

    cmdClose_ = new QPushButton(QStringLiteral("Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setGeometry(266, 236, 80, 32);
}

// The keyboard order the host is used to: the messages follow the registration box, and the
// call message comes last.
void SettingsWindow::setTabOrder()
{
    const QList<QWidget*> order = {txtRegChar_,       txtWin_,     txtLose_,  txtPush_,
                                   txtStartingScore_, chkConfirm_, cmdClose_, txtCall_};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    txtRegChar_->setFocus();
}

void SettingsWindow::fill(const SettingsForm& form)
{
    txtCall_->setText(form.txtCall);
    txtWin_->setText(form.txtWin);
    txtLose_->setText(form.txtLose);
    txtPush_->setText(form.txtPush);
    txtRegChar_->setText(form.txtRegChar);
    txtStartingScore_->setText(form.txtStartingScore);
    chkConfirm_->setChecked(form.chkConfirm);
}

SettingsForm SettingsWindow::read() const
{
    SettingsForm form;
    form.txtCall = txtCall_->text();
    form.txtWin = txtWin_->text();
    form.txtLose = txtLose_->text();
    form.txtPush = txtPush_->text();
    form.txtRegChar = txtRegChar_->text();
    form.txtStartingScore = txtStartingScore_->text();
    form.chkConfirm = chkConfirm_->isChecked();
    return form;
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtRegChar_ && event->type() == QEvent::KeyRelease) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (const std::optional<QString> shown = RegCharForKey(StruckKey(key), key.modifiers()))
            txtRegChar_->setText(*shown);
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    ApplySettingsForm(console_, read());
    // Shown before this window goes, so the program never finds itself without a window.
    if (mainWindow_)
        mainWindow_->show();
    event->accept();
}
