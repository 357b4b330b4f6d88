#pragma once

#include "platform/modal_runner.h"

#include <QHash>
#include <QString>
#include <deque>
#include <functional>

class QDialog;

namespace vantrel::testing {

// Runs each modal dialog through a handler the test registered for the dialog's class
// (its metaObject class name, such as "vantrel::app::TfirstUseInfoForm"). The handler
// works on the real widgets — fills fields, clicks buttons — and the dialog's result
// is returned once it has closed. Handlers registered with `once` are used in order,
// then the lasting one (`always`) if any. A dialog nobody handles fails the test.
class ScriptedModalRunner : public platform::ModalRunner {
public:
    using Handler = std::function<void(QDialog&)>;

    void once(const QString& className, Handler handler);
    void always(const QString& className, Handler handler);
    int runModal(QDialog& dialog) override;

    QStringList shownClasses; // every dialog shown, in order

private:
    QHash<QString, std::deque<Handler>> once_;
    QHash<QString, Handler> always_;
};

} // namespace vantrel::testing
