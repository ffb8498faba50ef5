// The calculator's own texts, shown to the user as written here.
#pragma once

#include <QString>

namespace dosarium::calculatortexts {

inline QString caption()
{
    return QStringLiteral("Machine à calculer");
}
inline QString waiting()
{
    return QStringLiteral("    Patience... Calculs en cours.     ");
}
inline QString impossible()
{
    return QStringLiteral("Calcul impossible");
}
inline QString brackets()
{
    return QStringLiteral("Erreur saisie: revoir les parenthèses");
}
inline QString operators()
{
    return QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
}
inline QString overflow()
{
    return QStringLiteral("Dépassement de capacité");
}
inline QString angles()
{
    return QStringLiteral("Angles");
}
inline QString radians()
{
    return QStringLiteral("Radians");
}
inline QString degrees()
{
    return QStringLiteral("Degrés");
}
inline QString display()
{
    return QStringLiteral("Affichage");
}
inline QString scientific()
{
    return QStringLiteral("Scientifique");
}
inline QString standard()
{
    return QStringLiteral("Standard");
}
// What a screen reader calls the display.
inline QString screen()
{
    return QStringLiteral("Écran");
}

} // namespace dosarium::calculatortexts
