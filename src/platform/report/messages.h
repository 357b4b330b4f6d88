#pragma once

#include <QString>

// Texts of the report engine's errors; %1 is the file, %2 the element or the reason.
namespace vantrel::report::messages {

inline const QString templateMissing =
    QStringLiteral("Le modèle d'impression « %1 » est introuvable.");
inline const QString templateUnreadable =
    QStringLiteral("Le modèle d'impression « %1 » ne peut pas être lu : %2");
inline const QString templateDamaged =
    QStringLiteral("Le modèle d'impression « %1 » n'est pas un modèle valide : %2");
inline const QString reportMissing =
    QStringLiteral("Le modèle d'impression « %1 » ne contient pas le rapport « %2 ».");
inline const QString pageMissing =
    QStringLiteral("Le modèle d'impression « %1 » ne contient pas la page « %2 ».");
inline const QString elementMissing =
    QStringLiteral("Le modèle d'impression « %1 » ne contient pas l'élément « %2 ».");
inline const QString elementWrongKind = QStringLiteral(
    "Dans le modèle d'impression « %1 », l'élément « %2 » n'est pas du type attendu (%3).");
inline const QString pageFileUnwritable =
    QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2");
inline const QString pageFileUnreadable =
    QStringLiteral("Le fichier « %1 » ne peut pas être lu : %2");
inline const QString pdfUnwritable =
    QStringLiteral("Le fichier PDF « %1 » ne peut pas être écrit : %2");
inline const QString printerUnusable =
    QStringLiteral("L'imprimante « %1 » ne peut pas imprimer le document.");

} // namespace vantrel::report::messages
