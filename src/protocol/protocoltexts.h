// Every text the protocol shows to the student.
#pragma once

#include <QString>

namespace dosarium::texts {

inline const QString chooseReagent = QStringLiteral("Choisir un composé");
inline const QString whichSampling = QStringLiteral("Quel type de prélèvement ?");
inline const QString chooseGlassware =
    QStringLiteral("Choisir la verrerie à utiliser pour le prélèvement");
inline const QString setMass = QStringLiteral("Indiquer la masse de solide à prélever et valider");
inline const QString setVolume = QStringLiteral("Indiquer le volume de liquide à prélever");
inline const QString chooseFlask =
    QStringLiteral("Choisir une fiole jaugée pour préparer la solution");
inline const QString prepared = QStringLiteral("Solution préparée");

inline const QString massMeasure = QStringLiteral("Mesure d'une masse");
inline const QString volumeMeasure = QStringLiteral("Mesure d'un volume");
inline const QString validate = QStringLiteral("Valider");

inline const QString bottleHint = QStringLiteral(
    "Placer la souris sur un flacon pour voir l'étiquette et cliquer pour le sélectionner");
inline const QString hintNoPreparation =
    QStringLiteral("Cliquer sur un flacon pour commencer une préparation");
inline const QString hintGoOn = QStringLiteral("Poursuivre la préparation. ");
inline const QString hintPrepared =
    QStringLiteral("Cliquer sur « Nouveau » pour préparer une nouvelle solution");
inline const QString hintSlider = QStringLiteral(
    "Déplacer le curseur directement avec la souris et affiner le réglage avec les boutons");
inline const QString hintFlaskSelector = QStringLiteral("Modification du volume");

inline const QString windowTitle = QStringLiteral("Dosarium");

inline const QString refusalTitle = QStringLiteral("Volume insuffisant");
inline const QString solubilityRefusal =
    QStringLiteral("Dépassement de la solubilité de ce composé.");
inline const QString sampleVolumeRefusal =
    QStringLiteral("Le volume de la solution préparée doit être supérieur au volume prélevé.");
inline const QString soluteVolumeRefusal =
    QStringLiteral("La fiole choisie a un volume inférieur au soluté.");
inline const QString imprecisionTitle = QStringLiteral("Précision insuffisante");
inline const QString imprecisionWarning =
    QStringLiteral("La concentration n'est pas précise avec ce protocole.");

inline const QString resultOpening =
    QStringLiteral("Après avoir complété jusqu'au trait de jauge avec de l'eau distillée, vous "
                   "avez préparé une solution aqueuse ");
inline const QString resultC = QStringLiteral("C = ");
inline const QString resultPowerOfTen = QStringLiteral(" · 10");
inline const QString resultUnit = QStringLiteral(" mol · L");
inline const QString resultUnitExponent = QStringLiteral("-1");
inline const QString resultUncertainty = QStringLiteral(
    "Estimation de l'incertitude relative sur la concentration avec ce protocole : ");
inline const QString resultMassConcentration = QStringLiteral("Concentration en masse : Cm = ");
inline const QString resultMassUnit = QStringLiteral(" g · L");
inline const QString resultWriting = QStringLiteral("Écriture du résultat : ");
inline const QString resultWritingC = QStringLiteral("C = ");
inline const QString resultWritingCm = QStringLiteral(" et Cm = ");

// A prepared solution kept as a mother solution.
inline const QString useAsMotherSolution = QStringLiteral("Utiliser comme solution mère");
inline const QString useAsMotherSolutionTip =
    QStringLiteral("Clic droit : « Utiliser comme solution mère »");
inline const QString motherSolutionKind = QStringLiteral("Solution mère préparée");
// "Solution mère de permanganate de potassium de concentration : 1,00 · 10⁻³ mol · L⁻¹"
inline const QString motherSolutionName = QStringLiteral("Solution mère %1 %2");
// "Solution mère : C = 1,00 · 10-3 mol · L-1, incertitude 0,4 % ; incertitudes relatives ajoutées :
// 0,40 % + 0,40 % = 0,80 %", on one line of the box under the label.
inline const QString resultMotherSolution = QStringLiteral("Solution mère : C = ");
inline const QString resultMotherUncertainties =
    QStringLiteral(", incertitude %1 % ; incertitudes relatives ajoutées : %2 % + %3 % = %4 %");

// Tooltips and accessible names of the pictures that act as controls.
inline const QString fioleTip = QStringLiteral("fiole jaugée");
inline const QString eprouvetteTip = QStringLiteral("éprouvette graduée");
inline const QString pipjaugTip = QStringLiteral("pipette jaugée");
inline const QString pipgradTip = QStringLiteral("pipette graduée");
inline const QString bottleAccessible = QStringLiteral("Flacon : %1");
inline const QString massSliderAccessible = QStringLiteral("Masse prélevée");
inline const QString sampleSelectorAccessible = QStringLiteral("Volume prélevé");
inline const QString flaskSelectorAccessible = QStringLiteral("Volume de la fiole jaugée");
inline const QString validateMass = QStringLiteral("Valider la masse pesée");
inline const QString validateSample = QStringLiteral("Valider le volume prélevé");
inline const QString validateFlask = QStringLiteral("Valider la fiole jaugée");
inline const QString resultAccessible = QStringLiteral("Résultat de la préparation");

// The label of a prepared mother solution, in place of the stock's pictograms: a dilution is not
// the stock, and its hazards depend on how far it was diluted.
inline const QString motherSolutionHazards =
    QStringLiteral("Dangers selon la concentration : voir l'étiquette du flacon du placard.");

} // namespace dosarium::texts
