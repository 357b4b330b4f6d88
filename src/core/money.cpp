#include "core/money.h"

#include "core/numbers.h"

#include <cmath>

namespace vantrel {

MoneyFormat MoneyFormat::fromSettings(const QString& decimalsSetting, const QString& symbol) {
    MoneyFormat format;
    format.decimals = decimalsSetting == QLatin1String("3") ? 3 : 2;
    format.symbol = symbol;
    format.initial = false;
    return format;
}

QString MoneyFormat::pattern() const {
    const QString section =
        (decimals == 3 ? QStringLiteral("0.000 ") : QStringLiteral("0.00 ")) + symbol;
    if (initial)
        return section + QStringLiteral(";-") + section;
    return section;
}

QString getcurstring(long double value, const MoneyFormat& format) {
    // Every row of a document list shows one of these, so the usual amounts are written
    // straight into one text, digit by digit, rounded exactly as formatFixed rounds;
    // anything else goes through formatFixed.
    const int decimals = format.decimals;
    if (decimals == 2 || decimals == 3) {
        const long double scaled =
            std::nearbyintl(std::fabs(value) * (decimals == 3 ? 1000.0L : 100.0L));
        if (scaled < 1e15L) {
            char16_t digits[24];
            int count = 0;
            for (auto rest = static_cast<unsigned long long>(scaled);
                 rest != 0 || count <= decimals; rest /= 10)
                digits[count++] = char16_t(u'0' + rest % 10);
            const bool negative = value < 0 && scaled != 0.0L;
            QString text(qsizetype(negative) + count + 2 + format.symbol.size(), Qt::Uninitialized);
            QChar* out = text.data();
            if (negative)
                *out++ = QLatin1Char('-');
            for (int i = count - 1; i >= 0; --i) {
                *out++ = QChar(digits[i]);
                if (i == decimals)
                    *out++ = QLatin1Char(',');
            }
            *out++ = QLatin1Char(' ');
            std::copy(format.symbol.cbegin(), format.symbol.cend(), out);
            return text;
        }
    }
    return formatFixed(value, decimals) + QLatin1Char(' ') + format.symbol;
}

QString getcurvalue(const QString& moneyText) {
    const qsizetype blank = moneyText.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : moneyText.left(blank);
}

long double moneyValue(const QString& moneyText) {
    return toFloat(getcurvalue(moneyText));
}

} // namespace vantrel
