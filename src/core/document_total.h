#pragma once

#include <QString>

namespace vantrel {

// The document total the lists and the printed document show, recomputed from the
// stored line-item block: round2 of the sum of net x (rate / 100 + 1). It rounds once,
// where the stored total rounds each gross amount first, so the two may differ by a
// cent. Throws the conversion error when an amount or a rate cannot be read.
long double gettotal(const QString& articlesBlock);

// The same total read straight from the block's UTF-8 bytes (as the database hands
// them out), with the same value and the same conversion error for every block.
long double gettotalUtf8(const char* block, qsizetype size);

} // namespace vantrel
