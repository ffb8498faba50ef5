// What a window's first paint needs and the GUI thread need not do itself, done on a second
// thread while the window is being built: Qt's font database, the faces the window names, and
// the window's pictures. The two threads share only Qt's font database, which is thread-safe, and
// the prepared pictures.
#pragma once

#include "ui/svgpixmap.h"

#include <QList>
#include <QString>
#include <thread>

namespace dosarium {

// A face a window asks for by family name.
struct FontFace {
    QString family;
    bool italic = false;
};

class StartupPreparation {
  public:
    // Starts the work; the application object must exist.
    StartupPreparation(QList<FontFace> faces, const QList<SvgPicture>& pictures);
    // Waits for the work to end.
    ~StartupPreparation();

    StartupPreparation(const StartupPreparation&) = delete;
    StartupPreparation& operator=(const StartupPreparation&) = delete;

  private:
    std::thread m_thread;
};

} // namespace dosarium
