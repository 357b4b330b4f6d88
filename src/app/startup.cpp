#include "app/startup.h"

#include "app/commands.h"
#include "app/first_use_form.h"
#include "app/main_form.h"
#include "app/messages.h"
#include "app/splash_form.h"
#include "platform/platform.h"
#include "starting.h"

#include <QDir>
#include <QFileInfo>

namespace vantrel::app {

namespace {
const QString mainGroup = QStringLiteral("MainForm");
} // namespace

bool checkDecimalSeparator(const QLocale& system, platform::Prompts& prompts) {
    if (system.decimalPoint() == QLatin1String(","))
        return true;
    prompts.warning(messages::decimalSeparator);
    return false;
}

bool isFirstRun(platform::Registry& registry) {
    const QString group = QStringLiteral("v3");
    const QString name = QStringLiteral("FI");
    const QString stored = registry.readString(platform::Store::Machine, group, name).trimmed();
    bool ok = false;
    const int flag = stored.toInt(&ok);
    const bool first = stored.isEmpty() || !ok || flag != 0;
    if (first) {
        registry.write(platform::Store::Machine, group, name, QStringLiteral("0"));
        registry.sync();
    }
    return first;
}

std::unique_ptr<TMainForm> startVantrel(const platform::Platform& platform, const QLocale& system,
                                        const QString& programDir) {
    TSplashForm splash;
    splash.show();
    splash.repaintNow();

    if (!checkDecimalSeparator(system, platform.prompts))
        return nullptr;

    auto window = std::make_unique<TMainForm>(platform, programDir);
    installCommands(*window);
    // The remembered path, even an empty one, replaces the demonstration database.
    const QString rememberedPath =
        platform.registry.read(platform::Store::User, mainGroup, QStringLiteral("dqd_DatabaseName"))
            .value_or(QDir(programDir).filePath(messages::demoDatabaseName));
    splash.repaintNow();

    TfirstUseInfoForm firstUse(platform.prompts, window.get());
    starting(isFirstRun(platform.registry));
    splash.repaintNow();

    window->show();
    splash.repaintNow();
    splash.close();

    if (platform.registry.readBool(platform::Store::User, mainGroup, QStringLiteral("firstuse"), true)) {
        platform.modal.runModal(firstUse);
        platform.registry.writeBool(platform::Store::User, mainGroup, QStringLiteral("firstuse"), false);
        platform.registry.sync();
    }

    if (QFileInfo(rememberedPath).isFile()) {
        window->okbtnClick(rememberedPath);
    } else {
        window->ClosedbClick();
        if (!rememberedPath.trimmed().isEmpty())
            platform.prompts.warning(messages::databaseGone);
    }
    return window;
}

} // namespace vantrel::app
