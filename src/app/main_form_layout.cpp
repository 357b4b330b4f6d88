// The main window's remembered layout: placement, list choices and file names, kept in
// the "MainForm" group of the per-user store.
#include "app/main_form.h"

#include "app/work_area.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>

namespace vantrel::app {

namespace {
const QString mainGroup = QStringLiteral("MainForm");
constexpr int firstWidth = 871;
constexpr int firstHeight = 681;

bool onSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(rect))
            return true;
    return false;
}
} // namespace

void TMainForm::restoreLayout() {
    platform::Registry& r = platform_.registry;
    const platform::Store user = platform::Store::User;
    const QRect stored(r.readInt(user, mainGroup, QStringLiteral("Left"), 0),
                       r.readInt(user, mainGroup, QStringLiteral("Top"), 0),
                       r.readInt(user, mainGroup, QStringLiteral("Width"), 0),
                       r.readInt(user, mainGroup, QStringLiteral("Height"), 0));
    if (stored.width() > 0 && stored.height() > 0 && onSomeScreen(stored)) {
        setGeometry(stored);
    } else {
        // First start (or a screen that is gone): an 871 x 681 client area, centred.
        resize(firstWidth, firstHeight);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    if (r.readString(user, mainGroup, QStringLiteral("WindowState")) == QLatin1String("maximized"))
        setWindowState(windowState() | Qt::WindowMaximized);

    restoring_ = true;
    auto restoreIndex = [&](QComboBox* box, const QString& name) {
        const int index = r.readInt(user, mainGroup, name, 0);
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
    };
    restoreIndex(workArea_->Periodbox(), QStringLiteral("Periodbox_ItemIndex"));
    restoreIndex(workArea_->Filterbox(), QStringLiteral("Filterbox_ItemIndex"));
    restoring_ = false;
    exdFileName = r.readString(user, mainGroup, QStringLiteral("exd_FileName"));
}

void TMainForm::saveLayout() {
    platform::Registry& r = platform_.registry;
    const platform::Store user = platform::Store::User;
    const bool maximized = isMaximized();
    const QRect placement = maximized ? normalGeometry() : geometry();
    r.writeInt(user, mainGroup, QStringLiteral("Left"), placement.x());
    r.writeInt(user, mainGroup, QStringLiteral("Top"), placement.y());
    r.writeInt(user, mainGroup, QStringLiteral("Width"), placement.width());
    r.writeInt(user, mainGroup, QStringLiteral("Height"), placement.height());
    r.write(user, mainGroup, QStringLiteral("WindowState"),
            maximized ? QStringLiteral("maximized") : QStringLiteral("normal"));
    r.writeInt(user, mainGroup, QStringLiteral("Periodbox_ItemIndex"), workArea_->Periodbox()->currentIndex());
    r.writeInt(user, mainGroup, QStringLiteral("Filterbox_ItemIndex"), workArea_->Filterbox()->currentIndex());
    r.write(user, mainGroup, QStringLiteral("dqd_DatabaseName"), dqd.path());
    r.write(user, mainGroup, QStringLiteral("exd_FileName"), exdFileName);
    r.sync();
}

} // namespace vantrel::app
