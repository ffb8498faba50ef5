// The rack drawn in the window; the current tube of the list is outlined.
#pragma once

#include "rack/rackmodel.h"

#include <QWidget>

namespace dosarium {

class RackPicture : public QWidget {
    Q_OBJECT

  public:
    RackPicture(const RackModel& rack, QWidget* parent = nullptr);
    void setCurrent(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const RackModel& m_rack;
    int m_current = -1;
};

} // namespace dosarium
