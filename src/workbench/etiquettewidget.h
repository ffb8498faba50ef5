// The white label box under the cupboard: name, kind band, pictogram and three drawn data lines.
#pragma once

#include "catalogue/labellayout.h"
#include "catalogue/reagent.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace dosarium {

class EtiquetteWidget : public QWidget {
    Q_OBJECT

  public:
    explicit EtiquetteWidget(QWidget* parent = nullptr);

    void setReagentName(const QString& name);
    void setKindText(const QString& kind);
    // At most one of the three stacked pictograms is visible; the reagent's other pictograms
    // stand beside it, smaller, while it is.
    void showHazard(Hazard hazard);
    // The drawn lines are those of this reagent; changing it clears and redraws them.
    void setReagentIndex(int index);
    int reagentIndex() const { return m_reagentIndex; }
    // A solution prepared on the bench: its own concentration and uncertainty below the solute's
    // lines, and its note on hazards where a pictogram stands; none for a cupboard's bottle.
    void setPreparedLabel(const std::optional<PreparedLabel>& prepared);

    QString reagentName() const;
    QString kindText() const;
    Hazard visibleHazard() const;
    // The accessible names of the pictograms shown beside the first, left to right.
    QStringList besidePictogramNames() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showBesidePictograms();
    void describe();

    QLabel* m_name;
    QLabel* m_kind;
    std::array<QLabel*, 3> m_pictograms{};
    std::array<QLabel*, 2> m_beside{};
    QLabel* m_hazards;
    int m_reagentIndex = 0;
    std::optional<PreparedLabel> m_prepared;
    int m_besideShownFor = -1; // the reagent whose other pictograms are shown, or -1
};

} // namespace dosarium
