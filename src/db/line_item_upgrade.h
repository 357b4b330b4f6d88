#pragma once

#include <QString>

namespace vantrel::db {

// Rewrites an old line-item block (six lines an item) into the current form: each
// item gains a seventh line, its VAT rate in percent derived from its net and gross
// amounts (two decimals, decimal comma). Lines after the last complete group of six
// are dropped. An item whose net amount is zero or whose amounts cannot be read gets
// the rate "0,00", so that one damaged line does not stop the upgrade of a file.
QString upgradeLineItems(const QString& oldBlock);

// The rate of one old item from its net and gross money texts.
QString rateFromAmounts(const QString& net, const QString& gross);

} // namespace vantrel::db
