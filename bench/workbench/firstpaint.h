// Ends the event loop once a window has been painted for the first time: start-up measurements.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>

class QuitAfterFirstPaint : public QObject {
  public:
    explicit QuitAfterFirstPaint(QObject* window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Quit once the paint has been delivered and flushed.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool m_painted = false;
};
