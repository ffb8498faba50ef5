// The cupboard box: its warm gradient, shown once the start-up has drawn it.
#pragma once

#include <QWidget>

namespace dosarium {

class PlacardWidget : public QWidget {
    Q_OBJECT

  public:
    explicit PlacardWidget(QWidget* parent = nullptr);

    // Shows the gradient from now on.
    void PlacardPaint();

  signals:
    void backgroundHovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    bool m_painted = false;
};

} // namespace dosarium
