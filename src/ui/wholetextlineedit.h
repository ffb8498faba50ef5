// A one-line box that selects its whole text when it takes the focus, by Tab or by a click, so
// that typing replaces a long prefilled path instead of landing in its middle.
#pragma once

#include <QLineEdit>

namespace dosarium {

class WholeTextLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit WholeTextLineEdit(QWidget* parent = nullptr);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The click that gave the focus has placed the caret; its release selects the whole text.
    bool m_selectOnRelease = false;
};

} // namespace dosarium
