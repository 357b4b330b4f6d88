#include "documents/hint_form.h"

#include "core/error.h"
#include "documents/article_lookup.h"

#include <QLineEdit>

namespace vantrel::documents {

THintform::THintform(db::Connection& dqd, QWidget* parent)
    : PickWindow(QStringLiteral("Description :"), QStringLiteral("Ferme"), parent), dqd_(dqd) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(this, &PickWindow::searchChanged, this, &THintform::desceditChange);
}

void THintform::fill() {
    setColumns({QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("Prix")}, {80, 270, 80});
    setRows(articlePickRows(dqd_, QString()));
}

void THintform::desceditChange() {
    try {
        setRows(articlePickRows(dqd_, descedit()->text()));
    } catch (const Error&) {
        setRows({});
    }
}

} // namespace vantrel::documents
