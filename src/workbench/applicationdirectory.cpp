#include "workbench/applicationdirectory.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace dosarium {

QString applicationDirectory()
{
    QString directory = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    if (!directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    return directory;
}

} // namespace dosarium
