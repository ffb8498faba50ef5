// The nine reagents of the cupboard: constant data, looked up by bottle index.
#pragma once

#include <QList>
#include <QString>

namespace dosarium {

enum class ReagentKind { PureLiquid, PureSolid, AqueousSolution };

// The values are the entries of the label's pictogram array.
enum class Hazard { None = -1, Flammable = 0, Corrosive = 1, Harmful = 2 };

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
    QString resultPhrase;

    // Pure substances.
    QList<FormulaElement> formula;
    QString molarMassText;
    // g/mol; for an aqueous solution, its solute's, from the same rounded atomic masses.
    double molarMass = 0.0;

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
};

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
};

} // namespace dosarium
