#pragma once

#include "catalogue/pick_window.h"

namespace vantrel::db {
class Connection;
}

namespace vantrel::catalogue {

// The customer pick list of the invoice and quote dialogs: every customer, narrowed by
// the name typed in "Nom :".
class Tcusthintform : public PickWindow {
    Q_OBJECT
public:
    Tcusthintform(db::Connection& dqd, QWidget* parent = nullptr);
    // Empties the list, sets its columns and fills it (errors are the caller's).
    void fill();
    QLineEdit* nameedit() const { return searchField(); }

private:
    void nameeditChange();
    db::Connection& dqd_;
};

} // namespace vantrel::catalogue
