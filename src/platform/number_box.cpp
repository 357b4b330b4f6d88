#include "platform/number_box.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace vantrel::platform {

NumberBox::NumberBox(int decimals, double minimum, std::optional<double> maximum, QWidget* parent)
    : QAbstractSpinBox(parent), decimals_(decimals), minimum_(minimum), maximum_(maximum) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberBox::textChanged);
}

void NumberBox::setFieldColour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    setPalette(palette);
}

QString NumberBox::text() const {
    return lineEdit()->text();
}

void NumberBox::setText(const QString& text) {
    lineEdit()->setText(text);
}

void NumberBox::canonicalize() {
    const QString canonicalText = canonical(text());
    if (canonicalText != text())
        setText(canonicalText);
}

QValidator::State NumberBox::validate(QString& input, int&) const {
    if (decimals_ > 0)
        input.replace(QLatin1Char('.'), QLatin1Char(','));
    qsizetype comma = -1;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c.unicode() < 128 && c.isDigit())
            continue;
        if (decimals_ > 0 && c == QLatin1Char(',') && comma < 0) {
            comma = i;
            continue;
        }
        return QValidator::Invalid;
    }
    if (comma >= 0 && input.size() - comma - 1 > decimals_)
        return QValidator::Invalid;
    const std::optional<double> typed = value(input);
    if (!typed)
        return QValidator::Intermediate;
    if (maximum_ && *typed > *maximum_)
        return QValidator::Invalid;
    return *typed < minimum_ ? QValidator::Intermediate : QValidator::Acceptable;
}

void NumberBox::fixup(QString& input) const {
    input = canonical(input);
}

void NumberBox::stepBy(int steps) {
    const double current = value(text()).value_or(minimum_);
    setText(format(clamp(current + steps)));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled NumberBox::stepEnabled() const {
    const double current = value(text()).value_or(minimum_);
    StepEnabled enabled = StepNone;
    if (!maximum_ || current < *maximum_)
        enabled |= StepUpEnabled;
    if (current > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    canonicalize();
    QAbstractSpinBox::focusOutEvent(event);
}

std::optional<double> NumberBox::value(const QString& text) const {
    QString plain = text.trimmed();
    if (plain.isEmpty())
        return std::nullopt;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double read = plain.toDouble(&ok); // QString::toDouble ignores the locale
    if (!ok || !std::isfinite(read))
        return std::nullopt;
    return read;
}

QString NumberBox::canonical(const QString& text) const {
    return format(clamp(value(text).value_or(minimum_)));
}

QString NumberBox::format(double number) const {
    return QString::number(number, 'f', decimals_).replace(QLatin1Char('.'), QLatin1Char(','));
}

double NumberBox::clamp(double number) const {
    number = std::max(number, minimum_);
    if (maximum_)
        number = std::min(number, *maximum_);
    return number;
}

} // namespace vantrel::platform
