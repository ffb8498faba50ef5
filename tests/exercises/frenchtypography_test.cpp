// French spacing in the texts the project writes itself: a no-break space before « : » and inside
// guillemets, a narrow one before « ; », « ! » and « ? ». What a text quotes from the program
// (between guillemets, in a message cell, in code) is left as the program writes it.
#include "sourcetree.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using dosarium::test::sourceRoot;

namespace {

constexpr QChar noBreak(0x00A0);
constexpr QChar narrowNoBreak(0x202F);

QString readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

struct Fault {
    QString where;
    QString context;
};

// The spaces the text gets wrong. `recordField`: a text kept in a Windows-1252 record, which has
// no narrow no-break space, so the no-break space stands before every sign.
QList<Fault> spacingFaults(const QString& text, bool recordField = false)
{
    QList<Fault> faults;
    const auto fault = [&](qsizetype at, const char* what) {
        faults.append({QString::fromUtf8(what), text.mid(std::max<qsizetype>(0, at - 30), 50)});
    };
    QString own;
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QChar(0x00AB)) {
            if (i + 1 >= text.size() || text[i + 1] != noBreak)
                fault(i, "no no-break space after «");
            ++depth;
        } else if (ch == QChar(0x00BB)) {
            if (i == 0 || text[i - 1] != noBreak)
                fault(i, "no no-break space before »");
            depth = std::max(0, depth - 1);
            own += QLatin1Char(' ');
        } else if (depth == 0) {
            own += ch;
        }
    }
    for (qsizetype i = 1; i < own.size(); ++i) {
        const QChar ch = own[i];
        if (ch != QLatin1Char(':') && ch != QLatin1Char(';') && ch != QLatin1Char('!') &&
            ch != QLatin1Char('?'))
            continue;
        // Only a sign that ends a phrase: "1:1" or "(?:" are not punctuation.
        if (i + 1 < own.size() && !own[i + 1].isSpace() && own[i + 1] != QLatin1Char('<'))
            continue;
        const QChar wanted = ch == QLatin1Char(':') || recordField ? noBreak : narrowNoBreak;
        if (own[i - 1] != wanted)
            fault(i, ch == QLatin1Char(':') ? "no no-break space before :"
                                            : "no narrow no-break space before ; ! ?");
    }
    return faults;
}

// An HTML page's own text: tags, code and the program's messages taken out, entities decoded.
QString htmlText(QString html)
{
    static const QRegularExpression quoted(
        QStringLiteral("<code>.*?</code>|<(span|td) class=\"(?:msg|titre)\">.*?</\\1>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression names(
        QStringLiteral("<param name=\"Name\" value=\"([^\"]*)\">"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString titles;
    for (QRegularExpressionMatchIterator it = names.globalMatch(html); it.hasNext();)
        titles += it.next().captured(1) + QLatin1Char('\n');
    html.remove(quoted);
    html.remove(tag);
    html.replace(QStringLiteral("&nbsp;"), noBreak);
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return titles + html;
}

QString withoutMarkdownCode(QString text)
{
    static const QRegularExpression code(QStringLiteral("```.*?```|`[^`]*`|\\]\\([^)]*\\)"),
                                         QRegularExpression::DotMatchesEverythingOption);
    return text.remove(code);
}

struct Text {
    QString where;
    QString text;
    bool recordField = false;
};

QList<Text> docsTexts()
{
    QList<Text> texts;
    for (const char* folder : {"help", "course"}) {
        const QDir dir(sourceRoot() + QStringLiteral("/docs/") + QString::fromUtf8(folder));
        for (const QString& name : dir.entryList(
                 {QStringLiteral("*.html"), QStringLiteral("*.hhc"), QStringLiteral("*.hhk")})) {
            texts.append({QString::fromUtf8(folder) + QLatin1Char('/') + name,
                          htmlText(readUtf8(dir.filePath(name)))});
        }
        const QDir images(dir.filePath(QStringLiteral("images")));
        for (const QString& name : images.entryList({QStringLiteral("*.svg")}))
            texts.append({QString::fromUtf8(folder) + QStringLiteral("/images/") + name,
                          htmlText(readUtf8(images.filePath(name)))});
        for (const QString& name : dir.entryList({QStringLiteral("*.hhp")})) {
            static const QRegularExpression title(QStringLiteral("^Title=(.*)$"),
                                                  QRegularExpression::MultilineOption);
            texts.append({name, title.match(readUtf8(dir.filePath(name))).captured(1)});
        }
    }
    return texts;
}

QList<Text> exerciseTexts()
{
    QList<Text> texts;
    const QDir data(sourceRoot() + QStringLiteral("/exercises-data"));
    static const QRegularExpression field(QStringLiteral("^(?:titre|notion) = \"?(.*?)\"?$"),
                                          QRegularExpression::MultilineOption);
    for (const QString& folder : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir dir(data.filePath(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.txt")})) {
            const QString text = readUtf8(dir.filePath(name));
            const QString where = folder + QLatin1Char('/') + name;
            if (name != QLatin1String("exercice.txt")) {
                texts.append({where, QString(text).remove(QStringLiteral("*"))});
                continue;
            }
            for (QRegularExpressionMatchIterator it = field.globalMatch(text); it.hasNext();)
                texts.append({where, it.next().captured(1), true});
        }
    }
    texts.append({QStringLiteral("exercises-data/README.md"),
                  withoutMarkdownCode(readUtf8(data.filePath(QStringLiteral("README.md"))))});
    return texts;
}

QList<Text> packagingTexts()
{
    QList<Text> texts;
    const QString readme = readUtf8(sourceRoot() + QStringLiteral("/README.md"));
    texts.append({QStringLiteral("README.md"),
                  withoutMarkdownCode(readme.left(readme.indexOf(QStringLiteral("## For "))))});
    const QString metainfo =
        readUtf8(sourceRoot() + QStringLiteral("/packaging/org.dosarium.Dosarium.metainfo.xml"));
    static const QRegularExpression french(QStringLiteral("<(\\w+) xml:lang=\"fr\">(.*?)</\\1>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    for (QRegularExpressionMatchIterator it = french.globalMatch(metainfo); it.hasNext();)
        texts.append({QStringLiteral("metainfo"), it.next().captured(2)});
    return texts;
}

void expectFrenchSpacing(const QList<Text>& texts)
{
    ASSERT_FALSE(texts.isEmpty());
    for (const Text& text : texts) {
        ASSERT_FALSE(text.text.trimmed().isEmpty()) << text.where.toStdString();
        for (const Fault& fault : spacingFaults(text.text, text.recordField)) {
            ADD_FAILURE() << text.where.toStdString() << ": " << fault.where.toStdString()
                          << " in \"" << fault.context.toStdString() << '"';
        }
    }
}

TEST(FrenchTypography, RuleFindsEachMissingSpace)
{
    const QString good =
        QStringLiteral("Attention\u00a0: «\u00a0Lecteur:\u00a0» ; non\u202f! Si\u202f?");
    EXPECT_EQ(spacingFaults(good).size(), 1); // the plain space before ";"
    EXPECT_EQ(spacingFaults(QStringLiteral("Attention : «Lecteur:» oui ! Si?")).size(), 5);
    EXPECT_TRUE(spacingFaults(QStringLiteral("Volume\u00a0: 1:1 (?:x) et\u00a0?"), true).isEmpty());
}

TEST(FrenchTypography, HelpAndCourse)
{
    expectFrenchSpacing(docsTexts());
}

TEST(FrenchTypography, Exercises)
{
    expectFrenchSpacing(exerciseTexts());
}

TEST(FrenchTypography, ReadmeAndAppStream)
{
    expectFrenchSpacing(packagingTexts());
}

} // namespace
