#pragma once

#include <QString>

// Texts of the conversion errors, with %s standing for the text that failed.
namespace vantrel::messages {

inline const QString notAnInteger = QStringLiteral("''%s'' n'est pas une valeur entière valide");
inline const QString notAFloat = QStringLiteral("'%s' n'est pas une valeur en virgule flottante correcte");
inline const QString notADate = QStringLiteral("'%s' n'est pas une date correcte");

// The message with the failed text in the place of %s.
inline QString withText(const QString& message, const QString& text) {
    return QString(message).replace(QStringLiteral("%s"), text);
}

} // namespace vantrel::messages
