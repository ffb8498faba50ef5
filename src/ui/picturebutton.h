// A picture that acts as a button: it emits clicked() when released under the mouse.
#pragma once

#include <QLabel>

namespace dosarium {

class PictureButton : public QLabel {
    Q_OBJECT

  public:
    explicit PictureButton(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace dosarium
