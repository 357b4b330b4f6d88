#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace vantrel::platform {

void DesktopShell::open(const QString& text) {
    if (QFileInfo::exists(text)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(text));
        return;
    }
    const QUrl url(text);
    if (url.isValid() && !url.scheme().isEmpty()) {
        QDesktopServices::openUrl(url);
        return;
    }
    // A bare program name: started detached, like the shell would.
    QProcess::startDetached(text, {});
}

} // namespace vantrel::platform
