#pragma once

#include "catalogue/pick_window.h"

namespace vantrel::db {
class Connection;
}

namespace vantrel::documents {

// The article pick list of the line-item dialog, narrowed by description.
class THintform : public catalogue::PickWindow {
    Q_OBJECT
public:
    THintform(db::Connection& dqd, QWidget* parent = nullptr);
    void fill();
    QLineEdit* descedit() const { return searchField(); }

private:
    void desceditChange();
    db::Connection& dqd_;
};

} // namespace vantrel::documents
