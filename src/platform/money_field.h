#pragma once

#include <QLineEdit>

class QValidator;

namespace vantrel::platform {

// An amount field: while it has the focus it holds the plain number (up to three
// decimals, a typed full stop taken as the comma); otherwise it shows the money text
// of its value in the money format set on it ("12,50 €", "12,500 €").
class MoneyField : public QLineEdit {
    Q_OBJECT
public:
    explicit MoneyField(QWidget* parent = nullptr);

    // The format's decimals (2 or 3) and currency symbol.
    void setMoneyFormat(int decimals, const QString& symbol);
    // Sets the amount from a plain number text ("0", "12,50"); an unreadable text
    // shows as it is and is refused by whoever reads the value.
    void setAmountText(const QString& plain);
    // The number the field shows, rounded to the format's decimals; throws nothing:
    // `ok` tells whether the text was a number.
    long double amount(bool* ok = nullptr) const;
    QString amountText() const; // the plain number, as last typed or set
    QString moneyText() const;  // what the field shows when it does not have the focus

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showMoney();
    int decimals_ = 2;
    QString symbol_ = QStringLiteral("€");
    QString plain_ = QStringLiteral("0");
    QValidator* validator_;
};

} // namespace vantrel::platform
