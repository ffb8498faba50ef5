// Every text of the workbench window that the user reads.
#pragma once

#include <QString>

namespace dosarium::WorkbenchTexts {

inline const QString title = QStringLiteral("Dosarium");
inline const QString defaultHint = QStringLiteral(
    "Vous pouvez modifier les paramètres,\r\nouvrir une configuration ou un exercice");
inline const QString exerciseButtonHint =
    QStringLiteral("Ouvrir un énoncé d'exercice, enregistrer le texte, obtenir la correction, "
                   "imprimer ou fermer");
inline const QString exerciseButtonName = QStringLiteral("Exercices");
// What a screen reader calls the two boxes of the exercise area.
inline const QString exerciseFileName = QStringLiteral("Fichier de l'exercice");
inline const QString exerciseTextName = QStringLiteral("Texte de l'exercice");
inline const QString resultWritingName =
    QStringLiteral("Concentration en masse et écriture du résultat");

struct CommandButton {
    const char* objectName;
    QString caption;
    QString toolTip;
    QString hint;
    int left;
    int width;
};

// Left to right along the top of the window, all 41 pixels high.
inline const CommandButton commandButtons[] = {
    {"command3", QStringLiteral("&Nouveau"), QStringLiteral("Préparer une nouvelle solution"),
     QStringLiteral("Pour préparer une nouvelle solution"), 0, 97},
    {"Command4", QStringLiteral("Ann&uler"), QStringLiteral("Retour à l'étape précédente"),
     QStringLiteral("Pour recommencer et préparer une nouvelle solution."), 96, 97},
    {"Command2", QStringLiteral("&Ouvrir"), QStringLiteral("Retrouver une configuration"),
     QStringLiteral("Retrouver des paramètres enregistrés"), 192, 97},
    {"Command11", QStringLiteral("&Enregistrer"), QStringLiteral("Enregistrer les paramètres"),
     QStringLiteral("Enregistrer les paramètres de la solution préparée"), 288, 105},
    {"Command8", QStringLiteral("&Calculatrice"), QStringLiteral("Machine à calculer"),
     QStringLiteral("Activer la machine à calculer"), 392, 105},
    {"Command9", QStringLiteral("&Voir le cours"), QStringLiteral("Aide théorique"),
     QStringLiteral("Accéder directement à une partie du cours du manuel"), 496, 105},
    {"Command7", QStringLiteral("&Aide"), QStringLiteral("Aide pour utiliser cette application"),
     QStringLiteral("Si vous rencontrez une difficulté avec cette application"), 600, 97},
    {"Command1", QStringLiteral("&Fermer"), QStringLiteral("Quitter cette application"),
     QStringLiteral("Pour retrouver le module principal et quitter cette application"), 696, 105},
};

} // namespace dosarium::WorkbenchTexts
