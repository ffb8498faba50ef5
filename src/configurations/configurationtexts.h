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
inline const QString motherSolutionNotSaved = QStringLiteral(
    "Cette solution a été préparée à partir d'une solution mère préparée sur la paillasse. "
    "Un fichier de configuration ne garde que les préparations faites avec les flacons de "
    "l'armoire : il ne peut pas enregistrer celle-ci, qui serait rejouée autrement.");

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

// The comparison of the bench's preparation with the correction's, replayed on a bench of its own.
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
inline const QString compareMassConcentration = QStringLiteral(" (Cm = %1)");
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
inline const QString compareStudentWarned =
    QStringLiteral("Votre protocole déclenche l'avertissement de la paillasse : %1");
inline const QString compareFlaskVolumes = QStringLiteral("Vous avez préparé %1, le corrigé %2.");
inline const QString compareKeptPreparation =
    QStringLiteral("La paillasse montre la préparation du corrigé : c'est celle que vous aviez "
                   "terminée avant de voir la correction qui est comparée ici.");
inline const QString compareNothingKept =
    QStringLiteral("La paillasse montre la préparation du corrigé, et vous n'aviez terminé aucune "
                   "préparation avant de voir la correction : il n'y a rien à comparer.");
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

// The comparison of a dilution made from a prepared mother solution.
inline const QString compareThroughMother =
    QStringLiteral("Vous avez dilué une solution mère que vous aviez préparée (C = %1), alors que "
                   "le corrigé prélève directement la solution du placard.");

} // namespace dosarium::configurationtexts
