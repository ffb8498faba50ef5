#include "ui/startuppreparation.h"

#include "ui/preparedpictures.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <system_error>

namespace dosarium {
namespace {

void prepare(const QList<FontFace>& faces, const QList<SvgPicture>& pictures)
{
    // The database is what the GUI thread waits for first: its first text box needs it.
    QFontDatabase::families();
    for (const SvgPicture& picture : pictures)
        PreparedPictures::instance().deliver(svgPictureKey(picture), renderSvg(picture));
    // A family the system lacks (the Windows names) is found through fontconfig's fallbacks,
    // which Qt keeps for every thread once looked up.
    for (const FontFace& face : faces) {
        QFont font(face.family);
        font.setItalic(face.italic);
        QFontInfo(font).family();
    }
}

} // namespace

StartupPreparation::StartupPreparation(QList<FontFace> faces, const QList<SvgPicture>& pictures)
{
    for (const SvgPicture& picture : pictures)
        PreparedPictures::instance().announce(svgPictureKey(picture));
    try {
        m_thread = std::thread(prepare, std::move(faces), pictures);
    } catch (const std::system_error&) {
        // No second thread: the GUI thread does it all as the window needs it.
        PreparedPictures::instance().withdrawAll();
    }
}

StartupPreparation::~StartupPreparation()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace dosarium
