#include "help/helpfilerule.h"

#include <QDir>

namespace dosarium {

QString helpFileName(HelpFile file)
{
    return file == HelpFile::Course ? QStringLiteral("Voirlecours.chm") : QStringLiteral("HX4.chm");
}

QString helpFilePath(const QString& applicationDirectory, HelpFile file)
{
    return QDir(applicationDirectory).filePath(helpFileName(file));
}

} // namespace dosarium
