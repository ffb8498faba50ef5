#include "workbench/qtfrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace dosarium {

QtFrench::QtFrench()
{
    if (m_qtbase.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtbase);
    // Installed last, so asked first; it holds only what the catalogue above lacks.
    if (m_complement.load(QStringLiteral(":/translations/qtcomplement_fr.qm")))
        QCoreApplication::installTranslator(&m_complement);
}

} // namespace dosarium
