// Object names of the bench widgets inside the cupboard; saved and replayed preparations refer to
// the handlers by these names, so they never change.
#pragma once

#include <QString>

namespace dosarium::bench {

inline constexpr int bottleCount = 9;

inline QString bottle(int index)
{
    return QStringLiteral("liquide(%1)").arg(index);
}
inline QString measureChoice(int index)
{
    return QStringLiteral("Label3(%1)").arg(index);
}

inline const QString choisi = QStringLiteral("choisi");
inline const QString balance = QStringLiteral("balance");
inline const QString vdemont = QStringLiteral("vdemont");
inline const QString becher = QStringLiteral("becher");
inline const QString sucre = QStringLiteral("sucre");
inline const QString HScroll1 = QStringLiteral("HScroll1");
inline const QString Labelmasse = QStringLiteral("Labelmasse");
inline const QString masse = QStringLiteral("masse");
inline const QString fiole = QStringLiteral("fiole");
inline const QString eprouvette = QStringLiteral("eprouvette");
inline const QString pipjaug = QStringLiteral("pipjaug");
inline const QString pipgrad = QStringLiteral("pipgrad");
inline const QString UpDown2 = QStringLiteral("UpDown2");
inline const QString Labelprel = QStringLiteral("Labelprel");
inline const QString validprel = QStringLiteral("validprel");
inline const QString fiolefinale = QStringLiteral("fiolefinale");
inline const QString UpDown1 = QStringLiteral("UpDown1");
inline const QString labelvol = QStringLiteral("labelvol");
inline const QString validvol = QStringLiteral("validvol");
inline const QString pissette = QStringLiteral("pissette");
inline const QString resultat = QStringLiteral("resultat");
inline const QString conseil = QStringLiteral("conseil");

} // namespace dosarium::bench
