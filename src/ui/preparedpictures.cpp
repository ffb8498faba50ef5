#include "ui/preparedpictures.h"

namespace dosarium {

PreparedPictures& PreparedPictures::instance()
{
    static PreparedPictures pictures;
    return pictures;
}

void PreparedPictures::announce(const QString& key)
{
    const std::lock_guard lock(m_mutex);
    m_pictures.insert(key, std::nullopt);
}

void PreparedPictures::deliver(const QString& key, QImage image)
{
    {
        const std::lock_guard lock(m_mutex);
        const auto picture = m_pictures.find(key);
        if (picture == m_pictures.end())
            return;
        *picture = std::move(image);
    }
    m_delivered.notify_all();
}

void PreparedPictures::withdrawAll()
{
    {
        const std::lock_guard lock(m_mutex);
        m_pictures.clear();
    }
    m_delivered.notify_all();
}

std::optional<QImage> PreparedPictures::take(const QString& key)
{
    std::unique_lock lock(m_mutex);
    m_delivered.wait(lock, [&] {
        const auto picture = m_pictures.constFind(key);
        return picture == m_pictures.cend() || picture->has_value();
    });
    return m_pictures.take(key);
}

} // namespace dosarium
