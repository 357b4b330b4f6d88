#pragma once

#include <QString>

namespace vantrel {

// The money format in force: how every amount is written. One value, owned by the
// main window and rebuilt by setcur from the company settings.
struct MoneyFormat {
    int decimals = 2;                    // 2, or 3 when the company asks for three
    QString symbol = QStringLiteral("€"); // may be empty: the text then ends with the blank
    bool initial = true;                 // the format before any database was opened

    // setcur's rule: three decimals when the decimals setting is exactly "3", else two.
    static MoneyFormat fromSettings(const QString& decimalsSetting, const QString& symbol);

    // "0.00 €", "0.000 $" ...; before any database: "0.00 €;-0.00 €".
    QString pattern() const;
};

// The number as money text: decimal comma, exactly D decimals, one blank, the symbol.
QString getcurstring(long double value, const MoneyFormat& format);

// The characters before the first blank of a money text; empty when there is no blank.
QString getcurvalue(const QString& moneyText);

// The number of a money text, read with the decimal comma; throws the conversion
// error when the number part is empty or not a number.
long double moneyValue(const QString& moneyText);

} // namespace vantrel
