// Pictures prepared on another thread reach svgPixmap, which waits for one still being drawn.
#include "ui/preparedpictures.h"
#include "ui/startuppreparation.h"
#include "ui/svgpixmap.h"

#include <QColor>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace dosarium {
namespace {

using namespace std::chrono_literals;

const QString bottle = QStringLiteral(":/pictures/bottles/ethanol.svg");

QImage solid(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

TEST(StartupPreparation, PicturesArePreparedAsSvgPixmapWouldDrawThem)
{
    const QList<SvgPicture> pictures = {{bottle, QSize(67, 152), 1.0},
                                        {bottle, QSize(67, 152), 2.0}};
    const StartupPreparation preparation({{QStringLiteral("Arial"), true}}, pictures);
    for (const SvgPicture& picture : pictures) {
        const QPixmap pixmap = svgPixmap(picture.resource, picture.size, picture.devicePixelRatio);
        EXPECT_EQ(pixmap.devicePixelRatio(), picture.devicePixelRatio);
        EXPECT_EQ(pixmap.toImage(), renderSvg(picture));
    }
}

TEST(PreparedPictures, AnAnnouncedPictureIsWaitedForAndTakenOnce)
{
    const SvgPicture announced{bottle, QSize(30, 60), 1.0};
    PreparedPictures::instance().announce(svgPictureKey(announced));
    std::thread drawing([&] {
        std::this_thread::sleep_for(50ms);
        PreparedPictures::instance().deliver(svgPictureKey(announced),
                                             solid(announced.size, Qt::red));
    });
    const QImage taken = svgPixmap(announced.resource, announced.size).toImage();
    drawing.join();
    EXPECT_EQ(taken.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_FALSE(PreparedPictures::instance().take(svgPictureKey(announced)).has_value());

    // Never announced: drawn here at once.
    const SvgPicture unannounced{bottle, QSize(31, 60), 1.0};
    EXPECT_EQ(svgPixmap(unannounced.resource, unannounced.size).toImage(), renderSvg(unannounced));
}

TEST(PreparedPictures, WithdrawingReleasesTheGuiThread)
{
    const SvgPicture picture{bottle, QSize(32, 60), 1.0};
    PreparedPictures::instance().announce(svgPictureKey(picture));
    std::thread failing([] {
        std::this_thread::sleep_for(20ms);
        PreparedPictures::instance().withdrawAll();
    });
    const QImage drawn = svgPixmap(picture.resource, picture.size).toImage();
    failing.join();
    EXPECT_EQ(drawn, renderSvg(picture));
}

} // namespace
} // namespace dosarium
