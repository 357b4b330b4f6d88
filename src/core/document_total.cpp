#include "core/document_total.h"

#include "core/line_items.h"
#include "core/numbers.h"
#include "core/rounding.h"

namespace vantrel {

long double gettotal(const QString& articlesBlock) {
    long double sum = 0.0L;
    for (const LineItem& item : readLineItems(articlesBlock))
        sum += moneyValue(item.net) * (toFloat(item.rate) / 100.0L + 1.0L);
    return round2(sum);
}

} // namespace vantrel
