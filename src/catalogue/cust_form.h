#pragma once

#include "catalogue/customers.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vantrel::db {
class Connection;
}
namespace vantrel::platform {
class NumberBox;
class Prompts;
} // namespace vantrel::platform

namespace vantrel::catalogue {

// "Informations client": one customer, new or edited. OK checks that the account
// number is a whole number not used by another customer before the dialog closes.
class Tcustform : public QDialog {
    Q_OBJECT
public:
    Tcustform(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent = nullptr);

    bool cust_modifying = false;
    QString editedAccount; // the account of the list row being edited

    // Empty fields and the offered account number.
    void prepareNew(int number);
    // The stored customer, its account shown by number (CL007 shows 7).
    void prepareModify(const Customer& customer);
    // The fields as a customer row, with the account formed from the number field.
    Customer customer() const;

    platform::NumberBox* edaccount() const { return account_; }
    QLineEdit* edcustomer() const { return name_; }
    QPlainTextEdit* edaddress() const { return address_; }
    QLineEdit* edtel() const { return tel_; }
    QLineEdit* edfax() const { return fax_; }
    QLineEdit* edemail() const { return email_; }
    QPlainTextEdit* ednotes() const { return notes_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void OkbtnClick();
    bool numberAccepted();
    db::Connection& dqd_;
    platform::Prompts& prompts_;
    platform::NumberBox* account_;
    QLineEdit* name_;
    QPlainTextEdit* address_;
    QLineEdit* tel_;
    QLineEdit* fax_;
    QLineEdit* email_;
    QPlainTextEdit* notes_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace vantrel::catalogue
