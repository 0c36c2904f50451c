#include "ui/MainControls.h"

#include "text/Cards.h"
#include "ui/MacroButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor Olive(0x40, 0x40, 0x00);
const QColor Yellow(0xFF, 0xFF, 0x00);

template <typename W> W* Named(QWidget* parent, const QString& name, QRect geometry)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

void Colour(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QFrame* BareFrame(QWidget* parent, const QString& name, QRect geometry)
{
    auto* frame = Named<QFrame>(parent, name, geometry);
    frame->setFrameShape(QFrame::NoFrame);
    Colour(frame, Olive, Yellow);
    return frame;
}

} // namespace

void MainControls::Build(QWidget* client)
{
    // The focus sink comes first in the tab order and hides behind the player list; it only
    // ever holds the focus.
    Command2 = Named<QPushButton>(client, QStringLiteral("Command2"), {8, 312, 17, 17});
    Command2->setText(QStringLiteral("dummy"));

    cmdSay = Named<QPushButton>(client, QStringLiteral("cmdSay"), {4, 106, 170, 28});
    cmdSay->setText(QStringLiteral("Start"));

    fraCurrent = BareFrame(client, QStringLiteral("fraCurrent"), {0, 0, ClientWidth, 104});
    // Three rows of cards: 0 and 6 on top, 4 and 5 in the middle, 1, 2 and 3 below.
    const std::array<QPoint, 7> cardAt{
        {{4, 4}, {4, 52}, {63, 52}, {122, 52}, {34, 28}, {92, 28}, {122, 4}}};
    const QStringList ranks = CardList();
    for (int i = 0; i < 7; ++i) {
        auto* card = Named<QComboBox>(fraCurrent, QStringLiteral("cmbStart(%1)").arg(i),
                                      {cardAt[i], QSize(52, 22)});
        // Given its line edit the card is editable as setEditable makes it, without setEditable
        // building the pop-up list up front: it is built when first opened.
        card->setLineEdit(new QLineEdit(card));
        card->setInsertPolicy(QComboBox::NoInsert);
        card->addItems(ranks);
        card->setCurrentIndex(-1);
        card->setMaxVisibleItems(13);
        cmbStart[static_cast<std::size_t>(i)] = card;
    }
    txtPlayer = Named<QLineEdit>(fraCurrent, QStringLiteral("txtPlayer"), {4, 78, 170, 22});
    txtPlayer->setReadOnly(true);

    lstPlayers = Named<QListWidget>(client, QStringLiteral("lstPlayers"), {4, 308, 170, 155});
    lstPlayers->setSortingEnabled(false);

    fraWager = Named<QGroupBox>(client, QStringLiteral("fraWager"), {4, 136, 170, 70});
    fraWager->setTitle(QStringLiteral("Wager"));
    Colour(fraWager, Olive, Yellow);
    txtWager = Named<QLineEdit>(fraWager, QStringLiteral("txtWager"), {8, 20, 70, 22});
    txtWager->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtWager->setText(QStringLiteral("Text1"));
    chkAll = Named<QCheckBox>(fraWager, QStringLiteral("chkAll"), {8, 45, 70, 20});
    chkAll->setText(QStringLiteral("All?"));
    optHigher = Named<QRadioButton>(fraWager, QStringLiteral("optHigher"), {88, 18, 78, 22});
    optHigher->setText(QStringLiteral("Higher"));
    optLower = Named<QRadioButton>(fraWager, QStringLiteral("optLower"), {88, 42, 78, 22});
    optLower->setText(QStringLiteral("Lower"));

    Frame1 = BareFrame(client, QStringLiteral("Frame1"), {0, 208, ClientWidth, 76});
    Frame1->setMouseTracking(true);
    txtMacroGuide = Named<QLineEdit>(Frame1, QStringLiteral("txtMacroGuide"), {4, 2, 170, 22});
    txtMacroGuide->setReadOnly(true);
    txtMacroGuide->setAlignment(Qt::AlignCenter);
    txtMacroGuide->setFocusPolicy(Qt::NoFocus);
    QPalette guide = txtMacroGuide->palette();
    guide.setColor(QPalette::Base, QColor(0x00, 0x00, 0xFF));
    guide.setColor(QPalette::Text, Yellow);
    txtMacroGuide->setPalette(guide);
    for (int i = 1; i <= 20; ++i) {
        auto* button = new MacroButton(i, Frame1);
        const int column = (i - 1) % 10;
        const int row = (i - 1) / 10;
        button->setGeometry(4 + column * 17, 26 + row * 24, 17, 22);
        txtButton[static_cast<std::size_t>(i)] = button;
    }

    Label1 = Named<QLabel>(client, QStringLiteral("Label1"), {4, 287, 90, 20});
    Label1->setText(QStringLiteral("Players"));
    lblPlayerCnt = Named<QLabel>(client, QStringLiteral("lblPlayerCnt"), {100, 287, 74, 20});
    lblPlayerCnt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblPlayerCnt->setText(QStringLiteral("0"));

    lblLinkState = Named<QLabel>(client, QStringLiteral("lblLinkState"),
                                 {4, ClientHeight, 170, LinkStateHeight});
    lblLinkState->setTextFormat(Qt::PlainText); // the client's text is never markup
    lblLinkState->setWordWrap(true);
    lblLinkState->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLinkState->hide();
}
