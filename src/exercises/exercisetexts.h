// Every text of the exercise window and of the exercise commands that the user reads.
#pragma once

#include <QString>

namespace dosarium::ExerciseTexts {

inline const QString heading = QStringLiteral("Ouvrir un exercice");
inline const QString listLabel = QStringLiteral("Liste des exercices:");
inline const QString filePattern = QStringLiteral("*.E12");
inline const QString chooseFile = QStringLiteral("Sélectionner un fichier");
inline const QString notionsLabel = QStringLiteral("Notions abordées :");
inline const QString difficultyLabel = QStringLiteral("Niveau de difficulté :");
inline const QString corrected = QStringLiteral("Exercice corrigé");
inline const QString notCorrected = QStringLiteral("Non corrigé");
inline const QString openHint = QStringLiteral("Ouvrir l'exercice sélectionné");
inline const QString closeHint = QStringLiteral("Fermer sans charger d'exercice");
inline const QString waitTitle = QStringLiteral("Patienter quelques instants");
inline const QString waitLoading = QStringLiteral(" Chargement des fichiers");

inline const QString menuOpenExercise =
    QStringLiteral("Ouvrir un exercice (énoncé + configuration)");
inline const QString menuShowCorrection = QStringLiteral("Voir la correction");
inline const QString menuCompare = QStringLiteral("Comparer ma préparation au corrigé");
inline const QString menuReturnToPreparation = QStringLiteral("Revenir à ma préparation");
inline const QString menuSaveText = QStringLiteral("Enregistrer le contenu de la fenêtre exercice");
inline const QString menuReopenText = QStringLiteral("Retrouver un texte");
inline const QString menuPrintText = QStringLiteral("Imprimer le contenu de la fenêtre exercice");
inline const QString menuCloseExercise = QStringLiteral("Fermer l'exercice");

inline const QString lossText = QStringLiteral("Attention: perte des modifications du texte.");
inline const QString lossTitle = QStringLiteral("Abandon des données?");

inline const QString unreadableText =
    QStringLiteral("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur.");
inline const QString unreadableTitle = QStringLiteral("Lecture impossible");
inline QString missingFileText(const QString& path)
{
    return QStringLiteral("Le fichier ") + path + QStringLiteral(" est introuvable");
}
inline const QString missingFileTitle = QStringLiteral("Fichier absent");

inline const QString rtfFilterDescription = QStringLiteral("Texte au format RTF");
inline const QString rtfFilterPattern = QStringLiteral("*.RTF");
inline const QString rtfDefaultSuffix = QStringLiteral("RTF");
inline const QString rtfInitialName = QStringLiteral("*.rtf");
inline QString overwriteText(const QString& fileName)
{
    return QStringLiteral("Le fichier ") + fileName +
           QStringLiteral(" existe déjà.\r\nEcraser l'ancien?");
}
inline const QString overwriteTitle = QStringLiteral("Ecraser le fichier?");
inline const QString driveText = QStringLiteral("Vérifier l'état du lecteur et le nom du fichier.");
inline const QString writeErrorTitle = QStringLiteral("Erreur d'écriture.");
inline const QString readErrorTitle = QStringLiteral("Erreur de lecture.");
inline const QString reopenedTextPrefix = QStringLiteral("Texte: ");

// The message box that compares the student's preparation with the correction's.
inline const QString compareTitle = QStringLiteral("Comparaison avec le corrigé");

} // namespace dosarium::ExerciseTexts
