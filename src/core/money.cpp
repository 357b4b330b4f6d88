#include "core/money.h"

#include "core/numbers.h"

namespace vantrel {

MoneyFormat MoneyFormat::fromSettings(const QString& decimalsSetting, const QString& symbol) {
    MoneyFormat format;
    format.decimals = decimalsSetting == QLatin1String("3") ? 3 : 2;
    format.symbol = symbol;
    format.initial = false;
    return format;
}

QString MoneyFormat::pattern() const {
    const QString section = (decimals == 3 ? QStringLiteral("0.000 ") : QStringLiteral("0.00 ")) + symbol;
    if (initial)
        return section + QStringLiteral(";-") + section;
    return section;
}

QString getcurstring(long double value, const MoneyFormat& format) {
    return formatFixed(value, format.decimals) + QLatin1Char(' ') + format.symbol;
}

QString getcurvalue(const QString& moneyText) {
    const qsizetype blank = moneyText.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : moneyText.left(blank);
}

long double moneyValue(const QString& moneyText) { return toFloat(getcurvalue(moneyText)); }

} // namespace vantrel
