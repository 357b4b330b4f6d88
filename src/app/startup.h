#pragma once

#include <QLocale>
#include <QString>
#include <memory>

namespace vantrel::platform {
struct Platform;
class Prompts;
class Registry;
} // namespace vantrel::platform

namespace vantrel::app {

class TMainForm;

// False, after the explanation, when the system number format does not use a decimal
// comma: every amount of the program is written with one.
bool checkDecimalSeparator(const QLocale& system, platform::Prompts& prompts);

// The machine's first-run flag (missing or empty reads as true); a true flag is
// written "0" before it is returned, so only the first start sees it.
bool isFirstRun(platform::Registry& registry);

// Takes the program from its launch to the main window waiting for the user: the
// splash, the decimal-separator check, the start-up library, the first-use dialog and
// the re-opening of the last database (or the demonstration database). Returns no
// window when the program must stop (exit code 0), having written nothing.
std::unique_ptr<TMainForm> startVantrel(const platform::Platform& platform, const QLocale& system,
                                        const QString& programDir);

} // namespace vantrel::app
