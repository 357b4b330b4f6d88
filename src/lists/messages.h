#pragma once

#include <QString>
#include <QStringList>

// The French texts of the main list, its choice lists and the period dialog.
namespace vantrel::lists::messages {

inline const QString folderQuotes = QStringLiteral("Devis");
inline const QString folderInvoices = QStringLiteral("Factures");
inline const QString folderCustomers = QStringLiteral("Clients");
inline const QString folderArticles = QStringLiteral("Articles");

inline const QStringList periodEntries = {
    QStringLiteral("Toute la période"), QStringLiteral("Hier"),
    QStringLiteral("Aujourd'hui"),      QStringLiteral("Mois dernier"),
    QStringLiteral("Ce mois-ci"),       QStringLiteral("Entre deux dates"),
};

inline const QStringList filterEntries = {
    QStringLiteral("Tout"),
    QStringLiteral("Factures payées"),
    QStringLiteral("Factures non payées"),
    QStringLiteral("Payées et non envoyées"),
    QStringLiteral("Payées et envoyées"),
};

inline const QString selectPeriodTitle = QStringLiteral("Sélection de période");
inline const QString beginLabel = QStringLiteral("Début :");
inline const QString endLabel = QStringLiteral("Fin :");
inline const QString okButton = QStringLiteral("OK");
inline const QString endBeforeBegin =
    QStringLiteral("La date de fin sélectionnée est inférieure à la date de début.");

} // namespace vantrel::lists::messages
