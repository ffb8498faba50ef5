// The white label box under the cupboard: name, kind band, pictogram and three drawn data lines.
#pragma once

#include "catalogue/reagent.h"

#include <QWidget>
#include <array>

class QLabel;

namespace dosarium {

class EtiquetteWidget : public QWidget {
    Q_OBJECT

  public:
    explicit EtiquetteWidget(QWidget* parent = nullptr);

    void setReagentName(const QString& name);
    void setKindText(const QString& kind);
    // At most one of the three stacked pictograms is visible.
    void showHazard(Hazard hazard);
    // The drawn lines are those of this reagent; changing it clears and redraws them.
    void setReagentIndex(int index);
    int reagentIndex() const { return m_reagentIndex; }

    QString reagentName() const;
    QString kindText() const;
    Hazard visibleHazard() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* m_name;
    QLabel* m_kind;
    std::array<QLabel*, 3> m_pictograms{};
    int m_reagentIndex = 0;
};

} // namespace dosarium
