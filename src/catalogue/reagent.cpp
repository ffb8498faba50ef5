#include "catalogue/reagent.h"

#include <array>

namespace dosarium {
namespace {

// What every reagent has: its place on the shelf, its name, its hazard and the words of the result.
Reagent baseReagent(int index, const QString& name, ReagentKind kind, Hazard hazard,
                    QList<Pictogram> pictograms, const QString& phrase)
{
    Reagent r;
    r.index = index;
    r.name = name;
    r.kind = kind;
    r.hazard = hazard;
    r.pictograms = std::move(pictograms);
    r.resultPhrase = phrase;
    return r;
}

Reagent pureLiquid(int index, const QString& name, Hazard hazard, QList<Pictogram> pictograms,
                   const QString& phrase, QList<FormulaElement> formula, const QString& massText,
                   double mass, const QString& densityText, double density)
{
    Reagent r =
        baseReagent(index, name, ReagentKind::PureLiquid, hazard, std::move(pictograms), phrase);
    r.formula = std::move(formula);
    r.molarMassText = massText;
    r.molarMass = mass;
    r.densityText = densityText;
    r.density = density;
    return r;
}

Reagent pureSolid(int index, const QString& name, const QString& phrase,
                  QList<FormulaElement> formula, const QString& massText, double mass)
{
    Reagent r = baseReagent(index, name, ReagentKind::PureSolid, Hazard::None, {}, phrase);
    r.formula = std::move(formula);
    r.molarMassText = massText;
    r.molarMass = mass;
    r.solubilityText = QStringLiteral("2 kg.L");
    r.solubilityExponent = QStringLiteral("-1");
    return r;
}

struct Stock {
    QString concentrationText;
    double concentration = 0.0;
    double soluteMolarMass = 0.0;
    QString massConcentrationText;
};

Reagent solution(int index, const QString& name, Hazard hazard, QList<Pictogram> pictograms,
                 const QString& phrase, Ion cation, Ion anion, const Stock& stock)
{
    Reagent r = baseReagent(index, name, ReagentKind::AqueousSolution, hazard,
                            std::move(pictograms), phrase);
    r.cation = std::move(cation);
    r.anion = std::move(anion);
    r.concentrationText = stock.concentrationText;
    r.concentration = stock.concentration;
    r.stockSoluteMolarMass = stock.soluteMolarMass;
    r.massConcentrationText = stock.massConcentrationText;
    return r;
}

// Pictograms: the harmonised classification (CLP Annex VI) of each pure substance; for the stock
// solutions, a supplier's safety data sheet at the bottle's concentration.
const std::array<Reagent, Catalogue::reagentCount>& reagents()
{
    using E = FormulaElement;
    using P = Pictogram;
    static const std::array<Reagent, Catalogue::reagentCount> all = {
        pureLiquid(0, QStringLiteral("Ethanol absolu"), Hazard::Flammable, {P::Flammable},
                   QStringLiteral("d'éthanol de concentration :"),
                   {E{"C", "2"}, E{"H", "6"}, E{"O", ""}}, QStringLiteral("46,0"), 46,
                   QStringLiteral("0,789"), 0.789),
        pureLiquid(1, QStringLiteral("Acétone"), Hazard::Flammable, {P::Flammable, P::Harmful},
                   QStringLiteral("d'acétone de concentration :"),
                   {E{"C", "3"}, E{"H", "6"}, E{"O", ""}}, QStringLiteral("58,0"), 58,
                   QStringLiteral("0,786"), 0.786),
        pureLiquid(2, QStringLiteral("Acide acétique (acide éthanoïque)"), Hazard::Corrosive,
                   {P::Corrosive, P::Flammable},
                   QStringLiteral("d'acide acétique de concentration :"),
                   {E{"C", "2"}, E{"H", "4"}, E{"O", "2"}}, QStringLiteral("60,0"), 60,
                   QStringLiteral("1,05"), 1.05),
        pureSolid(3, QStringLiteral("Saccharose"),
                  QStringLiteral("de saccharose de concentration :"),
                  {E{"C", "12"}, E{"H", "22"}, E{"O", "11"}}, QStringLiteral("342,0"), 342),
        pureSolid(4, QStringLiteral("Glucose"), QStringLiteral("de glucose de concentration :"),
                  {E{"C", "6"}, E{"H", "12"}, E{"O", "6"}}, QStringLiteral("180,0"), 180),
        solution(5, QStringLiteral("Hydroxyde de sodium"), Hazard::Corrosive, {P::Corrosive},
                 QStringLiteral("d'hydroxyde de sodium de concentration :"), Ion{"Na", "", "+"},
                 Ion{"HO", "", "-"}, Stock{QStringLiteral("6,0"), 6, 40.0, QStringLiteral("240")}),
        solution(6, QStringLiteral("Permanganate de potassium"), Hazard::Harmful,
                 {P::Harmful, P::HealthHazard, P::Environment},
                 QStringLiteral("de permanganate de potassium de concentration :"),
                 Ion{"K", "", "+"}, Ion{"MnO", "4", "-"},
                 Stock{QStringLiteral("0,50"), 0.5, 158.0, QStringLiteral("79,0")}),
        solution(7, QStringLiteral("Sulfate de cuivre II"), Hazard::Harmful,
                 {P::Harmful, P::Environment},
                 QStringLiteral("de sulfate de cuivre II de concentration :"), Ion{"Cu", "", "2+"},
                 Ion{"SO", "4", "2-"},
                 Stock{QStringLiteral("1,0"), 1, 159.6, QStringLiteral("160")}),
        solution(
            8, QStringLiteral("Acide chlorhydrique"), Hazard::Corrosive, {P::Corrosive, P::Harmful},
            QStringLiteral("d'acide chlorhydrique de concentration :"), Ion{"H", "", "+"},
            Ion{"Cl", "", "-"}, Stock{QStringLiteral("12,0"), 12, 36.5, QStringLiteral("438")}),
    };
    return all;
}

} // namespace

const Reagent* Catalogue::reagent(int index)
{
    if (index < 0 || index >= reagentCount)
        return nullptr;
    return &reagents()[static_cast<std::size_t>(index)];
}

QString Catalogue::kindText(ReagentKind kind)
{
    switch (kind) {
    case ReagentKind::PureLiquid:
        return QStringLiteral("Liquide pur");
    case ReagentKind::PureSolid:
        return QStringLiteral("Solide pur");
    case ReagentKind::AqueousSolution:
        return QStringLiteral("Solution aqueuse");
    }
    return {};
}

QString Catalogue::pictogramName(Pictogram pictogram)
{
    switch (pictogram) {
    case Pictogram::Explosive:
        return QStringLiteral("Danger : explosif");
    case Pictogram::Flammable:
        return QStringLiteral("Danger : inflammable");
    case Pictogram::Oxidising:
        return QStringLiteral("Danger : comburant");
    case Pictogram::GasUnderPressure:
        return QStringLiteral("Danger : gaz sous pression");
    case Pictogram::Corrosive:
        return QStringLiteral("Danger : corrosif");
    case Pictogram::AcuteToxicity:
        return QStringLiteral("Danger : toxicité aiguë");
    case Pictogram::Harmful:
        return QStringLiteral("Danger : nocif ou irritant");
    case Pictogram::HealthHazard:
        return QStringLiteral("Danger : grave pour la santé");
    case Pictogram::Environment:
        return QStringLiteral("Danger : toxique pour le milieu aquatique");
    }
    return {};
}

} // namespace dosarium
