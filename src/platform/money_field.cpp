#include "platform/money_field.h"

#include <QApplication>
#include <QRegularExpressionValidator>

#include <cmath>

namespace vantrel::platform {

namespace {

class AmountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input.replace(QLatin1Char('.'), QLatin1Char(','));
        static const QRegularExpression shape(QStringLiteral("^-?\\d*(,\\d{0,3})?$"));
        if (shape.match(input).hasMatch())
            return Acceptable;
        QApplication::beep();
        return Invalid;
    }
};

bool readAmount(const QString& plain, long double& value) {
    QString text = plain.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty() || text == QLatin1String("-"))
        return false;
    bool ok = false;
    const double read = text.toDouble(&ok);
    value = read;
    return ok;
}

QString formatAmount(long double value, int decimals) {
    const long double scale = std::pow(10.0L, decimals);
    const long double scaled = std::nearbyintl(std::fabs(value) * scale);
    QString digits = QString::number(static_cast<unsigned long long>(scaled));
    while (digits.size() <= decimals)
        digits.prepend(QLatin1Char('0'));
    digits.insert(digits.size() - decimals, QLatin1Char(','));
    if (value < 0 && scaled != 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

} // namespace

MoneyField::MoneyField(QWidget* parent) : QLineEdit(parent), validator_(new AmountValidator(this)) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showMoney();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { plain_ = text; });
}

void MoneyField::setMoneyFormat(int decimals, const QString& symbol) {
    decimals_ = decimals == 3 ? 3 : 2;
    symbol_ = symbol;
    if (!hasFocus())
        showMoney();
}

void MoneyField::setAmountText(const QString& plain) {
    plain_ = plain;
    if (hasFocus())
        setText(plain_);
    else
        showMoney();
}

long double MoneyField::amount(bool* ok) const {
    long double value = 0;
    const bool read = readAmount(plain_, value);
    if (ok)
        *ok = read;
    if (!read)
        return 0;
    const long double scale = std::pow(10.0L, decimals_);
    return std::nearbyintl(value * scale) / scale;
}

QString MoneyField::amountText() const { return plain_; }

QString MoneyField::moneyText() const {
    long double value = 0;
    if (!readAmount(plain_, value))
        return plain_;
    return formatAmount(value, decimals_) + QLatin1Char(' ') + symbol_;
}

void MoneyField::showMoney() {
    setValidator(nullptr);
    setText(moneyText());
}

void MoneyField::focusInEvent(QFocusEvent* event) {
    // Editing starts from the plain number, as the field shows it.
    long double value = 0;
    if (readAmount(plain_, value))
        plain_ = formatAmount(value, decimals_);
    setText(plain_);
    setValidator(validator_);
    QLineEdit::focusInEvent(event);
}

void MoneyField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    showMoney();
}

} // namespace vantrel::platform
