#include "configurations/savename.h"

#include "configurations/configurationfile.h"

#include <QDir>

namespace dosarium {

std::optional<QString> SaveName::resolve(const QString& typed, const QString& directory)
{
    QString text = typed.trimmed();
    for (;;) {
        const qsizetype nameStart = text.lastIndexOf(u'/') + 1;
        const qsizetype dot = text.lastIndexOf(u'.');
        if (dot < nameStart)
            break;
        text = text.left(dot).trimmed();
    }
    const qsizetype nameStart = text.lastIndexOf(u'/') + 1;
    if (text.mid(nameStart).trimmed().isEmpty())
        return std::nullopt;
    if (nameStart > 0)
        text = QDir::cleanPath(QDir(directory).absoluteFilePath(text));
    else
        text = QDir(directory).filePath(text);
    return text + ConfigurationFile::extension;
}

QString SaveName::withoutDirectory(const QString& typed)
{
    return typed.mid(typed.lastIndexOf(u'/') + 1);
}

} // namespace dosarium
