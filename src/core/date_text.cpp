#include "core/date_text.h"

#include "core/error.h"
#include "core/messages.h"

#include <QRegularExpression>

namespace vantrel {

QString dateText(const QDate& date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

std::optional<QDate> readDateText(const QString& stored) {
    const QString trimmed = stored.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const QRegularExpressionMatch match = shape.match(trimmed);
    QDate date;
    if (match.hasMatch()) {
        int year = match.captured(3).toInt();
        if (match.capturedLength(3) == 2)
            year += 2000;
        date = QDate(year, match.captured(2).toInt(), match.captured(1).toInt());
    }
    if (!date.isValid())
        throw ConversionError(messages::withText(messages::notADate, stored));
    return date;
}

} // namespace vantrel
