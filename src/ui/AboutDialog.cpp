#include "ui/AboutDialog.h"

#include "text/FixedLines.h"
#include "ui/AppIcon.h"
#include "ui/WindowFonts.h"

#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

const QString ApplicationTitle = QStringLiteral("Quillo Single");

QLabel* CentredLabel(QWidget* parent, const QString& name, const QString& text, QRect at,
                     const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QFrame* Rule(QWidget* parent, const QString& name, int y, const QColor& colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(8, y, 366, 1);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, colour);
    line->setPalette(colours);
    return line;
}

} // namespace

AboutDialog::AboutDialog(const QString& programFolder, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + ApplicationTitle);
    setWindowIcon(QuilloIcon());
    setFixedSize(382, 225);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(12, 12, 32, 32);
    picIcon->setPixmap(QuilloIcon().pixmap(32, 32));

    CentredLabel(this, QStringLiteral("lblTitle"), ApplicationTitle, {56, 12, 270, 36},
                 ConsoleFont(14.25));
    CentredLabel(this, QStringLiteral("lblVersion"),
                 QStringLiteral("Single Player Version ") + VersionText(), {56, 56, 270, 24},
                 ConsoleFont());
    CentredLabel(this, QStringLiteral("lblDescription"),
                 QStringLiteral("The host's console for Quillo, the higher/lower card game "
                                "with wagers."),
                 {24, 84, 334, 40}, ConsoleFont());
    // Where the settings, macros and records are: a host moving to another machine asks. A
    // path too long for the line shows its two ends, and whole under the pointer.
    const QString folder = QDir::toNativeSeparators(programFolder);
    const QRect folderAt(12, 126, 358, 36);
    QLabel* lblFolder = CentredLabel(this, QStringLiteral("lblFolder"), {}, folderAt, QFont());
    lblFolder->setText(
        QFontMetrics(lblFolder->font())
            .elidedText(QStringLiteral("Files in ") + folder, Qt::ElideMiddle, folderAt.width()));
    lblFolder->setToolTip(folder);
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Rule(this, QStringLiteral("Line1(0)"), 166, Qt::white);
    Rule(this, QStringLiteral("Line1(1)"), 167, Qt::gray);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(150, 180, 82, 30);
    cmdOK->setDefault(true); // Enter; Esc rejects, which closes the box just the same
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
