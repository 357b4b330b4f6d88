#pragma once

#include "core/money.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantrel {

// One document line: seven texts, in the order they are stored.
struct LineItem {
    QString code;
    QString description;
    QString quantity;  // as the quantity field shows it
    QString unitPrice; // money text, before VAT
    QString net;       // money text, quantity times unit price
    QString gross;     // money text, net plus VAT rounded to two decimals
    QString rate;      // VAT rate in percent, decimal comma, no percent sign

    QStringList fields() const;
    static LineItem fromFields(const QStringList& seven);
    friend bool operator==(const LineItem&, const LineItem&) = default;
};

inline constexpr int lineItemFieldCount = 7;

// Splits at CR LF, lone CR and lone LF; a break at the very end starts no further line.
QStringList splitStoredLines(const QString& text);

// The items of a stored block, seven lines each; an incomplete last item is dropped.
QList<LineItem> readLineItems(const QString& block);

// Every field of every item followed by CR LF; no items give the empty text.
QString writeLineItems(const QList<LineItem>& items);

// A line as the line-item dialog writes it: net = quantity x unit price as the money
// format shows it (at D decimals; no further rounding),
// gross = round2(net + net x rate / 100), both as money text; the quantity and rate
// texts are kept as typed. Throws the conversion error on a quantity or rate that is
// not a number.
LineItem makeLineItem(const QString& code, const QString& description, const QString& quantity,
                      long double unitPrice, const QString& rate, const MoneyFormat& format);

// The total stored with a document: round2 of the sum of the items' gross amounts.
long double storedTotal(const QList<LineItem>& items);

} // namespace vantrel
