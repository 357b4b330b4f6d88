#pragma once

#include <QString>

namespace vantrel::db::messages {

inline const QString upgradeNotice =
    QStringLiteral("Vantrel va procéder à la mise à jour de votre base de données créée avec la version "
                   "antérieure pour pouvoir utiliser les nouvelles fonctionnalités de cette version.\r\r"
                   "Veuillez ne pas utiliser l'ancienne version pour ouvrir cette base de données.");

inline const QString keepFileNote = QStringLiteral(
    "Veuillez garder précieusement le fichier de base de données sur laquelle vous travaillez car il contient "
    "toutes vos données. Veuillez aussi vous souvenir de son chemin.");

// The remembered-paths dialog.
inline const QString openTitle = QStringLiteral("Ouvrir une base de données");
inline const QString rememberedLabel = QStringLiteral("Chemins de bases de données mémorisés :");
inline const QString boldNote = QStringLiteral("(S'il y a une base ouverte actuellement, elle est marquée en gras.)");
inline const QString fileColumn = QStringLiteral("Nom du fichier");
inline const QString folderColumn = QStringLiteral("Chemin");
inline const QString openOtherButton = QStringLiteral("&Ouvrir un autre fichier");
inline const QString openButton = QStringLiteral("&Ouvrir");
inline const QString cancelButton = QStringLiteral("&Annuler");
inline const QString selectAFile = QStringLiteral("Veuillez sélectionner un fichier de base de données");
inline const QString fileNotThere = QStringLiteral("Ce fichier n'existe pas dans cet emplacement.");

// The open-database path dialog.
inline const QString currentTitle = QStringLiteral("Chemin de la base ouverte");
inline const QString currentLabel = QStringLiteral("Chemin de la base en cours :");
inline const QString closeButton = QStringLiteral("Fermer");

} // namespace vantrel::db::messages
