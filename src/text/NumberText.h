#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Shortest general decimal form of a 32-bit float, at most 7 significant digits:
// 10, 12.5, -5, 1234567, 1.234568E+07. No blanks, no grouping, always "." as the point.
QString ScoreText(float value);

// The form numbers take in the text files: a blank (or "-"), the digits, one trailing blank.
QString NumericPrintForm(float value);
QString NumericPrintForm(int value);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// Rounds halves to even and checks the 16-bit range; empty when it does not fit.
std::optional<std::int16_t> ToInt16(double value);

// The text without the blanks and tabs around it.
QStringView TrimBlanks(QStringView text);

// A decimal number with blanks around it: optional sign, digits, optional point and fraction,
// optional exponent. Empty for anything else (letters, "inf", "nan", an empty text).
std::optional<double> ParseNumber(QStringView text);
