// Pictures drawn ahead of need by another thread. The GUI thread takes an announced picture when
// it first needs it, waiting for its drawing to end if need be; a picture never announced is not
// waited for.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace dosarium {

class PreparedPictures {
  public:
    static PreparedPictures& instance();

    // Before the drawing thread starts: the picture under key will be delivered.
    void announce(const QString& key);
    // From the drawing thread.
    void deliver(const QString& key, QImage image);
    // The drawing thread could not run: nothing announced is waited for any more.
    void withdrawAll();
    // The picture under key, once delivered; nothing when it was never announced or was
    // already taken.
    std::optional<QImage> take(const QString& key);

  private:
    std::mutex m_mutex;
    std::condition_variable m_delivered;
    // Announced pictures, empty until delivered.
    QHash<QString, std::optional<QImage>> m_pictures;
};

} // namespace dosarium
