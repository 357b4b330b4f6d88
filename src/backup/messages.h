#pragma once

#include <QString>

namespace vantrel::backup::messages {

// The backup dialog.
inline const QString backupTitle = QStringLiteral("Sauvegarde");
inline const QString dataGroup = QStringLiteral("Données à sauvegarder");
inline const QString openDatabaseCaption = QStringLiteral("Base de données ouverte (actuelle)");
inline const QString destinationGroup = QStringLiteral("Destination");
inline const QString saveAsLabel = QStringLiteral("Enregistrer sous :");
inline const QString rememberPath = QStringLiteral("Se souvenir de ce chemin");
inline const QString removableRemark =
    QStringLiteral("Il est recommandé d'effectuer des sauvegardes sur des disques amovibles.");
inline const QString showAtExit = QStringLiteral("Toujours afficher avant de quitter");
inline const QString backupButton = QStringLiteral("Sauvegarder");
inline const QString closeButton = QStringLiteral("Fermer");
inline const QString browseButton = QStringLiteral("...");
inline const QString saveAsTitle = QStringLiteral("Sauvegarder sous");
inline const QString backupFilter = QStringLiteral("Sauvegarde Vantrel (*.vtbk)|*.vtbk");
inline const QString backupExtension = QStringLiteral("vtbk");

inline const QString rememberNote = QStringLiteral(
    "Note: En cochant cette case, veuilez faire attention, si vous changez de base de données, à ne pas "
    "remplacer la sauvegarde d'une autre base. Lorsque vous sauvegardez, c'est la base en cours qui est "
    "sauvegardée.");
inline const QString noDestination =
    QStringLiteral("Veuillez spécifier un chemin de destination pour le fichier de sauvegarde");
inline const QString cannotCreateFolder = QStringLiteral("Impossible de créer le répertoire");
inline const QString archiveTestFailed = QStringLiteral("Une erreur s'est produite dans le fichier de sauvegarde.");
inline const QString backupDone = QStringLiteral("Sauvegarde effectuée avec succès.");
// Backing up onto the open database itself would put the archive in place of the data.
inline const QString destinationIsDatabase = QStringLiteral(
    "Le fichier de destination est la base de données ouverte. Veuillez indiquer un autre fichier.");

// "Attention, le fichier de destination "x.vtbk" existe déjà. Voulez-vous le remplacer ?"
inline QString replaceQuestion(const QString& fileName) {
    return QStringLiteral("Attention, le fichier de destination \"%1\" existe déjà. Voulez-vous le remplacer ?")
        .arg(fileName);
}

// The extraction dialog.
inline const QString extractTitle = QStringLiteral("Extraire une sauvegarde");
inline const QString extractExplanation = QStringLiteral(
    "Cette fonction ne fait qu'extraire la base sauvegardée vers un fichier. Une fois la base de données "
    "extraite de la sauvegarde, vous pouvez l'ouvrir en utilisant le menu \"Fichier/Base de données/Ouvrir\".");
inline const QString sourceGroup = QStringLiteral("Source");
inline const QString backupFileLabel = QStringLiteral("Fichier de sauvegarde :");
inline const QString saveDatabaseAsLabel = QStringLiteral("Enregistrer la base sous :");
inline const QString extractButton = QStringLiteral("Extraire la base sauvegardée");
inline const QString databaseFilter = QStringLiteral("Base de données Vantrel (*.vtdb)|*.vtdb");
inline const QString databaseExtension = QStringLiteral("vtdb");

inline const QString noSource = QStringLiteral("Veuillez indiquer un fichier de sauvegarde source.");
inline const QString noExtractDestination = QStringLiteral(
    "Veuillez indiquer un chemin de fichier sous lequel enregistrer la base de données extraite.");
inline const QString sourceMissing = QStringLiteral("Le fichier de sauvegarde indiqué n'existe pas.");
inline const QString destinationExists =
    QStringLiteral("Le fichier de destination existe. Veuillez soit indiquer un nom de fichier inexistant, soit "
                   "renommer le fichier existant.");
inline const QString extractDone = QStringLiteral("Opération terminée.");
// An archive without any entry would otherwise end with "Opération terminée." and no file.
inline const QString emptyArchive = QStringLiteral("La sauvegarde ne contient aucune base de données.");

} // namespace vantrel::backup::messages
