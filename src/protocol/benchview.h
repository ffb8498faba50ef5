// The real widgets of the bench inside the cupboard box: made from the model, redrawn from it after
// every handler, and passing the student's clicks, hovers and moves back to its handlers.
#pragma once

#include <QCursor>
#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace dosarium {

class BenchModel;

class BenchView : public QObject {
    Q_OBJECT

  public:
    // Creates one child of placard per model widget, named as in the model.
    BenchView(QWidget* placard, BenchModel& model, QObject* parent = nullptr);

    QWidget* widget(const QString& name) const { return m_widgets.value(name); }

    void render();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* create(const QString& name);
    void renderWidget(const QString& name);

    QPointer<QWidget> m_placard;
    BenchModel& m_model;
    QHash<QString, QWidget*> m_widgets;
    QHash<QObject*, int> m_measureChoices;
    bool m_rendering = false;
    bool m_sliderFocusedWhileRendering = false;
    // One pointer shared by every clickable picture: making a cursor from a picture is costly.
    QCursor m_pointingHand;
};

} // namespace dosarium
