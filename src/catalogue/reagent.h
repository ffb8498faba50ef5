// The nine reagents of the cupboard: constant data, looked up by bottle index.
#pragma once

#include <QList>
#include <QString>

namespace dosarium {

enum class ReagentKind { PureLiquid, PureSolid, AqueousSolution };

// The values are the entries of the label's pictogram array.
enum class Hazard { None = -1, Flammable = 0, Corrosive = 1, Harmful = 2 };

// The nine hazard pictograms of the European classification, numbered as SGH01 to SGH09.
enum class Pictogram {
    Explosive = 1,
    Flammable,
    Oxidising,
    GasUnderPressure,
    Corrosive,
    AcuteToxicity,
    Harmful,
    HealthHazard,
    Environment,
};

inline Pictogram pictogramOf(Hazard hazard)
{
    switch (hazard) {
    case Hazard::Flammable:
        return Pictogram::Flammable;
    case Hazard::Corrosive:
        return Pictogram::Corrosive;
    case Hazard::Harmful:
    case Hazard::None:
        break;
    }
    return Pictogram::Harmful;
}

struct FormulaElement {
    QString symbol;
    QString count; // empty when the element appears once
};

struct Ion {
    QString symbol;
    QString subscript; // printed under the charge; empty when there is none
    QString charge;
};

struct Reagent {
    int index = 0;
    QString name;
    ReagentKind kind = ReagentKind::PureLiquid;
    Hazard hazard = Hazard::None;
    // Every pictogram of the bottle's content at its concentration, the hazard's own first.
    QList<Pictogram> pictograms;
    QString resultPhrase;

    // Pure substances.
    QList<FormulaElement> formula;
    QString molarMassText;
    double molarMass = 0.0; // g/mol

    // Pure liquids: density relative to water, used in g/mL.
    QString densityText;
    double density = 0.0;

    // Pure solids: solubility in water at 20 °C, printed with a raised exponent.
    QString solubilityText;
    QString solubilityExponent;

    // Aqueous solutions.
    Ion cation;
    Ion anion;
    QString concentrationText;
    double concentration = 0.0; // mol/L
    // The dissolved compound's molar mass (g/mol), from the same rounded atomic masses as the
    // pure substances', and the stock's concentration en masse as its label prints it.
    double stockSoluteMolarMass = 0.0;
    QString massConcentrationText;
};

// The molar mass of what a preparation with this reagent dissolves: the reagent's own, or the
// solute of a stock solution.
inline double soluteMolarMass(const Reagent& reagent)
{
    return reagent.kind == ReagentKind::AqueousSolution ? reagent.stockSoluteMolarMass
                                                        : reagent.molarMass;
}

// The persistent order of the reagents: bottle index, preparation state and saved files share it.
class Catalogue {
  public:
    static constexpr int reagentCount = 9;
    // Solids dissolve up to this many grams per millilitre of flask.
    static constexpr double solubilityLimit = 2.0;

    // Null for an index outside 0 to 8.
    static const Reagent* reagent(int index);

    // Every kind test goes through the index ranges.
    static bool isPureLiquid(int index) { return index < 3; }
    static bool isPureSolid(int index) { return index == 3 || index == 4; }
    static bool isAqueousSolution(int index) { return index > 4; }

    static QString kindText(ReagentKind kind);
    // What a screen reader says for the pictogram: "Danger : inflammable".
    static QString pictogramName(Pictogram pictogram);
};

} // namespace dosarium
