// Texts of the configuration windows and messages, as the student reads them.
#pragma once

#include <QString>

namespace dosarium::configurationtexts {

inline const QString workbenchCaption = QStringLiteral("Dosarium");
inline const QString captionPrefix = QStringLiteral("Dosarium - ");

inline const QString notConfiguration =
    QStringLiteral("Ce fichier ne correspond pas à cette application");
inline const QString notConfigurationTitle = QStringLiteral("Fichier non valide");
inline const QString readFailure = QStringLiteral("Lecture impossible sur disque");
inline const QString readFailureTitle = QStringLiteral("Erreur lors du chargement du fichier");
inline const QString writeFailure = QStringLiteral("Ecriture impossible sur disque");
inline const QString saveImpossibleTitle = QStringLiteral("Enregistrement impossible");

inline const QString nameMissing = QStringLiteral("Il faut donner un nom au fichier!");
inline const QString overwriteQuestion = QStringLiteral("Ecraser le fichier existant?");
inline const QString overwriteTitle = QStringLiteral("Ce fichier existe déjà!");
inline const QString noSuchFile = QStringLiteral("Nom de fichier incorrect ou chemin non valide");
inline const QString noSuchFileTitle = QStringLiteral("impossible d'ouvrir ce fichier");

inline const QString saveWindowCaption = QStringLiteral("Enregistrer les paramètres.");
inline const QString openWindowCaption = QStringLiteral("Ouvrir une configuration");
inline const QString driveLabel = QStringLiteral("Lecteur:");
inline const QString saveDirectoryLabel = QStringLiteral("Répertoire:");
inline const QString openDirectoryLabel = QStringLiteral("Répertoire");
inline const QString savedFilesLabel = QStringLiteral("Fichiers enregistrés");
inline const QString filesLabel = QStringLiteral("Fichiers");
inline const QString nameLabel = QStringLiteral("Nom du fichier:");
inline const QString saveButton = QStringLiteral("ENREGISTRER");
inline const QString openButton = QStringLiteral("OUVRIR");
inline const QString cancelButton = QStringLiteral("ANNULER");
inline const QString pathBoxName = QStringLiteral("Chemin du fichier à ouvrir");
inline const QString loadingNotice = QStringLiteral("Patience: chargement du fichier");

inline const QString filePattern = QStringLiteral("*.C05");

} // namespace dosarium::configurationtexts
