#include "catalogue/cust_hint_form.h"

#include "catalogue/customers.h"
#include "core/error.h"

#include <QLineEdit>

namespace vantrel::catalogue {

Tcusthintform::Tcusthintform(db::Connection& dqd, QWidget* parent)
    : PickWindow(QStringLiteral("Nom :"), QStringLiteral("Fermer"), parent), dqd_(dqd) {
    connect(this, &PickWindow::searchChanged, this, &Tcusthintform::nameeditChange);
}

void Tcusthintform::fill() {
    setColumns({QStringLiteral("Compte No"), QStringLiteral("Client/Entreprise")}, {90, 260});
    setRows(customerPickRows(dqd_, QString()));
}

void Tcusthintform::nameeditChange() {
    try {
        setRows(customerPickRows(dqd_, nameedit()->text()));
    } catch (const Error&) {
        setRows({}); // the database went away under the window; nothing to offer
    }
}

} // namespace vantrel::catalogue
