#pragma once

#include <QString>

namespace vantrel::catalogue::messages {

inline const QString customerNumberUsed = QStringLiteral(
    "Le numéro de client spécifié est dèjà utilisé pour un autre client. Veuillez le changer.");
inline const QString articleNumberUsed = QStringLiteral(
    "Le numéro d'article spécifié est dèjà utilisé pour un autre article. Veuillez le changer.");

inline const QString customerCaption = QStringLiteral("Informations client");
inline const QString articleCaption = QStringLiteral("Informations Article");

} // namespace vantrel::catalogue::messages
