#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace vantrel {

// The stored date form: dd/MM/yyyy.
QString dateText(const QDate& date);

// The date of a stored text; nullopt when the text is blank (the caller then keeps the
// date it had). Throws the conversion error "'<text>' n'est pas une date correcte" for
// a text that is not a day/month/year date.
std::optional<QDate> readDateText(const QString& stored);

} // namespace vantrel
