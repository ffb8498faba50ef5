// The widget kinds the bench is built of, beyond Qt's own: pictures that act as buttons, the
// two-arrow selectors and the balance's slider.
#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QColor>
#include <QLabel>
#include <QScrollBar>
#include <QString>

namespace dosarium {

// An SVG picture drawn at the widget's size; clickable like a button, and tracking the mouse.
class BenchPicture : public QAbstractButton {
    Q_OBJECT

  public:
    explicit BenchPicture(QWidget* parent = nullptr);
    // An invalid liquid colour draws the picture as it is.
    void setPicture(const QString& resourcePath, const QColor& liquid = {});
    QString picture() const { return m_picture; }
    QColor liquid() const { return m_liquid; }

  signals:
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QString m_picture;
    QColor m_liquid;
};

// A caption the student picks: by a click, or once reached with Tab, by Space or Enter.
class BenchChoice : public QLabel {
    Q_OBJECT

  public:
    explicit BenchChoice(QWidget* parent = nullptr);

  signals:
    void chosen();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// An up arrow above a down arrow; the neighbouring label shows the value.
class ArrowSelector : public QAbstractSlider {
    Q_OBJECT

  public:
    explicit ArrowSelector(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {17, 30}; }

  signals:
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// The balance's slider, which shows where the focus is as the bench's other controls do.
class BenchSlider : public QScrollBar {
    Q_OBJECT

  public:
    explicit BenchSlider(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Makes the arrow selectors known to assistive technologies as spin boxes with a value.
void installBenchAccessibility();

} // namespace dosarium
