// Turns the name typed in the save window into the full path of the file to write.
#pragma once

#include <QString>
#include <optional>

namespace dosarium {

class SaveName {
  public:
    // Blanks round the name are dropped and so is every extension of the file name (the text
    // after the last "/"; the directories keep their dots). A bare name goes into `directory`,
    // a name with a "/" is a path of its own (relative ones start from `directory`). ".C05" is
    // appended. Nothing when no name is left.
    static std::optional<QString> resolve(const QString& typed, const QString& directory);
    // What stays of a typed path once another directory is chosen: the text after its last "/".
    static QString withoutDirectory(const QString& typed);
};

} // namespace dosarium
