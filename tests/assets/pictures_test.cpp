// Every picture compiled into the program: it loads, and it is drawn for the box of the control
// that shows it.
#include "protocol/benchtable.h"

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using namespace dosarium;

struct Picture {
    QString path; // under ":/pictures/"
    QSize size;
    QString shownBy;
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.path.toStdString();
}

// Sizes of the controls that show the pictures: the bench's from its table, the others' here.
std::vector<Picture> pictures()
{
    std::vector<Picture> all = {
        {"hazards/flammable.svg", {66, 66}, "Image1(0)"},
        {"hazards/corrosive.svg", {66, 66}, "Image1(1)"},
        {"hazards/harmful.svg", {66, 66}, "Image1(2)"},
        {"hazards/flammable-52.svg", {52, 52}, "a pictogram beside Image1"},
        {"hazards/harmful-52.svg", {52, 52}, "a pictogram beside Image1"},
        {"hazards/health-hazard-52.svg", {52, 52}, "a pictogram beside Image1"},
        {"hazards/environment-52.svg", {52, 52}, "a pictogram beside Image1"},
        {"cursors/pointing-hand.svg", {32, 32}, "pointer of the bottles and the glassware"},
        {"workbench/info.svg", {32, 32}, "Image2"},
        {"workbench/exercise-button.svg", {97, 19}, "BTEXO"},
        {"messages/question.svg", {32, 32}, "message box icon: question"},
        {"messages/warning.svg", {32, 32}, "message box icon: exclamation"},
        {"messages/critical.svg", {32, 32}, "message box icon: critical"},
        {"app/dosarium.svg", {256, 256}, "program icon, 48 px and up"},
        {"app/dosarium-32.svg", {32, 32}, "window icon"},
        {"app/dosarium-16.svg", {16, 16}, "window icon, small"},
        {"configurations/loading.svg", {32, 32}, "picture of Frame1 in ouvrir"},
        {"exercises/loading.svg", {32, 32}, "picture of Frame2 in Fichexo"},
        {"exercises/mark-lit.svg", {24, 24}, "Imagalu, Image4 lit"},
        {"exercises/mark-dark.svg", {24, 24}, "Imagenoir, Image4 dark"},
        {"exercises/open-button.svg", {48, 48}, "ouvreur"},
        {"exercises/close-button.svg", {48, 48}, "Image5"},
    };
    for (const bench::Place& place : bench::table) {
        if (place.picture)
            all.push_back({QLatin1String(place.picture), place.size, QLatin1String(place.name)});
    }
    const bench::Place& beaker = bench::place(bench::becher);
    all.push_back({QLatin1String(bench::beakerFilled), beaker.size, QLatin1String(beaker.name)});
    // The flask's looks at each volume, shown in the flask's place.
    const bench::Place& flask = bench::place(bench::fiole);
    for (const char* volume : {"25", "50", "100", "200", "250", "500", "1000"})
        all.push_back(
            {QStringLiteral("instruments/volumetric-flask-%1.svg").arg(QLatin1String(volume)),
             flask.size, QLatin1String(flask.name)});
    return all;
}

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

QString resourcePath(const QString& path)
{
    return QStringLiteral(":/pictures/") + path;
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
    ASSERT_TRUE(renderer.isValid())
        << picture.path.toStdString() << " is missing or does not parse";
    EXPECT_EQ(renderer.defaultSize(), picture.size)
        << picture.path.toStdString() << " is shown by " << picture.shownBy.toStdString();
    // A drawing scaled down into the box would have a different view box.
    EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(0, 0), picture.size))
        << picture.path.toStdString();
}

TEST_P(PictureTest, KeepsItsOutlineInsideTheBox)
{
    const Picture& picture = GetParam();
    QSvgRenderer renderer(resourcePath(picture.path));
    ASSERT_TRUE(renderer.isValid());
    const QImage image = render(renderer, picture.size);

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
        << picture.path.toStdString() << " draws almost nothing";
    if (!isPointer(picture.path)) {
        EXPECT_EQ(edge, 0) << picture.path.toStdString() << " touches the edge of its box";
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest, ::testing::ValuesIn(pictures()),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             QString name = info.param.path;
                             name.chop(4);
                             name.replace(QLatin1Char('/'), QLatin1Char('_'));
                             name.replace(QLatin1Char('-'), QLatin1Char('_'));
                             return name.toStdString();
                         });

TEST(Pictures, EveryCompiledPictureIsValidAndHasAKnownSize)
{
    const std::vector<Picture> known = pictures();
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
        const bool listed = std::any_of(known.begin(), known.end(),
                                        [&](const Picture& p) { return path == p.path; });
        EXPECT_TRUE(listed) << path.toStdString() << " has no control size in the table";
    }
    EXPECT_GE(count, int(known.size()));
}

TEST(PointingHand, TipOfTheIndexFingerIsTheHotSpot)
{
    const QPoint hotSpot(12, 1);
    const int scale = 4;
    QSvgRenderer renderer(resourcePath(QStringLiteral("cursors/pointing-hand.svg")));
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
    const char* upperPicture;
    bench::Part upper;
    bench::Part lower;
    int column; // in the cupboard
};

void PrintTo(const Stacking& s, std::ostream* out)
{
    *out << s.upperPicture << " on " << bench::place(s.lower).picture;
}

const Stacking kStackings[] = {
    {bench::place(bench::becher).picture, bench::becher, bench::balance, 212},
    {bench::beakerFilled, bench::becher, bench::balance, 212},
    {bench::place(bench::vdemont).picture, bench::vdemont, bench::balance, 224},
    {bench::place(bench::sucre).picture, bench::sucre, bench::vdemont, 224},
};

// First (or last) row whose pixel in the given column is mostly covered; -1 if none.
int coveredRow(const char* path, int column, bool fromTop)
{
    QSvgRenderer renderer(resourcePath(QLatin1String(path)));
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
    const QPoint upperPlace = bench::place(s.upper).home;
    const QPoint lowerPlace = bench::place(s.lower).home;
    const int upperBottom = coveredRow(s.upperPicture, s.column - upperPlace.x(), false);
    const int lowerTop = coveredRow(bench::place(s.lower).picture, s.column - lowerPlace.x(), true);
    ASSERT_GE(upperBottom, 0);
    ASSERT_GE(lowerTop, 0);
    EXPECT_LE(std::abs((upperPlace.y() + upperBottom) - (lowerPlace.y() + lowerTop)), 1)
        << "base at " << upperPlace.y() + upperBottom << ", support at "
        << lowerPlace.y() + lowerTop;
}

INSTANTIATE_TEST_SUITE_P(WeighingSet, StackingTest, ::testing::ValuesIn(kStackings));

} // namespace
