#pragma once

#include "catalogue/articles.h"
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

namespace vantrel::catalogue {

// "Informations Article": one article, new or edited. OK checks that the code number
// is a whole number not used by another article before the dialog closes.
class TArtForm : public QDialog {
    Q_OBJECT
public:
    static inline const QColor fieldColour{184, 237, 193};

    TArtForm(db::Connection& dqd, platform::Prompts& prompts, QWidget* parent = nullptr);

    bool art_modifying = false;
    QString editedCode; // the code of the list row being edited
    // Opens the VAT pick list under the "..." button and gives the chosen rate, if any.
    std::function<std::optional<QString>(QWidget* anchor, const QColor& tint)> pickVat;

    void setMoneyFormat(const MoneyFormat& format);
    // The offered code, price 0, stock 1 and the company's first rate.
    void prepareNew(int number, const QString& rate1);
    // The stored article: code by number, the number part of its price.
    void prepareModify(const Article& article);
    // The fields as an article row: code formed from the number, price as shown.
    Article article() const;

    platform::NumberBox* edcode() const { return code_; }
    QLineEdit* eddescription() const { return description_; }
    platform::MoneyField* edprice() const { return price_; }
    platform::NumberBox* edstock() const { return stock_; }
    platform::NumberBox* edvat() const { return vat_; }
    QToolButton* vatButton() const { return vatButton_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void OkbtnClick();
    bool numberAccepted();
    void Button1Click();
    db::Connection& dqd_;
    platform::Prompts& prompts_;
    platform::NumberBox* code_;
    QLineEdit* description_;
    platform::MoneyField* price_;
    platform::NumberBox* stock_;
    platform::NumberBox* vat_;
    QToolButton* vatButton_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace vantrel::catalogue
