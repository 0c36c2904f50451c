#include "ui/MacroWindow.h"

#include "console/Console.h"
#include "text/GestureKeys.h"
#include "ui/DialogPlacement.h"
#include "ui/MacroButton.h"
#include "ui/MenuShortcutFirst.h"
#include "ui/StruckKey.h"
#include "ui/WindowFonts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTextEdit>

namespace {

const QColor Lavender(0x80, 0x80, 0xFF);
const QColor Olive(0xC0, 0xC0, 0x00);
const QColor Selected(0xC0, 0xC0, 0xFF);

// The text box shows lines broken by "\n"; the macro set keeps CR LF between them.
QString boxText(const QString& macroText)
{
    return QString(macroText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString macroText(const QString& boxText)
{
    return QString(boxText).replace(u'\n', QStringLiteral("\r\n"));
}

QLabel* bandLabel(const QString& name, const QString& caption, const QColor& text,
                  const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Olive);
    colours.setColor(QPalette::WindowText, text);
    label->setPalette(colours);
    return label;
}

void setBase(QWidget& box, const QColor& base, const QColor& text)
{
    QPalette colours = box.palette();
    colours.setColor(QPalette::Base, base);
    colours.setColor(QPalette::Text, text);
    box.setPalette(colours);
}

} // namespace

MacroWindow::MacroWindow(Console& console, QWidget* mainWindow)
    : QMainWindow(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), editor_(console),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmMacro"));
    setWindowTitle(QStringLiteral("Macro Editor"));
    setFont(ConsoleFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Lavender);
    setPalette(colours);
    setAutoFillBackground(true);

    buildMenu();
    buildControls();
    new MenuShortcutFirst(*this, *findChild<QAction*>(QStringLiteral("mnuExit")));
    refresh();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CentreOnScreen(*this);
}

void MacroWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    auto item = [this, file](const QString& name, const QString& caption) {
        QAction* action = file->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    connect(item(QStringLiteral("mnuNew"), QStringLiteral("&New")), &QAction::triggered, this,
            [this] { act(&MacroEditor::mnuNew_Click); });
    connect(item(QStringLiteral("mnuOpen"), QStringLiteral("&Open")), &QAction::triggered, this,
            [this] { act(&MacroEditor::mnuOpen_Click); });
    connect(item(QStringLiteral("mnuSave"), QStringLiteral("&Save")), &QAction::triggered, this,
            [this] {
                editor_.mnuSave_Click();
                refresh();
            });
    connect(item(QStringLiteral("mnuSaveAs"), QStringLiteral("Save &As...")), &QAction::triggered,
            this, [this] {
                editor_.mnuSaveAs_Click();
                refresh();
            });
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction* exit = item(QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MacroWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(506, 299);
    setCentralWidget(client);

    label1_ = bandLabel(QStringLiteral("Label1"), QStringLiteral("Macro Text"), QColor(0, 0, 0x80),
                        QRect(0, 0, 506, 22), client);

    txtMacroText_ = new QTextEdit(client);
    txtMacroText_->setObjectName(QStringLiteral("txtMacroText"));
    txtMacroText_->setAcceptRichText(false);
    txtMacroText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMacroText_->setGeometry(4, 24, 498, 118);
    QTextOption centred = txtMacroText_->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    txtMacroText_->document()->setDefaultTextOption(centred);
    txtMacroText_->installEventFilter(this);
    connect(txtMacroText_, &QTextEdit::textChanged, this, [this] {
        if (!filling_)
            editor_.txtMacroText_Change(macroText(txtMacroText_->toPlainText()));
    });

    bandLabel(QStringLiteral("Label2"), QStringLiteral("Macro descriptive name"),
              QColor(0, 0, 0x40), QRect(0, 146, 506, 22), client);

    txtMacroName_ = new QLineEdit(client);
    txtMacroName_->setObjectName(QStringLiteral("txtMacroName"));
    txtMacroName_->setAlignment(Qt::AlignCenter);
    txtMacroName_->setGeometry(4, 170, 498, 24);
    // textEdited reports the host's typing only, never the window's own filling.
    connect(txtMacroName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.txtMacroName_Change(text); });

    auto* frame = new QFrame(client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(13, 199, 480, 96);
    buildButtons(frame);
}

void MacroWindow::buildButtons(QWidget* frame)
{
    QFont buttonFont = MacroButtonFont();
    buttonFont.setPointSizeF(9.75);
    for (int index = 1; index <= 20; ++index) {
        auto* button = new MacroButton(index, frame);
        button->setFont(buttonFont);
        const int column = (index - 1) % 10;
        const int row = (index - 1) / 10;
        button->setGeometry(11 + column * 46, 6 + row * 30, 44, 26);
        connect(button, &MacroButton::clicked, this, [this](int i) {
            editor_.txtButton_Click(i);
            refresh();
        });
        connect(button, &MacroButton::hovered, this, [this](int i) {
            editor_.txtButton_MouseMove(i);
            refresh();
        });
        txtButton_[static_cast<std::size_t>(index)] = button;
    }

    txtMacroGuide_ = new QLineEdit(QStringLiteral("txtMacroGuide"), frame);
    txtMacroGuide_->setObjectName(QStringLiteral("txtMacroGuide"));
    txtMacroGuide_->setReadOnly(true);
    txtMacroGuide_->setAlignment(Qt::AlignCenter);
    txtMacroGuide_->setFocusPolicy(Qt::NoFocus);
    txtMacroGuide_->setGeometry(11, 64, 458, 26);
    setBase(*txtMacroGuide_, QColor(0, 0, 0xFF), QColor(0xFF, 0xFF, 0));
}

void MacroWindow::act(void (MacroEditor::*step)())
{
    (editor_.*step)();
    refresh();
}

// Shows the editor's state in the widgets. Boxes are rewritten only when their text differs,
// so the host's cursor stays where it was.
void MacroWindow::refresh()
{
    const MacroEditorState& state = editor_.controls;
    filling_ = true;
    label1_->setText(state.Label1);
    if (txtMacroName_->text() != state.txtMacroName.Text)
        txtMacroName_->setText(state.txtMacroName.Text);
    txtMacroName_->setReadOnly(state.txtMacroName.Locked);
    if (macroText(txtMacroText_->toPlainText()) != state.txtMacroText.Text)
        txtMacroText_->setPlainText(boxText(state.txtMacroText.Text));
    txtMacroText_->setReadOnly(state.txtMacroText.Locked);
    txtMacroGuide_->setText(state.txtMacroGuide);
    for (int index = 1; index <= 20; ++index) {
        MacroButton* button = txtButton_[static_cast<std::size_t>(index)];
        setBase(*button, index == state.SelectedMacro ? Selected : QColor(Qt::white), Qt::black);
    }
    if (!state.Focus.isEmpty()) {
        if (auto* target = findChild<QWidget*>(state.Focus))
            target->setFocus();
        editor_.controls.Focus.clear();
    }
    filling_ = false;
}

bool MacroWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtMacroText_ && event->type() == QEvent::KeyPress &&
        !txtMacroText_->isReadOnly()) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (const std::optional<QString> gesture = MacroTextKey(StruckKey(key), key.modifiers())) {
            QTextCursor cursor = txtMacroText_->textCursor();
            cursor.insertText(*gesture); // replaces any selection
            txtMacroText_->setTextCursor(cursor);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MacroWindow::closeEvent(QCloseEvent* event)
{
    if (!editor_.Form_Unload()) {
        // The host chose to mend a text the file cannot keep.
        refresh();
        event->ignore();
        return;
    }
    if (mainWindow_)
        mainWindow_->show();
    event->accept();
}
