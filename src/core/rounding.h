#pragma once

namespace vantrel {

// Rounds to two decimals, halves to the even neighbour, in extended precision:
// 0.125 gives 0.12, 0.375 gives 0.38, 2.345 gives 2.34 (its product by 100 is exactly
// 234.5 at this precision). Every gross amount and every total goes through here.
long double round2(long double x);

} // namespace vantrel
