#include "platform/number_field.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace vantrel::platform {

namespace {

// Reads a field's text (digits, an optional decimal comma) without any locale.
bool readPlain(const QString& text, long double& value) {
    QString plain = text.trimmed();
    if (plain.isEmpty())
        return false;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double read = plain.toDouble(&ok); // QString::toDouble is locale-independent
    if (!ok)
        return false;
    value = read;
    return true;
}

QString formatDecimal(long double value, int decimals) {
    long double scale = std::pow(10.0L, decimals);
    const long double scaled = std::nearbyintl(std::fabs(value) * scale);
    QString digits = QString::number(static_cast<unsigned long long>(scaled));
    while (digits.size() <= decimals)
        digits.prepend(QLatin1Char('0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, QLatin1Char(','));
    if (value < 0 && scaled != 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

// A validator that refuses, with a beep, what cannot become a number, and turns a
// typed full stop into the decimal comma.
class NumberValidator : public QValidator {
public:
    NumberValidator(int decimals, QObject* parent) : QValidator(parent), decimals_(decimals) {}

    State validate(QString& input, int&) const override {
        if (decimals_ > 0)
            input.replace(QLatin1Char('.'), QLatin1Char(','));
        bool comma = false;
        for (QChar c : input) {
            if (c.isDigit() && c.unicode() < 128)
                continue;
            if (decimals_ > 0 && c == QLatin1Char(',') && !comma) {
                comma = true;
                continue;
            }
            QApplication::beep();
            return Invalid;
        }
        return Acceptable;
    }

private:
    int decimals_;
};

} // namespace

QString canonicalNumberText(const QString& text, int decimals, long double minimum) {
    const QString trimmed = text.trimmed();
    if (decimals == 0) {
        // Whole numbers keep every digit, so a number too large for the program is
        // still shown as typed and refused with its conversion message at OK.
        QString digits = trimmed;
        while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
            digits.remove(0, 1);
        bool allDigits = !digits.isEmpty();
        for (QChar c : digits)
            allDigits = allDigits && c.isDigit() && c.unicode() < 128;
        if (!allDigits)
            return formatDecimal(minimum, 0);
        if (digits.size() <= 18 && digits.toLongLong() < static_cast<long long>(minimum))
            return formatDecimal(minimum, 0);
        return digits;
    }
    long double value = 0;
    if (!readPlain(trimmed, value) || value < minimum)
        value = minimum;
    return formatDecimal(value, decimals);
}

NumberField::NumberField(int decimals, long double minimum, QWidget* parent)
    : QWidget(parent), decimals_(decimals), minimum_(minimum) {
    edit_ = new QLineEdit(this);
    edit_->setValidator(new NumberValidator(decimals, edit_));
    edit_->installEventFilter(this);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_, 1);
    layout->addLayout(arrows);
    setFocusProxy(edit_);

    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(edit_, &QLineEdit::textChanged, this, &NumberField::textChanged);
}

QString NumberField::text() const { return edit_->text(); }

void NumberField::setText(const QString& text) { edit_->setText(text); }

void NumberField::canonicalize() {
    const QString canonical = canonicalNumberText(edit_->text(), decimals_, minimum_);
    if (canonical != edit_->text())
        edit_->setText(canonical);
}

void NumberField::setFieldColour(const QColor& colour) {
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base, colour);
    edit_->setPalette(palette);
}

void NumberField::step(int direction) {
    long double value = minimum_;
    readPlain(canonicalNumberText(edit_->text(), decimals_, minimum_), value);
    value += direction;
    if (value < minimum_)
        value = minimum_;
    edit_->setText(formatDecimal(value, decimals_));
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::FocusOut) {
            canonicalize();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantrel::platform
