#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vantrel::platform {

// A number field with up and down buttons, as every dialog of the program uses them:
// whole numbers (account and article numbers, stock, quantity) or decimal numbers with
// a fixed count of decimals (VAT rates). Characters that cannot form a number are
// refused with a beep; in a decimal field a typed full stop is taken as the decimal
// comma. When the focus leaves the field its text is rewritten in canonical form
// (no leading zeros, the decimals filled out), raised to the minimum if smaller. The
// text is otherwise kept as typed, so that a command reading it sees what the user
// left there (an emptied field confirmed at once stays empty).
class NumberField : public QWidget {
    Q_OBJECT
public:
    // decimals 0: whole numbers.
    NumberField(int decimals, long double minimum, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // The canonical text of the current value (what leaving the field shows).
    void canonicalize();
    QLineEdit* editor() const { return edit_; }
    int decimals() const { return decimals_; }
    void setFieldColour(const QColor& colour);

Q_SIGNALS:
    void textChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int direction);
    int decimals_;
    long double minimum_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

// The canonical text of a number field's text: whole numbers without leading zeros,
// decimals with exactly `decimals` digits after the comma; anything below `minimum`
// (an empty or unreadable text too) becomes the minimum. Texts beyond the 64-bit
// range keep their digits.
QString canonicalNumberText(const QString& text, int decimals, long double minimum);

} // namespace vantrel::platform
