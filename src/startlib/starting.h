#pragma once

// The start-up library's one entry point, called once per start with the machine's
// first-run flag. The program relies on no result and no effect of the call.
extern "C" __attribute__((visibility("default"))) void starting(bool firstRun);
