// Every picture compiled into the program: it loads, and it is drawn for the box of the control
// that shows it.
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Picture {
    const char* path; // under ":/pictures/"
    int width;
    int height;
    const char* shownBy;
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.path;
}

// Sizes of the controls that show the pictures, in the window and bench layouts.
const Picture kPictures[] = {
    {"bottles/ethanol.svg", 67, 152, "liquide(0)"},
    {"bottles/acetone.svg", 52, 148, "liquide(1)"},
    {"bottles/acetic-acid.svg", 67, 152, "liquide(2)"},
    {"bottles/saccharose.svg", 67, 117, "liquide(3)"},
    {"bottles/glucose.svg", 67, 117, "liquide(4)"},
    {"bottles/sodium-hydroxide.svg", 67, 152, "liquide(5)"},
    {"bottles/potassium-permanganate.svg", 67, 145, "liquide(6)"},
    {"bottles/copper-sulfate.svg", 67, 145, "liquide(7)"},
    {"bottles/hydrochloric-acid.svg", 67, 152, "liquide(8)"},
    {"hazards/flammable.svg", 66, 66, "Image1(0)"},
    {"hazards/corrosive.svg", 66, 66, "Image1(1)"},
    {"hazards/harmful.svg", 66, 66, "Image1(2)"},
    {"cursors/pointing-hand.svg", 32, 32, "pointer of liquide(0) and the glassware"},
    {"workbench/info.svg", 32, 32, "Image2"},
    {"workbench/exercise-button.svg", 97, 19, "BTEXO"},
    {"messages/question.svg", 32, 32, "message box icon: question"},
    {"messages/warning.svg", 32, 32, "message box icon: exclamation"},
    {"messages/critical.svg", 32, 32, "message box icon: critical"},
    {"instruments/balance.svg", 128, 64, "balance"},
    {"instruments/watch-glass.svg", 96, 16, "vdemont"},
    {"instruments/solid-heap.svg", 56, 24, "sucre"},
    {"instruments/beaker-empty.svg", 64, 56, "becher, ImageList1 picture 1"},
    {"instruments/beaker-filled.svg", 64, 56, "ImageList1 picture 2"},
    {"instruments/volumetric-flask.svg", 57, 129, "fiole, fiolefinale (200 mL look)"},
    {"instruments/volumetric-flask-25.svg", 57, 129, "fiole, fiolefinale at 25 mL"},
    {"instruments/volumetric-flask-50.svg", 57, 129, "fiole, fiolefinale at 50 mL"},
    {"instruments/volumetric-flask-100.svg", 57, 129, "fiole, fiolefinale at 100 mL"},
    {"instruments/volumetric-flask-200.svg", 57, 129, "fiole, fiolefinale at 200 mL"},
    {"instruments/volumetric-flask-250.svg", 57, 129, "fiole, fiolefinale at 250 mL"},
    {"instruments/volumetric-flask-500.svg", 57, 129, "fiole, fiolefinale at 500 mL"},
    {"instruments/volumetric-flask-1000.svg", 57, 129, "fiole, fiolefinale at 1000 mL"},
    {"instruments/graduated-cylinder.svg", 41, 177, "eprouvette"},
    {"instruments/volumetric-pipette.svg", 25, 185, "pipjaug"},
    {"instruments/graduated-pipette.svg", 25, 185, "pipgrad"},
    {"instruments/wash-bottle.svg", 56, 96, "pissette"},
    {"app/dosarium.svg", 256, 256, "program icon, 48 px and up"},
    {"app/dosarium-32.svg", 32, 32, "window icon"},
    {"app/dosarium-16.svg", 16, 16, "window icon, small"},
    {"configurations/loading.svg", 32, 32, "picture of Frame1 in ouvrir"},
    {"exercises/loading.svg", 32, 32, "picture of Frame2 in Fichexo"},
    {"exercises/mark-lit.svg", 24, 24, "Imagalu, Image4 lit"},
    {"exercises/mark-dark.svg", 24, 24, "Imagenoir, Image4 dark"},
    {"exercises/open-button.svg", 48, 48, "ouvreur"},
    {"exercises/close-button.svg", 48, 48, "Image5"},
};

// Pictures that another part of the program owns and sizes.
bool isForeign(const QString& path)
{
    return path.startsWith(QLatin1String("calculator/"));
}

// A mouse pointer is aimed by one pixel; it cannot keep a margin on the side of its hot spot.
bool isPointer(const QString& path)
{
    return path.startsWith(QLatin1String("cursors/"));
}

QString resourcePath(const char* path)
{
    return QStringLiteral(":/pictures/") + QLatin1String(path);
}

QImage render(QSvgRenderer& renderer, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

class PictureTest : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureTest, IsDrawnForItsControlsBox)
{
    const Picture& picture = GetParam();
    QSvgRenderer renderer(resourcePath(picture.path));
    ASSERT_TRUE(renderer.isValid()) << picture.path << " is missing or does not parse";
    EXPECT_EQ(renderer.defaultSize(), QSize(picture.width, picture.height))
        << picture.path << " is shown by " << picture.shownBy;
    // A drawing scaled down into the box would have a different view box.
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, picture.width, picture.height)) << picture.path;
}

TEST_P(PictureTest, KeepsItsOutlineInsideTheBox)
{
    const Picture& picture = GetParam();
    QSvgRenderer renderer(resourcePath(picture.path));
    ASSERT_TRUE(renderer.isValid());
    const QImage image = render(renderer, QSize(picture.width, picture.height));

    int visible = 0;
    int edge = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            visible += alpha > 32;
            const bool onEdge =
                x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            edge += onEdge && alpha > 0;
        }
    }
    EXPECT_GT(visible, image.width() * image.height() / 10)
        << picture.path << " draws almost nothing";
    if (!isPointer(QLatin1String(picture.path))) {
        EXPECT_EQ(edge, 0) << picture.path << " touches the edge of its box";
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             QString name = QLatin1String(info.param.path);
                             name.chop(4);
                             name.replace(QLatin1Char('/'), QLatin1Char('_'));
                             name.replace(QLatin1Char('-'), QLatin1Char('_'));
                             return name.toStdString();
                         });

TEST(Pictures, EveryCompiledPictureIsValidAndHasAKnownSize)
{
    int count = 0;
    QDirIterator it(QStringLiteral(":/pictures"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString path = file.mid(QStringLiteral(":/pictures/").size());
        ++count;
        QSvgRenderer renderer(file);
        EXPECT_TRUE(renderer.isValid()) << path.toStdString();
        if (isForeign(path))
            continue;
        const bool listed =
            std::any_of(std::begin(kPictures), std::end(kPictures),
                        [&](const Picture& p) { return path == QLatin1String(p.path); });
        EXPECT_TRUE(listed) << path.toStdString() << " has no control size in the table";
    }
    EXPECT_GE(count, int(std::size(kPictures)));
}

TEST(PointingHand, TipOfTheIndexFingerIsTheHotSpot)
{
    const QPoint hotSpot(12, 1);
    const int scale = 4;
    QSvgRenderer renderer(resourcePath("cursors/pointing-hand.svg"));
    ASSERT_TRUE(renderer.isValid());
    const QImage image = render(renderer, QSize(32, 32) * scale);

    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) {
                top = y;
                break;
            }
    ASSERT_GE(top, 0);
    // The topmost drawn pixel row is at the hot spot's height ...
    EXPECT_LE(std::abs(top - hotSpot.y() * scale), scale) << "tip at row " << top / double(scale);
    // ... and centred on its column: the finger, not the thumb, points.
    int left = image.width(), right = -1;
    for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, top)) > 128) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    EXPECT_LE(std::abs((left + right) / 2.0 - (hotSpot.x() + 0.5) * scale), scale)
        << "tip centred at column " << (left + right) / 2.0 / scale;
    // Just below the tip the finger is solid, so a click there is on the picture.
    EXPECT_EQ(qAlpha(image.pixel(hotSpot.x() * scale, (hotSpot.y() + 2) * scale)), 255);
}

} // namespace

namespace {

// Pictures of the weighing set stacked on one another, at their places in the cupboard: on a
// column both cover, the lower edge of the upper one meets the upper edge of the lower one.
struct Stacking {
    const char* upper;
    QPoint upperPlace;
    const char* lower;
    QPoint lowerPlace;
    int column; // in the cupboard
};

void PrintTo(const Stacking& s, std::ostream* out)
{
    *out << s.upper << " on " << s.lower;
}

const Stacking kStackings[] = {
    {"instruments/beaker-empty.svg", {180, 84}, "instruments/balance.svg", {160, 136}, 212},
    {"instruments/beaker-filled.svg", {180, 84}, "instruments/balance.svg", {160, 136}, 212},
    {"instruments/watch-glass.svg", {176, 124}, "instruments/balance.svg", {160, 136}, 224},
    {"instruments/solid-heap.svg", {196, 106}, "instruments/watch-glass.svg", {176, 124}, 224},
};

// First (or last) row whose pixel in the given column is mostly covered; -1 if none.
int coveredRow(const char* path, int column, bool fromTop)
{
    QSvgRenderer renderer(resourcePath(path));
    const QImage image = render(renderer, renderer.defaultSize());
    for (int i = 0; i < image.height(); ++i) {
        const int y = fromTop ? i : image.height() - 1 - i;
        if (qAlpha(image.pixel(column, y)) > 128)
            return y;
    }
    return -1;
}

class StackingTest : public ::testing::TestWithParam<Stacking> {};

TEST_P(StackingTest, UpperPictureRestsOnTheLowerOne)
{
    const Stacking& s = GetParam();
    const int upperBottom = coveredRow(s.upper, s.column - s.upperPlace.x(), false);
    const int lowerTop = coveredRow(s.lower, s.column - s.lowerPlace.x(), true);
    ASSERT_GE(upperBottom, 0);
    ASSERT_GE(lowerTop, 0);
    EXPECT_LE(std::abs((s.upperPlace.y() + upperBottom) - (s.lowerPlace.y() + lowerTop)), 1)
        << "base at " << s.upperPlace.y() + upperBottom << ", support at "
        << s.lowerPlace.y() + lowerTop;
}

INSTANTIATE_TEST_SUITE_P(WeighingSet, StackingTest, ::testing::ValuesIn(kStackings));

} // namespace
