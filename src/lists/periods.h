#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace vantrel::lists {

// The entries of "Période :" and "Filtre :", in order.
QStringList periodEntries();
QStringList filterEntries();

inline constexpr int betweenTwoDates = 5; // the period index filtered after reading

// The period condition for a period index on the given day ("Num=Num" for the whole
// period, "Dat LIKE '%/12/2026'" for this month on a December day ...). Index 5 has no
// condition of its own and gives "Num=Num".
QString getfilter1(int periodIndex, const QDate& today);
// The payment condition for a filter index ("Paid='Oui'" ...).
QString getfilter2(int filterIndex);

// A span of days, both ends included; empty when the end lies before the start.
struct DateSpan {
    QDate begin;
    QDate end;
    bool contains(const QDate& day) const { return day >= begin && day <= end; }
};

} // namespace vantrel::lists
