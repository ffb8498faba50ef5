// A picture that acts as a button: it emits clicked() when released under the mouse, or once
// reached with Tab, on Space or Enter (and Alt+Down for one that pops up a menu).
#pragma once

#include <QLabel>

namespace dosarium {

class PictureButton : public QLabel {
    Q_OBJECT

  public:
    explicit PictureButton(QWidget* parent = nullptr);
    void setPopsUpMenu(bool popsUp) { m_popsUpMenu = popsUp; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool m_popsUpMenu = false;
};

} // namespace dosarium
