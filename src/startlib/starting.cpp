#include "starting.h"

// The library is the maker's hook for a machine's first run (licence set-up, telemetry
// and the like in other editions). This edition needs nothing done at that moment, so
// the call returns at once whatever the flag.
extern "C" void starting(bool firstRun) { static_cast<void>(firstRun); }
