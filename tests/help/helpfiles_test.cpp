// The help and the course as the build compiles them, read back through the viewer's logic.
#include "help/helpbook.h"
#include "help/helpfilerule.h"
#include "help/htmltext.h"
#include "qstringprinter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace dosarium;

namespace {

QString builtFile(HelpFile file)
{
    return helpFilePath(QStringLiteral(DOSARIUM_BUILD_ROOT), file);
}

QString sourceFolder(HelpFile file)
{
    return QDir(QStringLiteral(DOSARIUM_DOCS_DIR))
        .filePath(file == HelpFile::Course ? "course" : "help");
}

QString pageText(const ChmArchive& archive, const QString& page)
{
    const auto bytes = archive.read(page);
    return bytes ? decodeHtmlBytes(*bytes) : QString();
}

// "#name" targets: the id or name attributes of a page.
bool hasAnchor(const QString& html, const QString& anchor)
{
    const QRegularExpression pattern(
        QStringLiteral("\\b(?:id|name)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(anchor)));
    return pattern.match(html).hasMatch();
}

struct Link {
    QString page;
    QString target;
};

// Every link and picture of every page, and every entry of the contents and the index, must name
// a file and an anchor that the archive holds.
QStringList brokenLinks(const HelpBook& book)
{
    const ChmArchive& archive = book.archive();
    QList<Link> links;
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : archive.fileNames()) {
        if (!name.endsWith(".html"))
            continue;
        auto it = attribute.globalMatch(pageText(archive, name));
        while (it.hasNext())
            links.append({name, it.next().captured(1)});
    }
    for (const SitemapEntry& entry : flattenSitemap(book.contents()) + book.index())
        links.append({archive.contentsFile(), entry.local});

    QStringList broken;
    for (const Link& link : links) {
        const QUrl base = QUrl(QStringLiteral("chm:") + link.page);
        const QUrl target = base.resolved(QUrl(link.target));
        if (target.scheme() != "chm" || link.target.isEmpty()) {
            broken << link.page + " -> " + link.target + " (outside the file)";
            continue;
        }
        const QString html = pageText(archive, target.path());
        if (!archive.contains(target.path()))
            broken << link.page + " -> " + link.target;
        else if (target.hasFragment() && !hasAnchor(html, target.fragment()))
            broken << link.page + " -> " + link.target + " (no such anchor)";
    }
    return broken;
}

class BuiltHelpFile : public testing::TestWithParam<HelpFile> {
  protected:
    void SetUp() override
    {
        ASSERT_EQ(m_book.open(builtFile(GetParam())), ChmArchive::OpenResult::Opened)
            << builtFile(GetParam()).toStdString();
    }
    HelpBook m_book;
};

} // namespace

TEST_P(BuiltHelpFile, EveryLinkPictureAndEntryResolvesInsideTheFile)
{
    const QStringList broken = brokenLinks(m_book);
    EXPECT_TRUE(broken.isEmpty()) << broken.join('\n').toStdString();
}

TEST_P(BuiltHelpFile, HoldsEverySourcePageAndPictureAndEveryPageIsInTheContents)
{
    QStringList inContents;
    for (const SitemapEntry& entry : flattenSitemap(m_book.contents()))
        inContents << entry.local.section('#', 0, 0);
    // Name in the compiled file, source file: the project's own files and the shared style sheet.
    QList<std::pair<QString, QString>> files = {
        {"/style.css", QDir(QStringLiteral(DOSARIUM_DOCS_DIR)).filePath("style.css")}};
    const QDir source(sourceFolder(GetParam()));
    QDirIterator it(source.path(), {"*.html", "*.svg", "*.png", "*.css"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append({"/" + source.relativeFilePath(path), path});
    }
    for (const auto& [name, path] : files) {
        const auto bytes = m_book.archive().read(name);
        ASSERT_TRUE(bytes.has_value()) << name.toStdString() << " is not in the compiled file";
        QFile original(path);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        EXPECT_EQ(*bytes, original.readAll()) << name.toStdString();
        if (name.endsWith(".html")) {
            EXPECT_TRUE(inContents.contains(name))
                << name.toStdString() << " has no contents entry";
        }
    }
    EXPECT_GT(files.size(), 9);
}

TEST_P(BuiltHelpFile, PicturesAreSvgOrPngAndPagesAreFrenchUtf8)
{
    for (const QString& name : m_book.archive().fileNames()) {
        const QByteArray bytes = m_book.archive().read(name).value_or(QByteArray());
        if (name.endsWith(".svg")) {
            EXPECT_TRUE(bytes.startsWith("<svg")) << name.toStdString();
        }
        if (name.endsWith(".html")) {
            EXPECT_TRUE(bytes.contains("<html lang=\"fr\">")) << name.toStdString();
            EXPECT_TRUE(bytes.contains("charset=\"utf-8\"")) << name.toStdString();
            EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << name.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothFiles, BuiltHelpFile,
                         testing::Values(HelpFile::Help, HelpFile::Course),
                         [](const testing::TestParamInfo<HelpFile>& info) {
                             return info.param == HelpFile::Help ? "Help" : "Course";
                         });

TEST(BuiltHelp, ReadsTitleContentsIndexPageAndPicture)
{
    HelpBook book;
    ASSERT_EQ(book.open(builtFile(HelpFile::Help)), ChmArchive::OpenResult::Opened);
    EXPECT_EQ(book.title(), "Aide de Dosarium");
    EXPECT_EQ(book.startPage(), "/accueil.html");
    ASSERT_GE(book.contents().size(), 9);
    EXPECT_EQ(book.contents()[0].name, "Bienvenue dans Dosarium");
    const auto step =
        std::find_if(book.contents().begin(), book.contents().end(),
                     [](const SitemapEntry& e) { return e.local == "/preparation.html"; });
    ASSERT_NE(step, book.contents().end());
    EXPECT_EQ(step->name, "Une préparation pas à pas");
    EXPECT_FALSE(step->children.isEmpty());

    const auto jaugee =
        std::find_if(book.index().begin(), book.index().end(),
                     [](const SitemapEntry& e) { return e.name == "Pipette jaugée"; });
    ASSERT_NE(jaugee, book.index().end());
    EXPECT_EQ(jaugee->local, "/instruments.html");

    const QString page = pageText(book.archive(), "/preparation.html");
    EXPECT_TRUE(page.contains("Choisir une fiole jaugée pour préparer la solution"));
    const auto picture = book.archive().read("images/etapes.svg");
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->contains("Prélever"));
}

TEST(BuiltCourse, ReadsTitleContentsAndIndex)
{
    HelpBook book;
    ASSERT_EQ(book.open(builtFile(HelpFile::Course)), ChmArchive::OpenResult::Opened);
    EXPECT_EQ(book.title(), "Cours\u00a0: préparer une solution");
    QStringList names;
    for (const SitemapEntry& entry : book.contents())
        names << entry.name;
    EXPECT_TRUE(names.contains("Incertitude de mesure"));
    EXPECT_TRUE(names.contains("Préparer par dilution"));
    EXPECT_TRUE(
        pageText(book.archive(), "/incertitudes.html")
            .contains("Δ<i>C</i> / <i>C</i> ≈ Δ<i>m</i> / <i>m</i> + Δ<i>V</i> / <i>V</i>"));
}

// Files that must be refused, each written for real in a temporary folder.
TEST(HelpFileErrors, MissingFolderGarbageAndTruncatedFilesAreReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    HelpBook book;
    EXPECT_EQ(book.open(dir.filePath("HX4.chm")), ChmArchive::OpenResult::Missing);
    EXPECT_EQ(book.open(dir.path()), ChmArchive::OpenResult::Unreadable);

    QFile source(builtFile(HelpFile::Help));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();
    for (const qsizetype length : {qsizetype(0), qsizetype(40), qsizetype(600), qsizetype(4000)}) {
        QFile cut(dir.filePath("cut.chm"));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(whole.left(length));
        cut.close();
        EXPECT_EQ(book.open(cut.fileName()), ChmArchive::OpenResult::Unreadable) << length;
        EXPECT_FALSE(book.archive().isOpen());
    }
    QFile garbage(dir.filePath("garbage.chm"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(20000, 'x'));
    garbage.close();
    EXPECT_EQ(book.open(garbage.fileName()), ChmArchive::OpenResult::Unreadable);
}

TEST(HelpFileErrors, FileTheUserMayNotReadIsUnreadable)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath("HX4.chm");
    ASSERT_TRUE(QFile::copy(builtFile(HelpFile::Help), copy));
    ASSERT_TRUE(QFile::setPermissions(copy, QFileDevice::Permissions()));
    if (::access(QFile::encodeName(copy).constData(), R_OK) == 0)
        GTEST_SKIP() << "this user reads files without read permission (root)";
    HelpBook book;
    EXPECT_EQ(book.open(copy), ChmArchive::OpenResult::Unreadable);
}
