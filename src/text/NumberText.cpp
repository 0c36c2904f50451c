#include "text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// to_chars writes "1e+07"; the console shows exponents as "1E+07", at least two digits.
QString withConsoleExponent(const std::string& text)
{
    const auto e = text.find('e');
    if (e == std::string::npos)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    char sign = '+';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        sign = exponent[0];
        exponent.erase(0, 1);
    }
    while (exponent.size() < 2)
        exponent.insert(exponent.begin(), '0');
    return QString::fromLatin1(mantissa + 'E' + sign + exponent);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QString ScoreText(float value)
{
    if (value == 0.0f || std::isnan(value))
        return QStringLiteral("0");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    char buffer[64];
    // Fewest significant digits (up to 7) that give the value back.
    std::string scientific;
    int digits = 1;
    for (; digits <= 7; ++digits) {
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::scientific, digits - 1);
        scientific.assign(buffer, result.ptr);
        if (digits == 7 || std::strtof(scientific.c_str(), nullptr) == value)
            break;
    }
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    if (exponent < -4 || exponent >= 7)
        return withConsoleExponent(scientific);
    const int decimals = std::max(0, digits - 1 - exponent);
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string fixed(buffer, result.ptr);
    if (fixed.find('.') != std::string::npos) {
        while (fixed.back() == '0')
            fixed.pop_back();
        if (fixed.back() == '.')
            fixed.pop_back();
    }
    return QString::fromLatin1(fixed.data(), static_cast<qsizetype>(fixed.size()));
}

QString NumericPrintForm(float value)
{
    const QString digits = ScoreText(value);
    return (digits.startsWith(u'-') ? digits : u' ' + digits) + u' ';
}

QString NumericPrintForm(int value)
{
    return (value < 0 ? QString::number(value) : u' ' + QString::number(value)) + u' ';
}

double RoundHalfEven(double value)
{
    // rint follows the current rounding mode, which is round-to-nearest-even by default.
    return std::rint(value);
}

std::optional<std::int16_t> ToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<double> ParseNumber(QStringView text)
{
    const QStringView number = TrimBlanks(text);
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(number.size()));
    for (const QChar ch : number) {
        const char16_t c = ch.unicode();
        if (c > 127)
            return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    // Accept only sign, digits, one point and an exponent: from_chars alone would take "inf".
    std::size_t i = 0;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
        ++i;
    const std::size_t numberStart = i;
    std::size_t digits = 0;
    while (i < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[i]))) {
        ++i;
        ++digits;
    }
    if (i < ascii.size() && ascii[i] == '.') {
        ++i;
        while (i < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < ascii.size() && (ascii[j] == '+' || ascii[j] == '-'))
            ++j;
        const std::size_t expStart = j;
        while (j < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[j])))
            ++j;
        if (j == expStart)
            return std::nullopt;
        i = j;
    }
    if (i != ascii.size())
        return std::nullopt;
    double value = 0.0;
    const char* first = ascii.data() + numberStart;
    const auto result = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return std::nullopt;
    if (numberStart > 0 && ascii[0] == '-')
        value = -value;
    return value;
}
