#include "core/rounding.h"

#include <cmath>

namespace vantrel {

long double round2(long double x) {
    // nearbyintl rounds in the current mode, which the program never changes from
    // round-to-nearest-even.
    return std::nearbyintl(x * 100.0L) * 0.01L;
}

} // namespace vantrel
