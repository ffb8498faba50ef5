// Which file F1 opens: the help until the course button has been used, the course from then on.
#pragma once

#include <QString>

namespace dosarium {

enum class HelpFile { Help, Course };

QString helpFileName(HelpFile file);
// The file in the application directory; the directory may or may not end with "/".
QString helpFilePath(const QString& applicationDirectory, HelpFile file);

class HelpFileRule {
  public:
    // The course button makes the course the program's help file until the program ends.
    void courseButtonUsed() { m_courseIsHelp = true; }
    HelpFile fileForF1() const { return m_courseIsHelp ? HelpFile::Course : HelpFile::Help; }

  private:
    bool m_courseIsHelp = false;
};

} // namespace dosarium
