// Texts of the help viewer, all in one place.
#pragma once

#include <QString>

namespace dosarium::helptexts {

inline QString missingFile(const QString& path)
{
    return QStringLiteral("Le fichier d'aide est introuvable :\n%1").arg(path);
}
inline QString unreadableFile(const QString& path)
{
    return QStringLiteral("Le fichier d'aide ne peut pas être lu :\n%1\n"
                          "Il est peut-être endommagé ou son accès est refusé.")
        .arg(path);
}
inline QString messageTitle()
{
    return QStringLiteral("Aide indisponible");
}
inline QString missingPage(const QString& page)
{
    return QStringLiteral("<html><body><h2>Page introuvable</h2><p>La page « %1 » ne se trouve "
                          "pas dans ce fichier d'aide.</p></body></html>")
        .arg(page.toHtmlEscaped());
}

inline const char* contentsTab = "Sommaire";
inline const char* indexTab = "Index";
inline const char* back = "Précédent";
inline const char* forward = "Suivant";
inline const char* home = "Accueil";
inline const char* searchLabel = "Mot à rechercher :";
inline const char* backTip = "Revenir à la page précédente";
inline const char* forwardTip = "Aller à la page suivante";
// What a screen reader calls the page beside the tabs.
inline const char* pageName = "Page";
inline const char* homeTip = "Revenir à la première page";

} // namespace dosarium::helptexts
