#pragma once

#include "core/line_items.h"
#include "core/money.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace vantrel::db {
class Connection;
}
namespace vantrel::platform {
class MoneyField;
class NumberBox;
class Prompts;
} // namespace vantrel::platform

namespace vantrel::documents {

// "Article": one line of a document. Typing a catalogue code fills the description,
// the price and the rate; "..." beside the code picks an article, "..." beside the
// rate a VAT rate. The dialog checks nothing of its own.
class TAddArticleform : public QDialog {
    Q_OBJECT
public:
    using Pick = std::function<std::optional<QString>(QWidget* anchor, const QColor& tint)>;

    TAddArticleform(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent = nullptr);

    Pick pickArticle; // gives a chosen article code
    Pick pickVat;     // gives a chosen rate

    void setMoneyFormat(const MoneyFormat& format);
    void setTint(const QColor& tint);
    QColor tint() const { return tint_; }

    // A new line: no code or description, quantity 1, price 0 and the given rate.
    void prepareAdd(const QString& rate);
    // An existing line, its own values shown (not the catalogue's).
    void prepareChange(const LineItem& item);
    // The line as the fields give it, its amounts computed; throws the conversion
    // error for a quantity, price or rate that is not a number.
    LineItem lineItem(const MoneyFormat& format) const;

    QLineEdit* edcode() const { return code_; }
    QLineEdit* eddescription() const { return description_; }
    platform::MoneyField* edunitprice() const { return price_; }
    platform::NumberBox* edvat() const { return vat_; }
    platform::NumberBox* edquantity() const { return quantity_; }
    QToolButton* codeButton() const { return codeButton_; }
    QToolButton* vatButton() const { return vatButton_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void edcodeChange();
    db::Connection& dqd_;
    platform::Prompts& prompts_;
    QColor tint_;
    QLineEdit* code_;
    QToolButton* codeButton_;
    QLineEdit* description_;
    platform::MoneyField* price_;
    platform::NumberBox* vat_;
    QToolButton* vatButton_;
    platform::NumberBox* quantity_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace vantrel::documents
