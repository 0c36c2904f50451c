#include "records/MacroFileLimits.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QList<int> slotsOf(const QList<MacroLoss>& losses, MacroLoss::Kind kind)
{
    QList<int> found;
    for (const MacroLoss& loss : losses) {
        if (loss.What == kind)
            found.append(loss.Slot);
    }
    return found;
}

} // namespace

TEST(MacroFileLimits, NamesEveryTextAReloadWouldShortenOrDropAndNothingElse)
{
    MacroTable macros{};
    macros[1] = {u"Fine"_s, u"one\r\ntwo"_s};
    macros[2] = {u""_s, u"nameless"_s}; // saved under "Macro 2": survives
    macros[3] = {u"Gap"_s, u"one\r\n\r\nthree"_s};
    macros[4] = {u"Trailing"_s, u"one\r\n\r\n"_s}; // playback stops there anyway
    macros[5] = {u"Lead"_s, u"\r\nsecond line"_s};
    macros[6] = {u"Tab"_s, u"\tindented"_s};
    macros[7] = {u"Space"_s, u" "_s};              // a single space counts as empty
    macros[8] = {u""_s, u"built-in slot"_s};       // imposed again on every load
    macros[11] = {u"Blank only"_s, u"\r\n"_s};     // nothing worth keeping
    macros[12] = {u"Padded"_s, u"  two spaces"_s}; // sorts above a single space: written
    macros[20] = {u""_s, u"last\r\n\r\nlost"_s};

    const QList<MacroLoss> losses = MacrosLostOnReload(macros);
    EXPECT_EQ(slotsOf(losses, MacroLoss::Kind::BlankLineInside), (QList<int>{3, 20}));
    EXPECT_EQ(slotsOf(losses, MacroLoss::Kind::NotWritten), (QList<int>{5, 6}));
    EXPECT_EQ(losses.size(), 4);

    const QString question = DescribeLosses(losses, macros);
    EXPECT_TRUE(question.contains(u"Macro 3 \"Gap\": the lines after its blank line"_s));
    EXPECT_TRUE(question.contains(u"Macro 20: the lines after"_s));
    EXPECT_TRUE(question.contains(u"Macro 5 \"Lead\": its text begins with a line break"_s));
    EXPECT_FALSE(question.contains(u"Macro 2"_s + u':'));
    EXPECT_TRUE(question.endsWith(u"Save anyway? Choose No to go back and mend them."_s));
}
