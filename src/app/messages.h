#pragma once

#include <QString>

// Texts of the start-up and of the database file commands, exactly as the user sees them.
namespace vantrel::app::messages {

inline const QString programTitle = QStringLiteral("Vantrel 3");
inline const QString titlePrefix = QStringLiteral("Vantrel - ");
inline const QString statusPrefix = QStringLiteral("Chemin de base de données :  ");
inline const QString demoDatabaseName = QStringLiteral("Base de données d'exemple.vtdb");
inline const QString reportTemplateName = QStringLiteral("facture.rav");

inline const QString noDatabase =
    QStringLiteral("Pas de base de données ouverte. Cliquez dans le menu \"Fichier/Base de données/Ouvrir\" "
                   "pour rouvrir votre base de données.");

inline const QString decimalSeparator = QStringLiteral(
    "Un problème s'est produit à cause du paramètre de séparateur décimal dans le panneau de configuration "
    "Windows.\r"
    "Sur votre Windows vous avez le séparateur décimal qui n'est pas bien configuré pour le format français "
    "(point au lieu de décimale). La solution est simple, il suffit de modifier votre séparateur décimal ou "
    "bien en mieux si ça vous convient de réinitialiser les paramètres de nombres pour utiliser ceux par "
    "défaut.\r"
    "\r"
    "Pour Windows 10 par exemple :\r"
    "- Ouvrir le panneau de configuration Windows en utilisant le menu démarrer (écrire panneau de "
    "configuration).\r"
    "- Cliquer sur \"horloge, langue et région\" puis sur \"modifier les formats de date, d'heure ou de "
    "nombre\".\r"
    "- S'assurer que le format sélectionné dans la zone format est français.\r"
    "- Cliquer sur le bouton \"paramètre supplémentaires\" et là soit corriger le symbole décimal en virgule "
    "ou bien cliquer sur le bouton \"Réinitialiser\" pour réinitialiser les paramètres. Valider ensuite par "
    "OK.\r"
    "Veuillez ensuite relancer Vantrel, tout devra fonctionner bien.\r"
    "\r"
    "Si vous avez besoin de plus d'aide, veuillez contacter le support.");

inline const QString firstUseTitle = QStringLiteral("Information importante");
inline const QString firstUseText = QStringLiteral(
    "Avec le logiciel Vantrel, vos données sont stockées sur votre ordinateur. \r\n"
    "Puisque c'est votre première utilisation, le logiciel va ouvrir une base de données de démonstration.\r\n"
    "C'est un simple exemple servant à illustrer les fonctionnalités du logiciel.\r\n"
    "\r\n"
    "Vous pourrez à n''importe quel moment créer votre base de données à l'aide du menu \r\n"
    "'Fichier/Base de données'.");
inline const QString firstUseCheck = QStringLiteral("Bien compris !");
inline const QString firstUseRefusal =
    QStringLiteral("Veuillez lire cette information et cocher la case \"Bien compris\"");

inline const QString databaseGone = QStringLiteral("Le fichier de base de données n'existe plus.");
inline const QString openFailed = QStringLiteral("Erreur lors de l'ouverture.");
inline const QString alreadyOpen = QStringLiteral("Le fichier est déjà ouvert, c'est la base de données en cours.");
inline const QString laterVersion = QStringLiteral(
    "Cette base de données a été créée avec une version ultérieure.\r\r"
    "Veuillez utiliser une version plus récente pour l'ouvrir.");
inline const QString createdAndOpened = QStringLiteral(
    "La base de données a été créée et ouverte.\r\r"
    "Note: veuillez garder précieusement le fichier de la base de données sur laquelle vous travaillez car il "
    "contient toutes vos données. Veuillez aussi vous souvenir de son chemin.");
inline const QString opened = QStringLiteral("La base de données que vous avez sélectionnée a été ouverte.");
inline const QString fileExists = QStringLiteral("Le fichier existe dèja.");
inline const QString fillInSettings =
    QStringLiteral("Veuillez remplir les champs avec vos informations dans la boîte qui va s'afficher.");

inline const QString openDialogTitle = QStringLiteral("Ouvrir une base de données");
inline const QString createDialogTitle = QStringLiteral("Créer une base de données");
inline const QString databaseFilter = QStringLiteral("Base de données Vantrel (*.vtdb)|*.vtdb");
inline const QString databaseExtension = QStringLiteral("vtdb");

} // namespace vantrel::app::messages
