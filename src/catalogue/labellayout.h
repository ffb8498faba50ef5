// Where each piece of a bottle label's three data lines is printed, in which size and style.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace dosarium {

struct LabelPiece {
    QString text;
    double x = 0.0;
    double y = 0.0; // top of the text
    double pointSize = 10.0;
    bool italic = false;

    bool operator==(const LabelPiece&) const = default;
};

// A solution prepared on the bench, as its bottle's label gives it: the concentration's figures
// (before " mol.L-1") and the relative uncertainty ("0,8 %"), and what it says of its hazards in
// place of the stock's pictograms.
struct PreparedLabel {
    QString concentration;
    QString uncertainty;
    QString hazards;

    bool operator==(const PreparedLabel&) const = default;
};

// Width in pixels of a text in "Arial" at the given size and style.
using TextMeasure = std::function<double(const QString& text, double pointSize, bool italic)>;

class LabelLayout {
  public:
    static constexpr const char* fontFamily = "Arial";

    // The pieces for the reagent at index, in printing order; empty for an index outside the
    // catalogue. A prepared solution's label keeps the solute's first two lines and gives its own
    // concentration and uncertainty below them.
    static QList<LabelPiece> pieces(int reagentIndex, const TextMeasure& measure,
                                    const PreparedLabel* prepared = nullptr);
    // The same lines as plain text, one entry a line, as a screen reader reads them.
    static QStringList lines(int reagentIndex, const PreparedLabel* prepared = nullptr);
};

} // namespace dosarium
