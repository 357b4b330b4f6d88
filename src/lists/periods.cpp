#include "lists/periods.h"

#include "core/date_text.h"
#include "lists/messages.h"

namespace vantrel::lists {
namespace {

const QString everything = QStringLiteral("Num=Num");

// "/mm/yyyy": the date text from its third character on, eight characters, which a
// LIKE '%...' matches against every day of that month.
QString monthPart(const QDate& day) {
    return dateText(day).mid(2, 8);
}

} // namespace

QStringList periodEntries() {
    return messages::periodEntries;
}
QStringList filterEntries() {
    return messages::filterEntries;
}

QString getfilter1(int periodIndex, const QDate& today) {
    switch (periodIndex) {
    case 1:
        return QStringLiteral("Dat = '") + dateText(today.addDays(-1)) + QLatin1Char('\'');
    case 2:
        return QStringLiteral("Dat = '") + dateText(today) + QLatin1Char('\'');
    case 3: {
        const QDate lastOfPrevious = QDate(today.year(), today.month(), 1).addDays(-1);
        return QStringLiteral("Dat LIKE '%") + monthPart(lastOfPrevious) + QLatin1Char('\'');
    }
    case 4:
        return QStringLiteral("Dat LIKE '%") + monthPart(today) + QLatin1Char('\'');
    default:
        return everything;
    }
}

QString getfilter2(int filterIndex) {
    switch (filterIndex) {
    case 1:
        return QStringLiteral("Paid='Oui'");
    case 2:
        return QStringLiteral("Paid='Non'");
    case 3:
        return QStringLiteral("Paid='Oui' AND Sent='Non'");
    case 4:
        return QStringLiteral("Paid='Oui' AND Sent='Oui'");
    default:
        return everything;
    }
}

} // namespace vantrel::lists
