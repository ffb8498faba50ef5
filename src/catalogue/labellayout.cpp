#include "catalogue/labellayout.h"

#include "catalogue/reagent.h"

#include <cmath>

namespace dosarium {
namespace {

constexpr double normalSize = 10.0;
constexpr double smallSize = 8.0;
constexpr double shift = 6.0;
constexpr double firstLine = 104.0;
constexpr double lineSpacing = 24.0;
// Below the three lines every label has, a fourth for the liquids and the solutions.
constexpr double fourthLine = firstLine + 3 * lineSpacing;

// Prints pieces the way a drawing surface with a current position does: each piece starts at the
// current point and moves x to its end.
class LabelPrinter {
  public:
    explicit LabelPrinter(const TextMeasure& measure) : m_measure(measure) {}

    void moveTo(double x, double y)
    {
        m_x = x;
        m_y = y;
    }
    void setSize(double size) { m_size = size; }
    void setX(double x) { m_x = x; }
    double x() const { return m_x; }

    void print(const QString& text, bool italic = false)
    {
        m_pieces.append(LabelPiece{text, m_x, m_y, m_size, italic});
        m_x += m_measure(text, m_size, italic);
    }
    void printRaised(const QString& text)
    {
        m_y -= shift;
        print(text);
        m_y += shift;
    }
    void printLowered(const QString& text)
    {
        m_y += shift;
        print(text);
        m_y -= shift;
    }
    // "Masse molaire : " then "M = " in italics, then the value.
    void printQuantity(const QString& label, const QString& symbol, const QString& value)
    {
        print(label);
        print(symbol, true);
        print(value);
    }
    // An exponent or a charge; what follows keeps the small size.
    void printSmallRaised(const QString& exponent)
    {
        setSize(smallSize);
        printRaised(exponent);
    }

    QList<LabelPiece> take() { return std::move(m_pieces); }

  private:
    const TextMeasure& m_measure;
    QList<LabelPiece> m_pieces;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_size = normalSize;
};

void printFormulaAndMolarMass(LabelPrinter& p, const Reagent& r)
{
    p.print(QStringLiteral("Formule brute : "));
    for (const FormulaElement& element : r.formula) {
        p.setSize(normalSize);
        p.print(element.symbol);
        if (!element.count.isEmpty()) {
            p.setSize(smallSize);
            p.printLowered(element.count);
        }
    }

    p.moveTo(10, 128);
    p.setSize(normalSize);
    p.printQuantity(QStringLiteral("Masse molaire : "), QStringLiteral("M = "), r.molarMassText);
    p.print(QStringLiteral(" g.mol"));
    p.printSmallRaised(QStringLiteral("-1"));
}

void printPureSubstance(LabelPrinter& p, const Reagent& r)
{
    printFormulaAndMolarMass(p, r);
    p.moveTo(10, 152);
    p.setSize(normalSize);
    if (Catalogue::isPureLiquid(r.index)) {
        p.printQuantity(QStringLiteral("Densité par rapport à l'eau : "), QStringLiteral("d = "),
                        r.densityText);
        // A density relative to water is the masse volumique in g/mL, in figures.
        p.moveTo(10, fourthLine);
        p.printQuantity(QStringLiteral("Masse volumique : "), QStringLiteral("ρ = "),
                        r.densityText + QStringLiteral(" g · mL"));
        p.printSmallRaised(QStringLiteral("-1"));
    } else {
        p.print(QStringLiteral("Solubilité dans l'eau à 20 °C : "));
        p.print(r.solubilityText);
        p.printSmallRaised(r.solubilityExponent);
    }
}

void printIons(LabelPrinter& p, const Reagent& r)
{
    p.print(QStringLiteral("Solution aqueuse contenant les ions : "));

    p.moveTo(81, 128);
    p.print(r.cation.symbol);
    p.printSmallRaised(r.cation.charge);
    p.setSize(normalSize);
    p.print(QStringLiteral(" et ") + r.anion.symbol);
    p.setSize(smallSize);
    if (!r.anion.subscript.isEmpty()) {
        // The subscript stands directly under the charge.
        const double chargeX = std::round(p.x());
        p.printRaised(r.anion.charge);
        p.setX(chargeX);
        p.printLowered(r.anion.subscript);
    } else {
        p.printRaised(r.anion.charge);
    }
}

void printConcentration(LabelPrinter& p, const QString& concentration)
{
    p.moveTo(10, 152);
    p.setSize(normalSize);
    p.printQuantity(QStringLiteral("Concentration : "), QStringLiteral("C = "), concentration);
    p.print(QStringLiteral(" mol.L"));
    p.printRaised(QStringLiteral("-1"));
}

void printSolution(LabelPrinter& p, const Reagent& r)
{
    printIons(p, r);
    printConcentration(p, r.concentrationText);

    p.moveTo(10, fourthLine);
    p.printQuantity(QStringLiteral("Concentration en masse : "), QStringLiteral("Cm = "),
                    r.massConcentrationText + QStringLiteral(" g · L"));
    p.printSmallRaised(QStringLiteral("-1"));
}

} // namespace

QList<LabelPiece> LabelLayout::pieces(int reagentIndex, const TextMeasure& measure,
                                      const PreparedLabel* prepared)
{
    const Reagent* reagent = Catalogue::reagent(reagentIndex);
    if (!reagent)
        return {};
    LabelPrinter printer(measure);
    printer.moveTo(10, firstLine);
    if (prepared) {
        if (reagentIndex < 5)
            printFormulaAndMolarMass(printer, *reagent);
        else
            printIons(printer, *reagent);
        printConcentration(printer, prepared->concentration);
        printer.moveTo(10, fourthLine);
        printer.setSize(normalSize);
        printer.print(QStringLiteral("Incertitude relative : ") + prepared->uncertainty);
    } else if (reagentIndex < 5)
        printPureSubstance(printer, *reagent);
    else
        printSolution(printer, *reagent);
    return printer.take();
}

QStringList LabelLayout::lines(int reagentIndex, const PreparedLabel* prepared)
{
    QStringList lines;
    const auto noWidth = [](const QString&, double, bool) { return 0.0; };
    for (const LabelPiece& piece : pieces(reagentIndex, noWidth, prepared)) {
        // Raised and lowered pieces sit a quarter of a line off their line.
        const int line = int(std::lround((piece.y - firstLine) / lineSpacing));
        while (lines.size() <= line)
            lines.append(QString());
        lines[line] += piece.text;
    }
    return lines;
}

} // namespace dosarium
