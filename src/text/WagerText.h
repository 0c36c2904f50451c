#pragma once

#include <QStringView>

#include <optional>

// What the wager box accepts as a number: blanks around it, an optional sign, digits with at
// most one decimal point and at least one digit. The point is "." and also the system's
// decimal separator when that differs. No exponents, grouping, "inf" or "nan".
// Empty when the text is not such a number (or too large for a 32-bit float).
std::optional<float> ParseWager(QStringView text);
std::optional<float> ParseWager(QStringView text, QStringView decimalSeparator);

bool IsWagerNumber(QStringView text);
