#include "platform/clock.h"

namespace vantrel::platform {

QDate SystemClock::today() const { return QDate::currentDate(); }

} // namespace vantrel::platform
