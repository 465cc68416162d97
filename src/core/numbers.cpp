#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Digits and decimal exponent of the shortest form: x == 0.D × 10^(exp10).
struct DecimalDigits {
    std::string digits;
    int exp10 = 0;
};

DecimalDigits shortestDigits(double magnitude)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const auto e = text.find('e');
    DecimalDigits out;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            out.digits += text[i];
    out.exp10 = std::stoi(text.substr(e + 1)) + 1;
    return out;
}

double fromDigits(const std::string &digits, int exp10)
{
    const std::string text = "0." + digits + "e" + std::to_string(exp10);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

} // namespace

double roundHalfEven(double x, int digits)
{
    if (!std::isfinite(x))
        return 0;
    if (x == 0)
        return 0;
    const double magnitude = std::fabs(x);
    // A leading zero leaves room for a carry (9.96 → 10.0) and for rounding up
    // from below the first kept place (0.6 → 1).
    DecimalDigits d = shortestDigits(magnitude);
    d.digits.insert(d.digits.begin(), '0');
    d.exp10 += 1;

    const int keep = d.exp10 + digits;
    if (keep >= static_cast<int>(d.digits.size()))
        return x;
    if (keep <= 0)
        return 0;

    std::string kept = d.digits.substr(0, keep);
    const char next = d.digits[keep];
    const bool restNonZero = d.digits.find_first_not_of('0', keep + 1) != std::string::npos;
    const bool lastOdd = (kept.back() - '0') % 2 == 1;
    const bool up = next > '5' || (next == '5' && (restNonZero || lastOdd));
    if (up) {
        int i = keep - 1;
        while (kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        ++kept[i]; // the leading zero guarantees i >= 0
    }
    const double rounded = fromDigits(kept, d.exp10);
    if (rounded == 0)
        return 0; // never a negative zero
    return x < 0 ? -rounded : rounded;
}

double readLeadingNumber(const QString &text)
{
    // Blanks may stand anywhere, so drop them first and read what is left.
    std::string s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        // Anything outside ASCII ends a number; a marker keeps it from joining.
        s += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x01';
    }

    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(s[1] | 0x20);
        const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
        if (base == 0)
            return 0;
        double value = 0;
        for (std::size_t i = 2; i < s.size(); ++i) {
            const char c = static_cast<char>(s[i] | 0x20);
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            if (digit < 0 || digit >= base)
                break;
            value = value * base + digit;
        }
        return std::isfinite(value) ? value : 0;
    }

    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool anyDigit = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        number += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            number += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            exponent += s[j++];
        if (j > firstDigit) // an exponent letter without digits is not part of the number
            number += exponent;
    }

    // from_chars takes no leading plus sign and a bare "." needs a digit.
    const char *first = number.data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto res = std::from_chars(first, number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large reads as 0 (nothing sensible to draw); too small is simply 0.
        return 0;
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

double parseLength(const QString &text, int digits)
{
    return roundHalfEven(readLeadingNumber(text), digits);
}

QString formatShown(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == 0)
        return QStringLiteral("0");
    char buf[400];
    const bool huge = std::fabs(value) >= 1e15;
    const auto res = std::to_chars(buf, buf + sizeof buf, value,
                                   huge ? std::chars_format::scientific : std::chars_format::fixed);
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    if (huge)
        text = text.toUpper(); // 1E+15, the form the exponent reader expects anyway
    return text;
}

QString formatMargin(std::optional<double> margin)
{
    if (!margin)
        return QString();
    return formatShown(roundHalfEven(*margin, 2));
}
