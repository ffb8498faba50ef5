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

// The comparison of the student's preparation with the correction's.
inline const QString compareTitle = QStringLiteral("Comparaison avec le corrigé");
inline const QString compareStudentColumn = QStringLiteral("Votre préparation");
inline const QString compareCorrectionColumn = QStringLiteral("Corrigé");
inline const QString compareReagentRow = QStringLiteral("Réactif");
inline const QString compareSampleRow = QStringLiteral("Prélèvement");
inline const QString compareFlaskRow = QStringLiteral("Fiole jaugée");
inline const QString compareConcentrationRow = QStringLiteral("Concentration");
inline const QString compareUncertaintyRow = QStringLiteral("Incertitude relative");
inline const QString compareMissing = QStringLiteral("—");
inline const QString compareWeighed = QStringLiteral("%1 à la balance");
inline const QString compareWithVolumetricFlask = QStringLiteral("%1 à la fiole jaugée");
inline const QString compareWithCylinder = QStringLiteral("%1 à l'éprouvette graduée");
inline const QString compareWithVolumetricPipette = QStringLiteral("%1 à la pipette jaugée");
inline const QString compareWithGraduatedPipette = QStringLiteral("%1 à la pipette graduée");
inline const QString comparePowerOfTen = QStringLiteral(" · 10");
inline const QString compareUnit = QStringLiteral(" mol · L⁻¹");
inline const QString comparePercent = QStringLiteral("%1 %");

inline const QString compareNothingYet = QStringLiteral(
    "Votre paillasse ne porte encore aucune préparation. Choisissez un flacon, faites le "
    "prélèvement, puis choisissez la fiole jaugée et validez : vous pourrez alors comparer votre "
    "solution à celle du corrigé.");
inline const QString compareFinishSample = QStringLiteral(
    "Votre préparation n'est pas terminée. Faites d'abord le prélèvement et validez-le, puis "
    "choisissez la fiole jaugée et validez : vous pourrez alors comparer.");
inline const QString compareFinishFlask =
    QStringLiteral("Votre préparation n'est pas terminée. Choisissez d'abord la fiole jaugée et "
                   "validez : vous pourrez alors comparer.");
inline const QString compareStudentRefused = QStringLiteral(
    "La paillasse a refusé votre préparation. Choisissez une autre fiole jaugée, ou reprenez le "
    "prélèvement avec « Annuler », puis validez avant de comparer.");

inline const QString compareCorrectionRefused =
    QStringLiteral("La paillasse refuse le protocole du corrigé : %1");
inline const QString compareCorrectionUnreadable =
    QStringLiteral("La préparation du corrigé n'a pas pu être chargée : %1");
inline const QString compareCorrectionIncomplete =
    QStringLiteral("La préparation du corrigé n'a pas pu être chargée.");
inline const QString compareNoCorrectionSolution =
    QStringLiteral("Il n'y a donc pas de solution du corrigé à comparer à la vôtre.");
inline const QString compareCorrectionWarned =
    QStringLiteral("Le protocole du corrigé déclenche l'avertissement de la paillasse : %1");
inline const QString compareQuoted = QStringLiteral("«\u00a0%1\u00a0»");

inline const QString compareSame =
    QStringLiteral("Vous avez préparé la même solution que le corrigé : même réactif, et des "
                   "concentrations égales aux incertitudes près.");
inline const QString compareMorePrecise = QStringLiteral(
    "Votre protocole est plus précis que celui du corrigé : %1 % d'incertitude relative contre "
    "%2 %.");
inline const QString compareAsPrecise =
    QStringLiteral("Votre protocole est aussi précis que celui du corrigé : %1 % d'incertitude "
                   "relative dans les deux cas.");
inline const QString compareLessPrecise = QStringLiteral(
    "Votre protocole est moins précis que celui du corrigé : %1 % d'incertitude relative contre "
    "%2 %.");
inline const QString compareOtherReagent = QStringLiteral(
    "Vous n'avez pas préparé la même solution que le corrigé : le réactif n'est pas le même, "
    "même si les concentrations sont égales aux incertitudes près.");
inline const QString compareOtherConcentration = QStringLiteral(
    "Vous n'avez pas préparé la même solution que le corrigé : le réactif est le bon, mais la "
    "concentration n'est pas la même.");
inline const QString compareOtherBoth =
    QStringLiteral("Vous n'avez pas préparé la même solution que le corrigé : ni le réactif ni la "
                   "concentration ne sont les mêmes.");
inline const QString compareTimesMore =
    QStringLiteral("Votre solution est %1 fois plus concentrée que celle du corrigé.");
inline const QString compareTimesLess =
    QStringLiteral("Votre solution est %1 fois moins concentrée que celle du corrigé.");
inline const QString compareSlightlyMore =
    QStringLiteral("Votre solution est un peu plus concentrée que celle du corrigé.");
inline const QString compareSlightlyLess =
    QStringLiteral("Votre solution est un peu moins concentrée que celle du corrigé.");
inline const QString compareGapWithin =
    QStringLiteral("L'écart entre les deux concentrations (%1 %) ne dépasse pas la plus grande "
                   "des deux incertitudes relatives (%2 %).");
inline const QString compareGapBeyond =
    QStringLiteral("L'écart entre les deux concentrations (%1 %) dépasse la plus grande des deux "
                   "incertitudes relatives (%2 %).");

} // namespace dosarium::ExerciseTexts
