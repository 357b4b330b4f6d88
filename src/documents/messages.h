#pragma once

#include <QString>

namespace vantrel::documents::messages {

// The number checks; the first two differ in one letter.
inline const QString invoiceNumberUsedOnModify = QStringLiteral(
    "Le numéro de facture spécifié est dèjà utilisé pour une autre facture. Veuillez le changer.");
inline const QString invoiceNumberUsedOnNew = QStringLiteral(
    "Le numéro de facture spécifié est dèjà utilisée pour une autre facture. Veuillez le changer.");
inline const QString quoteNumberUsed =
    QStringLiteral("Le numéro de devis spécifié est dèjà utilisé pour un autre devis. Veuillez le changer.");

inline const QString addCustomer =
    QStringLiteral("Voulez-vous ajouter automatiquement ce contact\rà votre liste de clients ?");

inline const QString quoteAlreadyInvoiced = QStringLiteral("Le devis sélectionné a la mention \"Facturé\".");
inline const QString alreadyPaid = QStringLiteral("Cette facture est déjà marquée comme payée.");
inline const QString markedPaid = QStringLiteral("La facture a été marquée comme payée.");

inline const QString transferLabel = QStringLiteral("Transfert en facture");

} // namespace vantrel::documents::messages
