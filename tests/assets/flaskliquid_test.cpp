// A prepared solution's flask is drawn with its liquid in the solution's colour: below the mark
// only, in every flask the bench offers, and the plain picture stays as it is.
#include "protocol/benchtable.h"
#include "ui/svgpixmap.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace dosarium;

TEST(FlaskLiquid, FillsTheFlaskUpToTheMarkInTheSolutionsColour)
{
    const QColor purple(150, 20, 130);
    const QSize size = bench::table[bench::flaconmere].size;
    // The middle of the bulb, and the neck above every flask's mark.
    const QPoint bulb(size.width() / 2, size.height() * 85 / 100);
    const QPoint neck(size.width() / 2, size.height() * 20 / 100);
    for (const int volume : {25, 50, 100, 200, 250, 500, 1000}) {
        SCOPED_TRACE(volume);
        const QString path = bench::flaskPicturePath(float(volume));
        const QImage plain = svgPixmap(path, size).toImage();
        const QImage tinted = svgPixmap(path, size, 1.0, purple).toImage();
        ASSERT_FALSE(plain.isNull());
        EXPECT_EQ(tinted.pixelColor(bulb).rgb(), purple.rgb());
        EXPECT_NE(plain.pixelColor(bulb).rgb(), purple.rgb());
        EXPECT_EQ(tinted.pixelColor(neck), plain.pixelColor(neck));
        EXPECT_EQ(svgPixmap(path, size, 1.0, QColor()).toImage(), plain);
    }
}
