#include "colour/colourtables.h"
#include "filebytes.h"
#include "unprivileged.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

QByteArray standardIlluminant()
{
    return test::readBytes(ColourTables::standardIlluminantPath());
}

} // namespace

// The system's observer and daylight tables, read in the right order and at the right
// wavelengths, give the published D65 white point (X 0.9505, Z 1.0888) and a white ground of
// weights that are never negative.
TEST(ColourTables, TheSystemTablesGiveTheDaylightWhitePoint)
{
    const ColourTables& tables = ColourTables::standard();
    ASSERT_TRUE(tables.isValid()) << tables.faultyFile().toStdString();
    EXPECT_NEAR(tables.white().x, 0.9505, 5e-4);
    EXPECT_DOUBLE_EQ(tables.white().y, 1.0);
    EXPECT_NEAR(tables.white().z, 1.0888, 5e-4);
    for (const Xyz& w : tables.weights())
        EXPECT_TRUE(w.x >= 0.0 && w.y >= 0.0 && w.z >= 0.0);
    // The eye's sensitivity peaks at 555 nm.
    const auto& weights = tables.weights();
    const auto brightest = std::max_element(weights.begin(), weights.end(),
                                            [](const Xyz& a, const Xyz& b) { return a.y < b.y; });
    EXPECT_NEAR(ColourTables::wavelength(int(brightest - weights.begin())), 555.0, 10.0);
}

// A missing, unreadable or damaged table is a fault that names the file; nothing crashes and no
// colour is made from it.
TEST(ColourTables, BadTableFilesAreFaultsThatNameTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile::setPermissions(dir.path(),
                          QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString good = dir.filePath(QStringLiteral("good.sp"));
    ASSERT_TRUE(test::writeBytes(good, standardIlluminant()));
    const QByteArray illuminant = standardIlluminant();
    ASSERT_FALSE(illuminant.isEmpty());

    QByteArray noise(4096, '\0');
    QRandomGenerator random(24);
    for (char& byte : noise)
        byte = char(random.bounded(256));
    QByteArray narrow = illuminant;
    narrow.replace("SPEC_380", "SPEC_381");
    QByteArray extraNumber = illuminant;
    extraNumber.replace("END_DATA\n", "0.5\nEND_DATA\n");
    QByteArray notANumber = illuminant;
    notANumber.replace("0.499755", "O.499755");

    struct Case {
        const char* name;
        QByteArray bytes;
        ColourTableFault fault;
    };
    const Case cases[] = {
        {"empty", QByteArray(), ColourTableFault::Malformed},
        {"truncated", illuminant.left(illuminant.size() / 2), ColourTableFault::Malformed},
        {"random bytes", noise, ColourTableFault::Malformed},
        {"another kind of file", QByteArray("<?xml version=\"1.0\"?><svg/>\n"),
         ColourTableFault::Malformed},
        {"a number too many", extraNumber, ColourTableFault::Malformed},
        {"a letter for a digit", notANumber, ColourTableFault::Malformed},
        {"a wavelength off the 5 nm grid", narrow, ColourTableFault::TooNarrow},
        {"huge", QByteArray(spectralFileLimit + 1, ' '), ColourTableFault::Malformed},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(test::writeBytes(path, c.bytes));
        const ColourTables tables = ColourTables::load(ColourTables::standardObserverPath(), path);
        EXPECT_EQ(tables.fault(), c.fault) << c.name;
        EXPECT_EQ(tables.faultyFile(), path) << c.name;
        EXPECT_FALSE(tables.isValid()) << c.name;
    }

    // The illuminant in the observer's place has one spectrum where three are needed.
    EXPECT_EQ(ColourTables::load(good, good).fault(), ColourTableFault::Malformed);
    const QString missing = dir.filePath(QStringLiteral("missing.cmf"));
    const ColourTables absent = ColourTables::load(missing, good);
    EXPECT_EQ(absent.fault(), ColourTableFault::Missing);
    EXPECT_EQ(absent.faultyFile(), missing);

    const QString locked = dir.filePath(QStringLiteral("locked.cmf"));
    ASSERT_TRUE(QFile::copy(ColourTables::standardObserverPath(), locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const auto unreadable = test::asOrdinaryUser(
        [&] { return ColourTables::load(locked, good).fault() == ColourTableFault::Unreadable; });
    if (!unreadable)
        GTEST_SKIP() << "no ordinary user to find the locked table unreadable";
    EXPECT_TRUE(*unreadable);
}
