#pragma once

#include <QString>

// The French texts of the company settings dialog.
namespace vantrel::settings::messages {

inline const QString caption = QStringLiteral("Informations / Paramètres");
inline const QString okButton = QStringLiteral("&OK");
inline const QString cancelButton = QStringLiteral("&Annuler");

inline const QString contactTab = QStringLiteral("Coordonnées");
inline const QString businessNameLabel = QStringLiteral("Nom / Entreprise :");
inline const QString addressLabel = QStringLiteral("Adresse :");
inline const QString emailLabel = QStringLiteral("Email :");
inline const QString telephoneLabel = QStringLiteral("Téléphone :");
inline const QString faxLabel = QStringLiteral("Fax :");
inline const QString websiteLabel = QStringLiteral("Site web :");

inline const QString moneyTab = QStringLiteral("Monnaie/Taxes");
inline const QString currencyLabel = QStringLiteral("Monnaie :");
inline const QString decimalsLabel = QStringLiteral("Nombre de décimales :");
inline const QString ratesHeading = QStringLiteral("Liste des taux de TVA :");
inline const QString rate1Label = QStringLiteral("TVA Taux 1 :");
inline const QString rate2Label = QStringLiteral("TVA Taux 2 :");
inline const QString percent = QStringLiteral("%");
inline const QString defaultRate = QStringLiteral("Par défaut");
inline const QString rateNote1 =
    QStringLiteral("(vous pourrez modifier à votre guise le taux de tva");
inline const QString rateNote2 = QStringLiteral("sur chaque article)");

inline const QString logoTab = QStringLiteral("Logo");
inline const QString logoNote1 =
    QStringLiteral("Si le logo dépasse la taille correcte, il sera automatiquement ");
inline const QString logoNote2 = QStringLiteral("redimensionné.");
inline const QString loadLogoButton = QStringLiteral("Charger votre logo");
inline const QString removeLogoButton = QStringLiteral("Supprimer");
inline const QString grayButton = QStringLiteral("Gris");
inline const QString openPictureTitle = QStringLiteral("Ouvrir une image");
inline const QString allPictures = QStringLiteral("Toutes les images");
inline const QString allFiles = QStringLiteral("Tous les fichiers");

inline const QString infosTab = QStringLiteral("Informations");
inline const QString includeInfos =
    QStringLiteral("Inclure les informations ci-dessous dans les documents ");
inline const QString siretLabel = QStringLiteral("Siret");
inline const QString rcsLabel = QStringLiteral("R.C.S.");
inline const QString nafLabel = QStringLiteral("N.A.F (A.P.E)");
inline const QString tvaIntraLabel = QStringLiteral("N° TVA intra");

inline const QString footerTab = QStringLiteral("Pied-de-page");
inline const QString includeFooter = QStringLiteral("Inclure un pied de page dans les documents");
inline const QString footerNote = QStringLiteral("(pour inclure par exemple d'autres mentions)");

} // namespace vantrel::settings::messages
