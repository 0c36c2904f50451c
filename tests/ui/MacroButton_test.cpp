#include "support/EditorConsole.h"
#include "support/UiConsole.h"
#include "ui/MacroButton.h"
#include "ui/MacroWindow.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

bool Inked(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The first and last column within `area` that hold any ink; (-1, -1) for none.
std::pair<int, int> InkedColumns(const QImage& image, const QRect& area)
{
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (Inked(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// How wide the number's ink is when nothing cuts it: drawn as the box draws it (its colours,
// centred in a rect of the room's size, so that its edges fall on the same fractions of a
// pixel and blend alike), with space all round to spill into.
int FreeInkWidth(const MacroButton& button, const QFont& font, const QSize& room)
{
    constexpr int Margin = 40;
    QImage free(room + QSize(2 * Margin, 2 * Margin), QImage::Format_RGB32);
    free.fill(button.palette().color(QPalette::Base));
    QPainter painter(&free);
    painter.setFont(font);
    painter.setPen(button.palette().color(QPalette::Text));
    painter.drawText(QRect(QPoint(Margin, Margin), room), Qt::AlignCenter | Qt::TextDontClip,
                     button.text());
    painter.end();
    const auto [first, last] = InkedColumns(free, free.rect());
    return last - first + 1;
}

QList<MacroButton*> Buttons(const QWidget& window)
{
    QList<MacroButton*> buttons;
    for (int i = 1; i <= 20; ++i)
        buttons.append(window.findChild<MacroButton*>(u"txtButton(%1)"_s.arg(i)));
    return buttons;
}

// Every number fits the box inside the border, and the box shows all of its ink.
void ExpectWholeNumbers(const QList<MacroButton*>& buttons, const QString& face)
{
    for (MacroButton* button : buttons) {
        ASSERT_NE(button, nullptr);
        const QString number = button->text();
        const std::string where = QString(face + u" "_s + number).toStdString();
        const QRect room = button->NumberRect();
        EXPECT_GT(room.left(), 0) << where; // the border stays clear
        EXPECT_LT(room.right(), button->width() - 1) << where;
        const QFont shownIn = button->NumberFont();
        EXPECT_LE(QFontMetrics(shownIn).horizontalAdvance(number), room.width()) << where;

        const QImage shown = button->grab().toImage();
        ASSERT_EQ(shown.size(), button->size()) << where;
        // The rounded corners of the border reach into the room's first and last rows.
        const auto [first, last] = InkedColumns(shown, room.adjusted(0, 2, 0, -2));
        ASSERT_GE(first, 0) << where;
        EXPECT_NEAR(last - first + 1, FreeInkWidth(*button, shownIn, room.size()), 1) << where;
    }
}

void SetFace(const QList<MacroButton*>& buttons, const QFont& design, const QString& family)
{
    QFont face = design;
    face.setFamilies({family});
    for (MacroButton* button : buttons)
        button->setFont(face);
}

// The faces a Debian desktop shows for the buttons' Arial: its metric twins and the default
// sans serif face. Each keeps the design's size in every box.
const QStringList ArialStandIns{u"Liberation Sans"_s, u"Arimo"_s,          u"Nimbus Sans"_s,
                                u"Nimbus Sans L"_s,   u"TeX Gyre Heros"_s, u"FreeSans"_s,
                                u"DejaVu Sans"_s};

// A face measured must draw the digits itself. A symbol or dingbat face (D050000L) maps the
// digits' codes to pictures, and a face without digits borrows another face's: neither says
// anything about how the numbers fit.
bool DrawsItsOwnDigits(const QString& family)
{
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
        return false;
    const QRawFont face = QRawFont::fromFont(QFont(family));
    if (!face.isValid())
        return false;
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        if (!face.supportsCharacter(QChar(digit)))
            return false;
    }
    return true;
}

void ExpectWholeNumbersWithEveryFace(const QList<MacroButton*>& buttons)
{
    const QFont design = buttons.first()->font();
    ExpectWholeNumbers(buttons, u"own font"_s);
    for (MacroButton* button : buttons)
        EXPECT_EQ(button->NumberFont(), design) << button->text().toStdString();

    const QStringList installed = QFontDatabase::families();
    int standIns = 0;
    for (const QString& family : ArialStandIns) {
        if (!installed.contains(family))
            continue;
        ++standIns;
        SetFace(buttons, design, family);
        ExpectWholeNumbers(buttons, family);
        for (MacroButton* button : buttons)
            EXPECT_EQ(button->NumberFont().pointSizeF(), design.pointSizeF())
                << QString(family + u" "_s + button->text()).toStdString();
    }
    EXPECT_GT(standIns, 0) << "no sans serif face to stand in for Arial";

    // Any other face installed here that draws digits, however wide, shows whole numbers too,
    // if smaller; so does a size far above the design's.
    int measured = 0;
    for (const QString& family : installed) {
        if (!DrawsItsOwnDigits(family))
            continue;
        ++measured;
        SetFace(buttons, design, family);
        ExpectWholeNumbers(buttons, family);
    }
    EXPECT_GE(measured, standIns);
    QFont large = design;
    large.setPointSizeF(design.pointSizeF() * 2);
    for (MacroButton* button : buttons)
        button->setFont(large);
    ExpectWholeNumbers(buttons, u"twice the size"_s);
    if (buttons.first()->width() < 20) { // the console's narrow boxes
        EXPECT_LT(buttons.last()->NumberFont().pointSizeF(), large.pointSizeF());
    }
}

} // namespace

TEST(MacroButton, EveryNumberShowsWholeInTheConsoleAndTheEditorWithEveryInstalledFace)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    const QList<MacroButton*> console = Buttons(t.Window());
    ASSERT_EQ(console.size(), 20);
    EXPECT_EQ(console[19]->width(), 17); // the console's narrow boxes, ten to a row
    ExpectWholeNumbersWithEveryFace(console);

    EditorConsole e;
    QWidget hidden;
    MacroWindow editor(e.console, &hidden);
    editor.show();
    ExpectWholeNumbersWithEveryFace(Buttons(editor));
}
