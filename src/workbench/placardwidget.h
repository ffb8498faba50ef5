// The cupboard box: its warm gradient is drawn once and kept as the box's picture.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace dosarium {

class PlacardWidget : public QWidget {
    Q_OBJECT

  public:
    explicit PlacardWidget(QWidget* parent = nullptr);

    // Draws the gradient into the persistent picture.
    void PlacardPaint();

    const QPixmap& picture() const { return m_picture; }

  signals:
    void backgroundHovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPixmap m_picture;
};

} // namespace dosarium
