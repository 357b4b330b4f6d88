#include "support/scripted_modal_runner.h"

#include <QDialog>
#include <QTest>

namespace vantrel::testing {

void ScriptedModalRunner::once(const QString& className, Handler handler) {
    once_[className].push_back(std::move(handler));
}

void ScriptedModalRunner::always(const QString& className, Handler handler) {
    always_[className] = std::move(handler);
}

int ScriptedModalRunner::runModal(QDialog& dialog) {
    const QString name = QString::fromLatin1(dialog.metaObject()->className());
    shownClasses << name;
    Handler handler;
    if (auto it = once_.find(name); it != once_.end() && !it->empty()) {
        handler = std::move(it->front());
        it->pop_front();
    } else if (auto lasting = always_.find(name); lasting != always_.end()) {
        handler = *lasting;
    }
    if (!handler) {
        QTest::qFail(qPrintable(QStringLiteral("no handler for dialog %1").arg(name)), __FILE__, __LINE__);
        return QDialog::Rejected;
    }
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    handler(dialog);
    if (dialog.isVisible()) {
        QTest::qFail(qPrintable(QStringLiteral("dialog %1 left open by its handler").arg(name)), __FILE__,
                     __LINE__);
        dialog.reject();
    }
    return dialog.result();
}

} // namespace vantrel::testing
