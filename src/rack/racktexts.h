// What the rack of tubes says to the student: window, commands, labels, verdicts and file messages.
#pragma once

#include <QString>

namespace dosarium::RackTexts {

inline const QString windowTitle = QStringLiteral("Échelle de teintes");
inline const QString menuRack = QStringLiteral("Échelle de teintes...");
inline const QString menuPour = QStringLiteral("Verser dans un tube");
inline const QString pourPrepared = QStringLiteral("&Verser la solution préparée");
inline const QString removeTube = QStringLiteral("&Retirer le tube");
inline const QString tubeList = QStringLiteral("Tubes de l'échelle");
inline const QString firstStandard = QStringLiteral("Entre le tube");
inline const QString secondStandard = QStringLiteral("et le tube");
inline const QString firstStandardKey = QStringLiteral("Entre le t&ube");
inline const QString secondStandardKey = QStringLiteral("et &le tube");
inline const QString placeUnknown = QStringLiteral("&Encadrer l'inconnue");
inline const QString spectrophotometer = QStringLiteral("&Spectrophotomètre...");
inline const QString save = QStringLiteral("E&nregistrer...");
inline const QString open = QStringLiteral("&Ouvrir...");
inline const QString print = QStringLiteral("&Imprimer...");
inline const QString close = QStringLiteral("&Fermer");
inline const QString picture = QStringLiteral("Tubes de l'échelle de teintes");
inline const QString verdictName = QStringLiteral("Verdict");
inline const QString noUnknown = QStringLiteral("Aucune solution inconnue dans l'échelle.");
inline const QString unknownPresent =
    QStringLiteral("Placez la solution inconnue entre deux tubes de l'échelle.");
inline const QString emptyRack =
    QStringLiteral("Aucun tube : préparez une solution colorée, puis versez-la dans un tube.");

// "Tube 2 : C = 0,0500 mol · L⁻¹, Cm = 7,98 g · L⁻¹, clarté L* = 97"
inline const QString tubeName = QStringLiteral("Tube %1 : C = %2, Cm = %3, clarté L* = %4");
inline const QString unknownName = QStringLiteral("Solution inconnue : clarté L* = %1");
// Under each tube of the picture, where room is short.
inline const QString shortMassLabel = QStringLiteral("Cm = %1 g·L⁻¹");
inline const QString shortConcentrationLabel = QStringLiteral("C = %1 mol·L⁻¹");
inline const QString unknownLabel = QStringLiteral("Inconnue");
inline const QString concentrationUnit = QStringLiteral(" mol · L");
inline const QString powerOfTen = QStringLiteral(" · 10");

// Pouring.
inline const QString pourTitle = QStringLiteral("Verser dans un tube");
inline const QString pourNoResult =
    QStringLiteral("Préparez d'abord une solution : il n'y a rien à verser dans un tube.");
inline const QString pourColourless = QStringLiteral(
    "Cette solution est incolore : sa teinte ne peut pas servir à une échelle de teintes.");
inline const QString pourOtherSolution = QStringLiteral(
    "L'échelle contient déjà une autre solution : une échelle de teintes se fait avec une seule "
    "espèce colorée. Retirez ses tubes pour en commencer une autre.");
inline const QString pourFull = QStringLiteral("Le portoir est plein : retirez d'abord un tube.");
inline const QString poured =
    QStringLiteral("Solution versée dans un tube : l'échelle de teintes compte %1 tube(s).");
inline const QString cupboardOrigin = QStringLiteral("solution du placard");
inline const QString motherOrigin = QStringLiteral("dilution d'une solution mère préparée");

// The bracket's verdicts.
inline const QString verdictRight = QStringLiteral(
    "Encadrement juste : la concentration de la solution inconnue est comprise entre %1 et %2.");
inline const QString verdictWrong = QStringLiteral(
    "Encadrement faux : la teinte de la solution inconnue n'est pas comprise entre celles des "
    "deux tubes choisis.");
inline const QString verdictNotNeighbours = QStringLiteral(
    "Encadrement juste, mais trop large : un tube de l'échelle se trouve entre les deux tubes "
    "choisis. Choisissez deux tubes voisins.");
inline const QString verdictTooCoarse = QStringLiteral(
    "Encadrement juste, mais l'échelle est trop grossière : la concentration des deux tubes "
    "voisins varie de plus du double. Préparez une solution intermédiaire.");
inline const QString verdictOtherSolution =
    QStringLiteral("Ces tubes ne contiennent pas la même solution que la solution inconnue.");
inline const QString verdictSameTube = QStringLiteral("Choisissez deux tubes différents.");

// Files.
inline const QString fileFilter = QStringLiteral("Échelle de teintes");
inline const QString filePattern = QStringLiteral("*.ech");
inline const QString fileSuffix = QStringLiteral("ech");
inline const QString openTitle = QStringLiteral("Ouvrir une échelle de teintes");
inline const QString saveTitle = QStringLiteral("Enregistrer une échelle de teintes");
inline const QString fileMissing = QStringLiteral("Ce fichier est introuvable ou illisible.");
inline const QString fileEmpty =
    QStringLiteral("Ce fichier est vide : il ne contient aucune échelle de teintes.");
inline const QString fileTooLarge =
    QStringLiteral("Ce fichier est bien trop volumineux pour être une échelle de teintes.");
inline const QString fileForeign =
    QStringLiteral("Ce fichier n'est pas une échelle de teintes de Dosarium.");
inline const QString fileTruncated =
    QStringLiteral("Ce fichier est incomplet : sa fin manque, il a sans doute été tronqué.");
inline const QString fileMalformed =
    QStringLiteral("Ce fichier est endommagé : sa ligne %1 ne peut pas être lue.");
inline const QString fileUnchanged = QStringLiteral("\nL'échelle de teintes n'a pas changé.");
inline const QString replaceQuestion =
    QStringLiteral("Ce fichier existe déjà. Voulez-vous le remplacer ?");
inline const QString saveFailed = QStringLiteral(
    "L'échelle de teintes n'a pas pu être enregistrée : vérifiez le dossier et l'espace libre.");

// Printing.
inline const QString printedTitle = QStringLiteral("Échelle de teintes");

// The spectrophotometer.
inline const QString spectroTitle = QStringLiteral("Spectrophotomètre");
inline const QString wavelength = QStringLiteral("Longueur d'onde");
inline const QString wavelengthSuffix = QStringLiteral(" nm");
inline const QString tubeAbsorbance = QStringLiteral("Tube %1 : C = %2, A = %3");
inline const QString axisConcentration = QStringLiteral("C (mol · L⁻¹)");
inline const QString axisConcentrationPower = QStringLiteral("C (10%1 mol · L⁻¹)");
inline const QString axisAbsorbance = QStringLiteral("A");
inline const QString seriesStandards = QStringLiteral("Étalons");
inline const QString seriesLine = QStringLiteral("Droite d'étalonnage");
inline const QString seriesUnknown = QStringLiteral("Inconnue");
inline const QString chartTitle = QStringLiteral("Courbe d'étalonnage A = f(C) à %1 nm");
inline const QString lineEquation = QStringLiteral("Droite passant par l'origine : A = %1 × C");
inline const QString unknownReading = QStringLiteral("Inconnue : A = %1, d'où C = %2 mol · L⁻¹");
inline const QString unknownOutside =
    QStringLiteral(" (hors de la gamme des étalons : la lecture est une extrapolation)");
inline const QString tooFewStandards =
    QStringLiteral("Il faut au moins deux tubes pour tracer une droite d'étalonnage.");
inline const QString noAbsorption = QStringLiteral(
    "À cette longueur d'onde, les tubes n'absorbent presque pas : choisissez une longueur d'onde "
    "où la solution absorbe.");
inline const QString noUnknownReading = QStringLiteral("Aucune solution inconnue à lire.");
// The printout's line for the unknown read on the curve: the reading, then the wavelength.
inline const QString printedReading = QStringLiteral("%1 (λ = %2 nm)");

} // namespace dosarium::RackTexts
