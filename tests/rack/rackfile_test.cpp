#include "filebytes.h"
#include "preparations.h"
#include "rack/rackfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dosarium {
namespace {

constexpr int copper = 7;

RackContent sampleRack()
{
    RackContent content;
    content.tubes = {
        Tube{test::prepared(copper, SamplingTool::VolumetricPipette, {2, 1, 0}), copper,
             0.019999999552965164, 0.012, QStringLiteral("solution du placard")},
        Tube{std::nullopt, copper, 0.05, 0.0, QStringLiteral("solution mère n° 1 (Cu²⁺)")},
        Tube{test::prepared(copper, SamplingTool::GraduatedPipette, {2, 37, 0}), copper, 1.0 / 3.0,
             0.041, QString()},
    };
    content.unknown = UnknownSolution{copper, 0.0815};
    content.bracket = Bracket{0, 2};
    return content;
}

const RackContent* contentOf(const std::variant<RackContent, RackFileError>& read)
{
    return std::get_if<RackContent>(&read);
}

std::optional<RackFileFault> faultOf(const std::variant<RackContent, RackFileError>& read)
{
    if (const RackFileError* error = std::get_if<RackFileError>(&read))
        return error->fault;
    return std::nullopt;
}

TEST(RackFile, ReadsBackWhatItWrote)
{
    const RackContent content = sampleRack();
    const QByteArray text = writeRackText(content);
    const auto read = parseRackText(text);
    ASSERT_TRUE(contentOf(read)) << text.toStdString();
    EXPECT_EQ(*contentOf(read), content);
    EXPECT_EQ(*contentOf(parseRackText(writeRackText(RackContent{}))), RackContent{});

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gamme.ech"));
    ASSERT_TRUE(writeRackFile(path, content));
    EXPECT_EQ(test::readBytes(path), text);
    ASSERT_TRUE(contentOf(readRackFile(path)));
}

TEST(RackFile, EveryCutOfAFileIsRefused)
{
    const QByteArray text = writeRackText(sampleRack());
    for (qsizetype length = 0; length < text.size(); ++length)
        EXPECT_TRUE(faultOf(parseRackText(text.left(length)))) << "cut after " << length;
}

TEST(RackFile, RefusesWhatIsNotARackWithItsReason)
{
    const QByteArray whole = writeRackText(sampleRack());
    const QByteArray head = QByteArrayLiteral("DOSARIUM ECHELLE 1\n");
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 7919 + 13) % 251);
    struct Case {
        const char* what;
        QByteArray text;
        RackFileFault fault;
    };
    const Case cases[] = {
        {"empty", {}, RackFileFault::Empty},
        {"random bytes", random, RackFileFault::Foreign},
        {"a configuration", QByteArray("DOSARIUM\0\0\0\0", 12), RackFileFault::Foreign},
        {"another version", QByteArrayLiteral("DOSARIUM ECHELLE 2\nfin\t0\n"),
         RackFileFault::Foreign},
        {"huge", whole + QByteArray(rackFileLimit, ' '), RackFileFault::TooLarge},
        {"cut short", whole.left(whole.size() - 8), RackFileFault::Truncated},
        {"no end", head + "tube\t7\t0.1\t0.01\tx\n", RackFileFault::Truncated},
        {"text after the end", whole + "tube\t7\t0.1\t0.01\tx\n", RackFileFault::Malformed},
        {"unknown record", head + "bouteille\t7\nfin\t0\n", RackFileFault::Malformed},
        {"reagent outside the cupboard", head + "tube\t9\t0.1\t0\tx\nfin\t1\n",
         RackFileFault::Malformed},
        {"negative concentration", head + "tube\t7\t-0.1\t0\tx\nfin\t1\n",
         RackFileFault::Malformed},
        {"not a number", head + "tube\t7\tnan\t0\tx\nfin\t1\n", RackFileFault::Malformed},
        {"uncertainty above 1", head + "tube\t7\t0.1\t2\tx\nfin\t1\n", RackFileFault::Malformed},
        {"bad UTF-8", head + "tube\t7\t0.1\t0\t\xC3\nfin\t1\n", RackFileFault::Malformed},
        {"orphan preparation", head + "preparation\t3\t2\t1\t0\t0\nfin\t0\n",
         RackFileFault::Malformed},
        {"bracket past the tubes",
         head + "tube\t7\t0.1\t0\tx\ninconnue\t7\t0.1\nencadrement\t0\t1\nfin\t1\n",
         RackFileFault::Malformed},
        {"bracket without unknown",
         head + "tube\t7\t0.1\t0\tx\ntube\t7\t0.2\t0\tx\nencadrement\t0\t1\nfin\t2\n",
         RackFileFault::Malformed},
        {"wrong count", head + "tube\t7\t0.1\t0\tx\nfin\t2\n", RackFileFault::Malformed},
        {"too many tubes",
         head + QByteArray("tube\t7\t0.1\t0\tx\n").repeated(RackModel::capacity + 1) + "fin\t13\n",
         RackFileFault::Malformed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(faultOf(parseRackText(c.text)), c.fault) << c.what;

    QTemporaryDir folder;
    const QString huge = folder.filePath(QStringLiteral("huge.ech"));
    ASSERT_TRUE(test::writeBytes(huge, QByteArray(8 * rackFileLimit, 'x')));
    EXPECT_EQ(faultOf(readRackFile(huge)), RackFileFault::TooLarge);
    EXPECT_EQ(faultOf(readRackFile(folder.filePath(QStringLiteral("missing.ech")))),
              RackFileFault::Unreadable);
    EXPECT_EQ(faultOf(readRackFile(folder.path())), RackFileFault::Unreadable);
}

} // namespace
} // namespace dosarium
