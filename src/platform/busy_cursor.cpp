#include "platform/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vantrel::platform {

BusyCursor::BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyCursor::~BusyCursor() { release(); }

void BusyCursor::release() {
    if (active_)
        QGuiApplication::restoreOverrideCursor();
    active_ = false;
}

} // namespace vantrel::platform
