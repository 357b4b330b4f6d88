#pragma once

#include <QAbstractSpinBox>
#include <optional>

namespace vantrel::platform {

// A number field with up and down buttons, as every dialog uses them: whole numbers
// (document, account and article numbers, stock, quantity, decimals) or numbers with a
// fixed count of decimals (VAT rates), written with the decimal comma; a typed full stop
// is taken as the comma and characters that cannot form a number are refused. A text
// set from the database is shown as it is stored, and a typed text is kept as typed, so
// that a command confirmed at once reads what the user left (an emptied field stays
// empty); when the focus leaves the field (or a button steps it) the text is rewritten
// in canonical form, kept between the minimum and maximum.
class NumberBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    NumberBox(int decimals, double minimum, std::optional<double> maximum,
              QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void canonicalize();
    void setFieldColour(const QColor& colour);

Q_SIGNALS:
    void textChanged(const QString& text);

public:

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<double> value(const QString& text) const;
    QString canonical(const QString& text) const;
    QString format(double value) const;
    double clamp(double value) const;

    int decimals_;
    double minimum_;
    std::optional<double> maximum_;
};

} // namespace vantrel::platform
