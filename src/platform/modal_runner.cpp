#include "platform/modal_runner.h"

#include <QDialog>

namespace vantrel::platform {

int ExecModalRunner::runModal(QDialog& dialog) { return dialog.exec(); }

} // namespace vantrel::platform
