#include "text/WagerText.h"

#include "text/NumberText.h"

#include <QLocale>
#include <QString>

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<float> ParseWager(QStringView text, QStringView decimalSeparator)
{
    text = TrimBlanks(text);
    const qsizetype end = text.size();

    std::string digits; // the number in the "C" form from_chars reads
    bool negative = false;
    qsizetype i = 0;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool point = false;
    int digitCount = 0;
    while (i < end) {
        if (isDigit(text[i])) {
            digits.push_back(static_cast<char>(text[i].unicode()));
            ++digitCount;
            ++i;
        } else if (text[i] == u'.' && !point) {
            point = true;
            digits.push_back('.');
            ++i;
        } else if (!point && !decimalSeparator.isEmpty() && decimalSeparator != u"." &&
                   text.sliced(i).startsWith(decimalSeparator)) {
            point = true;
            digits.push_back('.');
            i += decimalSeparator.size();
        } else {
            return std::nullopt;
        }
    }
    if (digitCount == 0)
        return std::nullopt;

    float value = 0.0f;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<float> ParseWager(QStringView text)
{
    return ParseWager(text, QLocale::system().decimalPoint());
}

bool IsWagerNumber(QStringView text)
{
    return ParseWager(text).has_value();
}
