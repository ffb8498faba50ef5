// The save, open and printer dialogs of the exercise commands, behind an interface so that
// tests answer them.
#pragma once

#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace dosarium {

struct FileFilter {
    QString description;
    QString pattern;
};

class TextDialogs {
  public:
    virtual ~TextDialogs() = default;
    // The chosen path, the default suffix added when the name has none; nothing on Cancel.
    virtual std::optional<QString> saveFileName(const FileFilter& filter,
                                                const QString& defaultSuffix) = 0;
    virtual std::optional<QString> openFileName(const FileFilter& filter,
                                                const QString& initialName) = 0;
    // The printer chosen and set up, the document it prints named `documentName` (the title of a
    // PDF file); nothing on Cancel. It stays valid until the next call.
    virtual QPagedPaintDevice* choosePrinter(const QString& documentName) = 0;
};

} // namespace dosarium
