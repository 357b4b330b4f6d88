#include "core/line_items.h"

#include "core/numbers.h"
#include "core/rounding.h"

namespace vantrel {

QStringList LineItem::fields() const {
    return {code, description, quantity, unitPrice, net, gross, rate};
}

LineItem LineItem::fromFields(const QStringList& seven) {
    Q_ASSERT(seven.size() >= lineItemFieldCount);
    return {seven[0], seven[1], seven[2], seven[3], seven[4], seven[5], seven[6]};
}

QStringList splitStoredLines(const QString& text) {
    QStringList lines;
    QString current;
    bool pendingLine = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            pendingLine = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
            pendingLine = true;
        }
    }
    if (pendingLine)
        lines.append(current);
    return lines;
}

QList<LineItem> readLineItems(const QString& block) {
    const QStringList lines = splitStoredLines(block);
    QList<LineItem> items;
    const qsizetype count = lines.size() / lineItemFieldCount;
    items.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        items.append(LineItem::fromFields(lines.mid(i * lineItemFieldCount, lineItemFieldCount)));
    return items;
}

QString writeLineItems(const QList<LineItem>& items) {
    QString block;
    for (const LineItem& item : items) {
        for (const QString& field : item.fields()) {
            block += field;
            block += QStringLiteral("\r\n");
        }
    }
    return block;
}

LineItem makeLineItem(const QString& code, const QString& description, const QString& quantity,
                      long double unitPrice, const QString& rate, const MoneyFormat& format) {
    // The price field accepts three decimals while being edited but shows D of them;
    // the line is computed from the price as shown, so that the stored unit price
    // times the quantity gives the stored net.
    const QString shownPrice = getcurstring(unitPrice, format);
    const long double net = toFloat(quantity) * moneyValue(shownPrice);
    const long double gross = round2(net + net * toFloat(rate) / 100.0L);
    return {code,
            description,
            quantity,
            shownPrice,
            getcurstring(net, format),
            getcurstring(gross, format),
            rate};
}

long double storedTotal(const QList<LineItem>& items) {
    long double sum = 0.0L;
    for (const LineItem& item : items)
        sum += moneyValue(item.gross);
    return round2(sum);
}

} // namespace vantrel
