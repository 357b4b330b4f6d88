#pragma once

#include "platform/platform.h"
#include "support/memory_registry.h"
#include "support/scripted_modal_runner.h"
#include "support/scripted_prompts.h"

#include <QDate>
#include <QStringList>

namespace vantrel::testing {

class RecordingShell : public platform::Shell {
public:
    void open(const QString& text) override { opened << text; }
    QStringList opened;
};

class FixedClock : public platform::Clock {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 11};
};

// The installed printers a test names. Reports run on a printer that writes a PDF file
// at `outputFile`, so that printing needs no print server and can be read back.
class FixedPrinters : public platform::Printers {
public:
    QStringList installed() const override { return names; }
    QString defaultPrinter() const override { return names.value(0); }
    std::unique_ptr<QPrinter> makePrinter() const override;
    QStringList names;
    QString outputFile;
};

// Every seam in its scripted form, owned together; platform() hands them to the code.
struct TestPlatform {
    ScriptedPrompts prompts;
    ScriptedModalRunner modal;
    MemoryRegistry registry;
    RecordingShell shell;
    FixedClock clock;
    FixedPrinters printers;

    platform::Platform platform() { return {prompts, modal, registry, shell, clock, printers}; }
};

} // namespace vantrel::testing
