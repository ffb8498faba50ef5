// Every preparation that the help and the course quote, run on the bench: the page must quote the
// bench's own figures, and every concentration a page quotes in the bench's form must be one of
// these preparations.
#include "benchrun.h"
#include "massconcentration.h"
#include "preparationsources.h"
#include "protocol/benchnumbers.h"
#include "protocol/protocoltexts.h"
#include "sourcetree.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::testing;

namespace {

QString docs()
{
    return test::sourceRoot() + QStringLiteral("/docs/");
}

QString pageSource(const QString& page)
{
    QFile file(docs() + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).simplified();
}

using namespace reagents;

constexpr SamplingTool cylinder = SamplingTool::GraduatedCylinder;
constexpr SamplingTool pipette = SamplingTool::VolumetricPipette;
constexpr SamplingTool graduatedPipette = SamplingTool::GraduatedPipette;

// The page's text around the figures, in its HTML source. {m}, {V} and {fiole} stand for the
// preparation's mass, volume and flask, {C} and {u} for the concentration and the uncertainty
// the bench shows, {message} for the message it shows; {Cm} for the concentration en masse,
// {Cw} and {Cmw} for both written with their uncertainty; "…" for any text of the same section.
struct Quote {
    const char* page;
    PreparationSource preparation;
    const char* text;
    bool warned = false; // the bench shows the imprecision warning
};

const Quote quotes[] = {
    {"help/preparation.html", weighed(saccharose, 3.42, 100),
     "Réglez la balance sur {m}…la fiole de {fiole}…Le résultat affiche <i>C</i> = {C} et une "
     "incertitude relative de {u}."},
    {"help/preparation.html", measured(sodiumHydroxide, pipette, 10, 100),
     "pipette jaugée ; elle est réglée sur {V}…la fiole de {fiole}…Le résultat affiche <i>C</i> = "
     "{C} et une incertitude relative de {u}."},
    {"help/preparation.html", measured(ethanol, cylinder, 50, 100),
     "éprouvette graduée ; elle est réglée sur {V}…la fiole de {fiole} et validez : <i>C</i> = "
     "{C}, avec une incertitude de {u}."},
    {"help/preparation.html", weighed(ethanol, 39.45, 100),
     "Réglez la balance sur {m} et choisissez la fiole de {fiole} : <i>C</i> = {C}, avec une "
     "incertitude de {u} seulement."},
    {"help/resultat.html", weighed(saccharose, 3.42, 100), "par exemple <b><i>C</i> = {C}</b>"},
    {"help/resultat.html", measured(ethanol, cylinder, 50, 100),
     "la puissance de dix n'est pas écrite : <i>C</i> = {C} ;"},
    {"help/resultat.html", weighed(saccharose, 3.42, 100),
     "<td>Saccharose, {m}, fiole de {fiole}</td><td>{C}</td><td>{u}</td>"},
    {"help/resultat.html", measured(sodiumHydroxide, pipette, 10, 100),
     "<td>Hydroxyde de sodium, pipette jaugée de {V}, fiole de {fiole}</td><td>{C}</td><td>{u}"
     "</td>"},
    {"help/resultat.html", measured(aceticAcid, graduatedPipette, 10.0, 50),
     "<td>Acide acétique, pipette graduée {V}, fiole de {fiole}</td><td>{C}</td><td>{u}</td>"},
    {"help/resultat.html", measured(hydrochloricAcid, cylinder, 24, 25),
     "<td>Acide chlorhydrique, éprouvette {V}, fiole de {fiole}</td><td>{C}</td><td>{u}</td>"},
    {"help/resultat.html", measured(hydrochloricAcid, cylinder, 10, 25),
     "<td>Acide chlorhydrique, éprouvette {V}, fiole de {fiole}</td><td>{C}</td><td>{u}, avec "
     "l'avertissement</td>",
     true},
    {"help/resultat.html", weighed(glucose, 0.01, 1000),
     "<td>Glucose, {m}, fiole de {fiole}</td><td>{C}</td><td>{u}, avec l'avertissement</td>", true},
    {"help/instruments.html", measured(ethanol, cylinder, 50, 100),
     "{V} mesurés à l'éprouvette…dans une fiole de {fiole}…= {u} ; c'est la valeur que le "
     "programme affiche."},
    {"help/instruments.html", measured(copperSulfate, pipette, 10, 100),
     "un prélèvement à la pipette jaugée dans une fiole jaugée donne {u}"},
    {"course/concentrations.html", weighed(saccharose, 3.42, 100),
     "Le simulateur écrit ce résultat {C}."},
    {"course/concentrations.html", weighed(saccharose, 3.42, 100),
     "{m} de saccharose dissous dans {fiole} de solution…= {Cm}. Sur la paillasse, la ligne « "
     "Concentration en masse » du résultat donne la même valeur."},
    {"course/concentrations.html", weighed(saccharose, 3.42, 100),
     "Vérifions : 0,100 mol·L⁻¹ × 342 g·mol⁻¹ = {Cm}."},
    {"help/resultat.html", weighed(saccharose, 3.42, 100),
     "{Cm} pour l'exemple du saccharose…Pour le saccharose : <i>C</i> = {Cw} et "
     "<i>C</i><sub>m</sub> = {Cmw}."},
    {"help/resultat.html", measured(sodiumHydroxide, pipette, 10, 100),
     "<td>Hydroxyde de sodium, pipette jaugée de {V}, fiole de {fiole}</td><td>{Cm}</td><td>{Cw} ; "
     "{Cmw}</td>"},
    {"help/resultat.html", measured(hydrochloricAcid, cylinder, 10, 25),
     "<td>Acide chlorhydrique, éprouvette {V}, fiole de {fiole}</td><td>{Cm}</td><td>{Cw} : avec "
     "une incertitude de 10 %",
     true},
    {"course/resultat-mesure.html", weighed(saccharose, 3.42, 100),
     "{m} de saccharose dans la fiole de {fiole} : <i>C</i> = {C} à {u}, donc…<i>C</i> = {Cw}.…"
     "<i>C</i><sub>m</sub> = {Cmw}."},
    {"course/resultat-mesure.html", weighed(ethanol, 39.45, 100),
     "{m} d'éthanol pesés, fiole de {fiole} : {u} d'incertitude, <i>C</i> = {Cw}."},
    {"course/resultat-mesure.html", measured(ethanol, cylinder, 50, 100),
     "{V} d'éthanol mesurés à l'éprouvette, fiole de {fiole} : {u} d'incertitude, <i>C</i> = "
     "{Cw}."},
    {"course/resultat-mesure.html", measured(hydrochloricAcid, cylinder, 10, 25),
     "{V} d'acide chlorhydrique mesurés à l'éprouvette, fiole de {fiole} : {u} d'incertitude, "
     "<i>C</i> = {Cw}.",
     true},
    {"course/resultat-mesure.html", weighed(glucose, 0.01, 1000),
     "{m} de glucose dans la fiole de {fiole} : {u} d'incertitude, <i>C</i> = {Cw} :", true},
    {"course/concentrations.html", measured(ethanol, cylinder, 50, 100),
     "{V} d'éthanol…Dans une fiole de {fiole} : <i>C</i> = 0,858 / 0,100 = {C}."},
    {"course/dissolution.html", weighed(glucose, 3.60, 200),
     "réglez la balance sur {m} et validez, choisissez la fiole de {fiole} et validez. Le "
     "simulateur affiche <i>C</i> = {C}, avec une incertitude relative de {u}."},
    {"course/dilution.html", measured(copperSulfate, pipette, 10, 100),
     "pipette jaugée réglée sur {V} ; validez, choisissez la fiole de {fiole} et validez : "
     "<i>C</i> = {C}, avec {u} d'incertitude, et la concentration en masse <i>C</i><sub>m</sub> = "
     "{Cm}."},
    {"course/dilution.html", measured(copperSulfate, cylinder, 10, 100),
     "l'éprouvette graduée réglée sur {V} : la concentration est la même, mais l'incertitude "
     "monte à {u} et le simulateur signale que la concentration n'est pas précise.",
     true},
    {"course/solution.html", weighed(saccharose, 50.00, 25),
     "le simulateur accepte {m} de saccharose dans la fiole de {fiole} (<i>C</i> = {C})"},
    {"course/incertitudes.html", weighed(saccharose, 3.42, 100),
     "{m} de saccharose dans une fiole de {fiole} :…environ {u}. C'est ce qu'affiche le "
     "simulateur."},
    {"course/images/incertitudes.svg", measured(copperSulfate, pipette, 10, 100),
     "pipette jaugée {V}</text>…>{u}</text>"},
    {"course/images/incertitudes.svg", measured(copperSulfate, graduatedPipette, 10.0, 100),
     "pipette graduée {V}</text>…>{u}</text>"},
    {"course/images/incertitudes.svg", measured(copperSulfate, cylinder, 10, 100),
     "éprouvette graduée {V}</text>…>{u}</text>", true},
    {"course/exemples.html", weighed(saccharose, 3.42, 100),
     "Simulateur : flacon « Saccharose », balance {m}, fiole de {fiole}. Affiché : <i>C</i> = {C}, "
     "incertitude {u}."},
    {"course/exemples.html", measured(sodiumHydroxide, pipette, 10, 100),
     "dans une fiole de {fiole}.…= {V}, à la pipette jaugée.…Simulateur : <i>C</i> = {C}, "
     "incertitude {u}, concentration en masse <i>C</i><sub>m</sub> = {Cm}."},
    {"course/exemples.html", measured(ethanol, cylinder, 50, 100),
     "<p>{V} d'éthanol…complétés à {fiole}.</p>…= 0,858 / 0,100 = {C}.</li>…éprouvette {V}, "
     "fiole de {fiole}. Affiché : <i>C</i> = {C}, incertitude {u}."},
    {"course/exemples.html", measured(aceticAcid, graduatedPipette, 10.0, 50),
     "<p>{V} d'acide acétique…complétés à {fiole}.</p>…= 0,175 / 0,050 = {C}.</li>…Simulateur : "
     "<i>C</i> = {C}, incertitude {u}."},
    {"course/exemples.html", measured(hydrochloricAcid, cylinder, 10, 25),
     "<p>{V} d'acide chlorhydrique…mesurés à l'éprouvette, complétés à {fiole}.</p>…Simulateur : "
     "<i>C</i> = {C}, incertitude {u}, puis le message « {message} ».",
     true},
    {"course/exemples.html", measured(hydrochloricAcid, pipette, 10, 25),
     "complétés à {fiole}.</p>…Avec une pipette jaugée de {V}, l'incertitude tombe à {u}."},
    {"course/exemples.html", weighed(glucose, 0.01, 1000),
     "<p>{m} de glucose dans une fiole de {fiole}.</p>…; <i>C</i> = {C}.</li>…Simulateur : "
     "<i>C</i> = {C}, incertitude {u} et l'avertissement.",
     true},
    {"course/entrainement.html", weighed(glucose, 4.50, 250),
     "pour préparer {fiole} de solution…= {m}.…Le simulateur affiche {C} et {u}."},
    {"course/entrainement.html", measured(permanganate, pipette, 10, 100),
     "On veut {fiole} de solution…on prélève {V} à la pipette jaugée, versés dans une fiole jaugée "
     "de {fiole}. Le simulateur affiche {C} et {u}."},
    {"course/entrainement.html", weighed(acetone, 2.90, 100),
     "On veut {fiole} de solution d'acétone…= {m} ;…Le simulateur affiche {C} à {u} pour la "
     "pesée"},
    {"course/entrainement.html", measured(acetone, graduatedPipette, 3.7, 100),
     "On veut {fiole} de solution d'acétone…soit {V} à la pipette graduée.…et {C} à {u} pour la "
     "pipette graduée"},
    {"course/entrainement.html", measured(hydrochloricAcid, cylinder, 10, 100),
     "dans une fiole de {fiole}. Comparer…Dans les trois cas <i>C</i> = {C}. Éprouvette : 1 / 10 "
     "+ 0,2 % = {u}, trop imprécis.",
     true},
    {"course/entrainement.html", measured(hydrochloricAcid, graduatedPipette, 10.0, 100),
     "dans une fiole de {fiole}. Comparer…Dans les trois cas <i>C</i> = {C}.…Pipette graduée : "
     "…= {u}."},
    {"course/entrainement.html", measured(hydrochloricAcid, pipette, 10, 100),
     "dans une fiole de {fiole}. Comparer…Dans les trois cas <i>C</i> = {C}.…Pipette jaugée : "
     "…= {u}."},
};

QString pageExponent(int exponent)
{
    return exponent == 0 ? QString()
                         : QStringLiteral(" × 10") + benchnumbers::superscript(exponent);
}

// The concentration as the pages write it: "1,00 × 10⁻¹ mol·L⁻¹", "8,58 mol·L⁻¹".
QString pageConcentration(const ShownResult& shown)
{
    return shown.mantissa + pageExponent(shown.exponent) + QStringLiteral(" mol·L⁻¹");
}

// "34,2 g·L⁻¹", "1,60 × 10⁻³ g·L⁻¹".
QString pageMassConcentration(const PreparationSource& preparation)
{
    const Written cm = threeFigures(massConcentration(preparation), false);
    return cm.mantissa + pageExponent(cm.exponent) + QStringLiteral(" g·L⁻¹");
}

// "(1,000 ± 0,005) × 10⁻¹ mol·L⁻¹" with the bench's power of ten; "(395 ± 9) g·L⁻¹".
QString pageWriting(double value, const ShownResult& shown, int exponent, const QString& unit)
{
    const WrittenResult written =
        withUncertainty(value, QString(shown.uncertainty).replace(',', '.').toDouble(), exponent);
    return QStringLiteral("(%1 ± %2)").arg(written.value, written.delta) + pageExponent(exponent) +
           QLatin1Char(' ') + unit;
}

// The quoted text as a pattern; "…" stays inside one section, table row or drawn text.
QRegularExpression quotePattern(const QString& text, const QMap<QString, QString>& figures)
{
    QString pattern;
    static const QRegularExpression token(QStringLiteral("\\{(\\w+)\\}|…"));
    int from = 0;
    for (QRegularExpressionMatchIterator it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from));
        if (match.captured() == QStringLiteral("…"))
            pattern += QStringLiteral("(?:(?!<h\\d|<tr|</text>).)*?");
        else
            pattern += QRegularExpression::escape(figures.value(match.captured(1)));
        from = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from));
    return QRegularExpression(pattern);
}

// The quote's pattern, filled with the preparation and what the bench showed for it.
QRegularExpression expectedText(const Quote& quote, const BenchRun& run, const ShownResult& shown)
{
    const double cm = massConcentration(quote.preparation);
    const double molarMass = soluteMolarMass(*Catalogue::reagent(quote.preparation.reagentIndex));
    const int cmExponent = threeFigures(cm, false).exponent;
    const QMap<QString, QString> figures{
        {QStringLiteral("m"), quantity(quote.preparation)},
        {QStringLiteral("V"), quantity(quote.preparation)},
        {QStringLiteral("fiole"), flaskText(quote.preparation)},
        {QStringLiteral("C"), pageConcentration(shown)},
        {QStringLiteral("u"), shown.uncertainty + QStringLiteral(" %")},
        {QStringLiteral("message"), run.messages.value(0).text},
        {QStringLiteral("Cm"), pageMassConcentration(quote.preparation)},
        {QStringLiteral("Cw"),
         pageWriting(cm / molarMass, shown, shown.exponent, QStringLiteral("mol·L⁻¹"))},
        {QStringLiteral("Cmw"), pageWriting(cm, shown, cmExponent, QStringLiteral("g·L⁻¹"))},
    };
    return quotePattern(QString::fromUtf8(quote.text), figures);
}

void PrintTo(const Quote& quote, std::ostream* out)
{
    *out << quote.page << ": " << quote.text;
}

class QuotedPreparation : public ::testing::TestWithParam<Quote> {};

TEST_P(QuotedPreparation, PageQuotesWhatTheBenchShows)
{
    const Quote& quote = GetParam();
    QTemporaryDir dir;
    const std::optional<BenchRun> run = runOnBench(quote.preparation, dir.path());
    ASSERT_TRUE(run) << "the bench cannot be set to this preparation";
    const std::optional<ShownResult> shown = shownResult(run->result);
    ASSERT_TRUE(shown) << run->result.toStdString();
    EXPECT_EQ(run->messages.size(), quote.warned ? 1 : 0);
    if (quote.warned && !run->messages.isEmpty()) {
        EXPECT_EQ(run->messages.first().text, texts::imprecisionWarning);
    }

    const QString page = pageSource(QString::fromUtf8(quote.page));
    ASSERT_FALSE(page.isEmpty()) << quote.page;
    const QRegularExpression expected = expectedText(quote, *run, *shown);
    EXPECT_TRUE(expected.match(page).hasMatch())
        << quote.page << " does not say, with the bench's figures:\n"
        << expected.pattern().toStdString();
}

INSTANTIATE_TEST_SUITE_P(HelpAndCourse, QuotedPreparation, ::testing::ValuesIn(quotes),
                         [](const auto& info) {
                             std::string name = info.param.page;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name + '_' + std::to_string(info.index);
                         });

// A concentration written as the bench writes it (three significant figures, or with its
// uncertainty) is a quoted result: it must lie inside one of the quotes above.
TEST(QuotedPreparations, CoverEveryResultThePagesQuote)
{
    static const QRegularExpression result(QStringLiteral(
        "(?<![\\d,])(?:[1-9],\\d\\d(?: × 10[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+)? mol·L⁻¹|(?:[1-9]\\d\\d|[1-9]\\d,\\d|"
        "[1-9],\\d\\d|0,[1-9]\\d\\d|0,0[1-9]\\d\\d)(?: × 10[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+)? g·L⁻¹)|"
        "\\([\\d,]+ ± [\\d,]+\\)(?: × 10[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+)? (?:mol|g)·L⁻¹"));
    QMap<QString, QList<std::pair<qsizetype, qsizetype>>> covered;
    for (const Quote& quote : quotes) {
        QTemporaryDir dir;
        const std::optional<BenchRun> run = runOnBench(quote.preparation, dir.path());
        const std::optional<ShownResult> shown = run ? shownResult(run->result) : std::nullopt;
        if (!shown)
            continue;
        const QString page = QString::fromUtf8(quote.page);
        const QRegularExpressionMatch match =
            expectedText(quote, *run, *shown).match(pageSource(page));
        if (match.hasMatch())
            covered[page].append({match.capturedStart(), match.capturedEnd()});
    }
    for (const char* folder : {"help", "course"}) {
        const QDir dir(docs() + QString::fromUtf8(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.html")})) {
            const QString page = QString::fromUtf8(folder) + QLatin1Char('/') + name;
            const QString source = pageSource(page);
            for (QRegularExpressionMatchIterator it = result.globalMatch(source); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                const auto& spans = covered[page];
                const bool inside = std::any_of(spans.begin(), spans.end(), [&](const auto& span) {
                    return span.first <= match.capturedStart() &&
                           match.capturedEnd() <= span.second;
                });
                EXPECT_TRUE(inside)
                    << page.toStdString() << " quotes " << match.captured().toStdString()
                    << " from no preparation the test runs";
            }
        }
    }
}

} // namespace
