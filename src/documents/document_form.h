#pragma once

#include "catalogue/customers.h"
#include "documents/document_store.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace vantrel::db {
class Connection;
}
namespace vantrel::platform {
class NumberBox;
class Prompts;
} // namespace vantrel::platform

namespace vantrel::documents {

// What the invoice and quote dialogs share: number, customer and contact, date, flags,
// bottom line, notes and the item list with its three buttons. OK closes only when the
// number passes the check of the dialog's kind.
class TDocumentForm : public QDialog {
    Q_OBJECT
public:
    // Edits one line through the line-item dialog: a new one when given nothing; the
    // finished line, or nothing when cancelled or refused.
    using EditItem = std::function<std::optional<LineItem>(const std::optional<LineItem>& existing)>;
    using PickCustomer = std::function<std::optional<catalogue::Contact>(QWidget* anchor, const QColor& tint)>;

    EditItem editItem;
    PickCustomer pickCustomer;

    // An empty document of that number, dated today.
    void prepareNew(int number, const QDate& today);
    // Shows a stored document; a blank date leaves the date field as it was.
    void fill(const Document& document);
    Document document() const;

    QColor tint() const { return tint_; }
    QList<LineItem> items() const;
    void setItems(const QList<LineItem>& items);

    platform::NumberBox* ednum() const { return num_; }
    QLineEdit* edcustomer() const { return customer_; }
    QToolButton* customerButton() const { return customerButton_; }
    QPlainTextEdit* edaddress() const { return address_; }
    QDateEdit* eddate() const { return date_; }
    QLineEdit* edtel() const { return tel_; }
    QLineEdit* edfax() const { return fax_; }
    QLineEdit* edemail() const { return email_; }
    QComboBox* edbottom() const { return bottom_; }
    QCheckBox* ecprinted() const { return printed_; }
    QPlainTextEdit* ednotes() const { return notes_; }
    QTreeWidget* ItemsView() const { return items_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    TDocumentForm(db::Connection& dqd, platform::Prompts& prompts, const QString& caption, const QString& numberLabel,
                  const QColor& tint, const QStringList& bottomSuggestions, QWidget* parent);

    // The check boxes of the kind, in screen order, and where they go in a document.
    void addFlags(const QList<QCheckBox*>& flags);
    virtual void readFlags(const Document& document) = 0;
    virtual void writeFlags(Document& document) const = 0;
    // True when the number may be saved; shows the kind's warning otherwise. Throws the
    // conversion error for a number that is not a whole number.
    virtual bool numberAccepted() = 0;

    void showEvent(QShowEvent* event) override;

    db::Connection& dqd_;
    platform::Prompts& prompts_;
    QLabel* bottomLeft_; // where the invoice dialog shows "Transfert en facture"

private:
    void OkbtnClick();
    void addItem();
    void changeItem();
    void removeItem();
    void customerPick();

    QColor tint_;
    platform::NumberBox* num_;
    QLineEdit* customer_;
    QToolButton* customerButton_;
    QPlainTextEdit* address_;
    QDateEdit* date_;
    QLineEdit* tel_;
    QLineEdit* fax_;
    QLineEdit* email_;
    QComboBox* bottom_;
    QCheckBox* printed_;
    QWidget* flagsRow_;
    QPlainTextEdit* notes_;
    QTreeWidget* items_;
    QPushButton* add_;
    QPushButton* change_;
    QPushButton* remove_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// "Facture": tinted light yellow, flags "Imprimée", "Envoyée", "Payée".
class TInvForm : public TDocumentForm {
    Q_OBJECT
public:
    static inline const QColor invoiceTint{255, 255, 128};
    TInvForm(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent = nullptr);

    bool modifying = false;
    int rowtomodify = 0; // the number of the invoice being changed

    QCheckBox* ecsent() const { return sent_; }
    QCheckBox* ecpaid() const { return paid_; }
    QLabel* convertlab() const { return bottomLeft_; }

protected:
    void readFlags(const Document& document) override;
    void writeFlags(Document& document) const override;
    bool numberAccepted() override;

private:
    QCheckBox* sent_;
    QCheckBox* paid_;
};

// "Devis": tinted light blue, flags "Imprimé" and "Facturé".
class Tquoteform : public TDocumentForm {
    Q_OBJECT
public:
    static inline const QColor quoteTint{176, 224, 230};
    Tquoteform(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent = nullptr);

    bool quote_modifying = false;
    int selectedQuoteNumber = 0; // the number of the quote being changed

    QCheckBox* ecinvoiced() const { return invoiced_; }

protected:
    void readFlags(const Document& document) override;
    void writeFlags(Document& document) const override;
    bool numberAccepted() override;

private:
    QCheckBox* invoiced_;
};

} // namespace vantrel::documents
