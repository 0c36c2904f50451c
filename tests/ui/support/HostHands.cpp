#include "HostHands.h"

#include "UiConsole.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

void HostHands::Say() const
{
    QTest::mouseClick(t.Find<QPushButton>(u"cmdSay"_s), Qt::LeftButton);
}

void HostHands::Macro(int i) const
{
    QTest::mouseClick(t.Find<QWidget>(u"txtButton(%1)"_s.arg(i)), Qt::LeftButton);
}

void HostHands::Card(int box, const QString& text) const
{
    t.Find<QComboBox>(u"cmbStart(%1)"_s.arg(box))->setCurrentText(text);
}

void HostHands::Wager(const QString& text) const
{
    auto* box = t.Find<QLineEdit>(u"txtWager"_s);
    box->selectAll();
    QTest::keyClicks(box, text);
}

void HostHands::Guess(bool higher) const
{
    QTest::mouseClick(t.Find<QRadioButton>(higher ? u"optHigher"_s : u"optLower"_s),
                      Qt::LeftButton);
}

QString HostHands::Player() const
{
    return t.Find<QLineEdit>(u"txtPlayer"_s)->text();
}

QString HostHands::Caption() const
{
    return t.Find<QPushButton>(u"cmdSay"_s)->text();
}
