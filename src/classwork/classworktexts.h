// Texts of the class's table, its exports and the student's report, as the teacher and the student
// read them.
#pragma once

#include <QString>

namespace dosarium::classworktexts {

inline const QString fileColumn = QStringLiteral("Fichier");
inline const QString reagentColumn = QStringLiteral("Réactif");
inline const QString sampleColumn = QStringLiteral("Prélèvement");
inline const QString flaskColumn = QStringLiteral("Fiole jaugée");
inline const QString concentrationColumn = QStringLiteral("C (mol/L)");
inline const QString massConcentrationColumn = QStringLiteral("Cm (g/L)");
inline const QString uncertaintyColumn = QStringLiteral("Incertitude relative (%)");
inline const QString verdictColumn = QStringLiteral("Verdict");
inline const QString remarksColumn = QStringLiteral("Remarques");
inline const QString missing = QStringLiteral("—");
inline const QString powerOfTen = QStringLiteral("E%1");

inline const QString sameMorePrecise = QStringLiteral("Même solution, plus précise");
inline const QString sameAsPrecise = QStringLiteral("Même solution, aussi précise");
inline const QString sameLessPrecise = QStringLiteral("Même solution, moins précise");
inline const QString otherReagent = QStringLiteral("Autre réactif");
inline const QString otherConcentration = QStringLiteral("Autre concentration");
inline const QString otherBoth = QStringLiteral("Autre réactif et autre concentration");
inline const QString ratioMore = QStringLiteral("%1 fois plus concentrée que le corrigé");
inline const QString ratioLess = QStringLiteral("%1 fois moins concentrée que le corrigé");
inline const QString refused = QStringLiteral("Refusée par la paillasse");
inline const QString unfinished = QStringLiteral("Préparation inachevée");
inline const QString noCorrection = QStringLiteral("Sans corrigé");
inline const QString unreadable = QStringLiteral("Fichier illisible");

inline const QString summaryFiles = QStringLiteral("%1 fichier(s)");
inline const QString summaryCount = QStringLiteral("%1 : %2");
inline const QString summarySeparator = QStringLiteral(" ; ");

inline const QString menuClassTable = QStringLiteral("Corriger les préparations d'une classe");
inline const QString tableCaption = QStringLiteral("Préparations d'une classe");
inline const QString tableTitle = QStringLiteral("Préparations de %1");
inline const QString correctionLabel = QStringLiteral("Corrigé appliqué : %1");
inline const QString noCorrectionLabel = QStringLiteral("Aucun corrigé appliqué");
inline const QString chooseFolder = QStringLiteral("Choisir le dossier des préparations");
inline const QString chooseFolderButton = QStringLiteral("Choisir un dossier…");
inline const QString chooseExerciseButton = QStringLiteral("Choisir l'exercice…");
inline const QString exportButton = QStringLiteral("Exporter");
inline const QString printButton = QStringLiteral("Imprimer");
inline const QString closeButton = QStringLiteral("Fermer");
inline const QString tableName = QStringLiteral("Tableau des préparations");
inline const QString exerciseFilterDescription = QStringLiteral("Exercice");
inline const QString exerciseFilterPattern = QStringLiteral("*.E12");
inline const QString exportFilterDescription = QStringLiteral("Tableur (CSV)");
inline const QString exportFilterPattern = QStringLiteral("*.csv");
inline const QString exportSuffix = QStringLiteral("csv");
inline const QString odtSuffix = QStringLiteral(".odt");
inline const QString progressText = QStringLiteral("Lecture des préparations…");
inline const QString progressCancel = QStringLiteral("Annuler");
inline const QString overwriteText =
    QStringLiteral("Le fichier %1 existe déjà.\r\nEcraser l'ancien?");
inline const QString overwriteTitle = QStringLiteral("Ecraser le fichier?");
inline const QString exportFailureTitle = QStringLiteral("Erreur d'écriture.");
inline const QString exportFailure =
    QStringLiteral("Vérifier l'état du lecteur et le nom du fichier.");

// The student's report.
inline const QString fallbackLastName = QStringLiteral("Nom");
inline const QString fallbackFirstName = QStringLiteral("Prenom");
inline const QString fallbackExercise = QStringLiteral("Preparation-libre");
inline const QString menuReport = QStringLiteral("Compte rendu");
inline const QString reportHeading = QStringLiteral("Compte rendu de préparation");
inline const QString reportTitleText = QStringLiteral("Compte rendu - %1 - %2");
inline const QString reportCreator = QStringLiteral("Dosarium");
inline const QString freePreparation = QStringLiteral("Préparation libre");
inline const QString studentLine = QStringLiteral("Élève : %1 %2    Classe : %3");
inline const QString dateLine = QStringLiteral("Date : %1");
inline const QString exerciseLine = QStringLiteral("Exercice : %1");
inline const QString protocolHeading = QStringLiteral("Protocole");
inline const QString stepReagent = QStringLiteral("Flacon : %1 (%2)");
inline const QString labelLiquid = QStringLiteral("M = %1 g/mol ; d = %2");
inline const QString labelSolid = QStringLiteral("M = %1 g/mol");
inline const QString labelSolution = QStringLiteral("C = %1 mol/L ; Cm = %2 g/L");
inline const QString stepSample = QStringLiteral("Prélèvement : %1");
inline const QString stepFlask =
    QStringLiteral("Fiole jaugée de %1, complétée à l'eau distillée jusqu'au trait de jauge");
inline const QString resultHeading = QStringLiteral("Résultat");
inline const QString nothingPrepared = QStringLiteral("Aucune préparation terminée.");
inline const QString verdictHeading = QStringLiteral("Comparaison avec le corrigé");
inline const QString studentTextHeading = QStringLiteral("Texte de l'élève");
inline const QString reportWindowTitle = QStringLiteral("Compte rendu");
inline const QString lastNameLabel = QStringLiteral("Nom :");
inline const QString firstNameLabel = QStringLiteral("Prénom :");
inline const QString classLabel = QStringLiteral("Classe :");
inline const QString folderLabel = QStringLiteral("Dossier :");
inline const QString browseButton = QStringLiteral("Parcourir…");
inline const QString reportFolderCaption = QStringLiteral("Dossier du compte rendu");
inline const QString pdfSuffix = QStringLiteral(".pdf");
inline const QString configurationSuffix = QStringLiteral(".C05");
inline const QString reportSavedTitle = QStringLiteral("Compte rendu enregistré");
inline const QString reportSaved = QStringLiteral("Le compte rendu est enregistré sous %1, "
                                                  "la préparation sous %2.");

} // namespace dosarium::classworktexts
