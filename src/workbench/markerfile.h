// Record 17 of TEMPO.SPC in the application directory tells whether the workbench is open.
#pragma once

#include <QString>

namespace dosarium {

class MarkerFile {
  public:
    static constexpr int record = 17;
    static constexpr const char* fileName = "TEMPO.SPC";

    explicit MarkerFile(const QString& applicationDirectory);

    QString path() const { return m_path; }

    // A directory that cannot be written only leaves the marker as it was.
    bool markOpen() const;
    bool markClosed() const;

  private:
    QString m_path;
};

} // namespace dosarium
