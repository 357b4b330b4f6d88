#include "core/numbers.h"

#include "core/error.h"
#include "core/messages.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>

static_assert(std::numeric_limits<long double>::digits == 64,
              "amounts are computed in x87 extended precision");

namespace vantrel {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// strtold follows LC_NUMERIC, which Qt sets from the environment; the conversion itself
// therefore runs in a private "C" locale and is handed a text with a full stop.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

} // namespace

void throwNotAFloat(const QString& text) {
    throw ConversionError(messages::withText(messages::notAFloat, text));
}

void throwNotAnInteger(const QString& text) {
    throw ConversionError(messages::withText(messages::notAnInteger, text));
}

long double toFloat(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Shape check: [sign] digits [, digits] [e [sign] digits], with at least one
    // mantissa digit. Only then is the text handed to the converter.
    std::string plain;
    qsizetype i = begin;
    if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        plain += char(text[i++].unicode());
    int mantissaDigits = 0;
    while (i < end && isAsciiDigit(text[i])) {
        plain += char(text[i++].unicode());
        ++mantissaDigits;
    }
    if (i < end && text[i] == QLatin1Char(',')) {
        plain += '.';
        ++i;
        while (i < end && isAsciiDigit(text[i])) {
            plain += char(text[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        throwNotAFloat(text);
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            plain += char(text[i++].unicode());
        int exponentDigits = 0;
        while (i < end && isAsciiDigit(text[i])) {
            plain += char(text[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throwNotAFloat(text);
    }
    if (i != end)
        throwNotAFloat(text);

    const long double value = strtold_l(plain.c_str(), nullptr, cLocale());
    if (!std::isfinite(value))
        throwNotAFloat(text);
    return value;
}

int toInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    if (i == text.size())
        throwNotAnInteger(text);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            throwNotAnInteger(text);
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::int64_t(std::numeric_limits<int>::max()) + 1)
            throwNotAnInteger(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throwNotAnInteger(text);
    return int(value);
}

QString formatFixed(long double value, int decimals) {
    long double scale = 1.0L;
    for (int d = 0; d < decimals; ++d)
        scale *= 10.0L;
    const long double scaled = std::nearbyintl(std::fabs(value) * scale);

    QString digits;
    if (scaled < 1.8e19L) {
        digits = QString::number(static_cast<unsigned long long>(scaled));
    } else {
        // Beyond any amount of a real business: print the integer part digit by digit.
        long double rest = scaled;
        while (rest >= 1.0L) {
            const long double next = std::floor(rest / 10.0L);
            const int digit = int(rest - next * 10.0L);
            digits.prepend(QChar(u'0' + char16_t(digit < 0 ? 0 : digit > 9 ? 9 : digit)));
            rest = next;
        }
    }
    while (digits.size() <= decimals)
        digits.prepend(QLatin1Char('0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, QLatin1Char(','));
    if (value < 0 && scaled != 0.0L)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

} // namespace vantrel
