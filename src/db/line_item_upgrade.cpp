#include "db/line_item_upgrade.h"

#include "core/error.h"
#include "core/line_items.h"
#include "core/money.h"
#include "core/numbers.h"
#include "core/rounding.h"

namespace vantrel::db {
namespace {
constexpr int oldItemLines = 6;
}

QString rateFromAmounts(const QString& net, const QString& gross) {
    try {
        const long double n = moneyValue(net);
        const long double t = moneyValue(gross);
        if (n == 0.0L)
            return QStringLiteral("0,00");
        return formatFixed(round2((t / n - 1.0L) * 100.0L), 2);
    } catch (const ConversionError&) {
        return QStringLiteral("0,00");
    }
}

QString upgradeLineItems(const QString& oldBlock) {
    const QStringList lines = splitStoredLines(oldBlock);
    QString block;
    for (qsizetype start = 0; start + oldItemLines <= lines.size(); start += oldItemLines) {
        for (qsizetype i = start; i < start + oldItemLines; ++i)
            block += lines[i] + QStringLiteral("\r\n");
        block += rateFromAmounts(lines[start + 4], lines[start + 5]) + QStringLiteral("\r\n");
    }
    return block;
}

} // namespace vantrel::db
