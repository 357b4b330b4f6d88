#pragma once

#include <QString>

namespace vantrel {

// The document total the lists and the printed document show, recomputed from the
// stored line-item block: round2 of the sum of net x (rate / 100 + 1). It rounds once,
// where the stored total rounds each gross amount first, so the two may differ by a
// cent. Throws the conversion error when an amount or a rate cannot be read.
long double gettotal(const QString& articlesBlock);

} // namespace vantrel
