#include "app/main_form.h"
#include "app/startup.h"
#include "platform/desktop_platform.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral("3.0.0"));

    // At most one running program: a second start hands over its command line (which
    // the running one ignores), brings the running window to the front and ends.
    vantrel::platform::SingleInstanceGuard guard(vantrel::platform::SingleInstanceGuard::defaultKey());
    if (!guard.claim(QApplication::arguments()))
        return 0;

    // The standard dialogs (file, print, buttons of Qt's own boxes) speak French.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    vantrel::platform::DesktopPlatform desktop;
    vantrel::platform::Platform platform = desktop.platform();
    auto window = vantrel::app::startVantrel(platform, QLocale::system(), QApplication::applicationDirPath());
    if (!window)
        return 0;
    desktop.prompts().setParentWindow(window.get());

    QObject::connect(&guard, &vantrel::platform::SingleInstanceGuard::anotherStart, window.get(), [&window] {
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        window->raise();
        window->activateWindow();
    });
    return QApplication::exec();
}
