// The real widgets of the bench inside the cupboard box: made from the model when first shown,
// redrawn from it after every handler, and passing the student's clicks, hovers and moves back to
// its handlers.
#pragma once

#include "protocol/benchtable.h"
#include "ui/svgpixmap.h"

#include <QCursor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <array>
#include <optional>

class QWidget;

namespace dosarium {

class BenchModel;

class BenchView : public QObject {
    Q_OBJECT

  public:
    // Makes a child of placard, named as in the bench table, for every part the model shows.
    BenchView(QWidget* placard, BenchModel& model, QObject* parent = nullptr);

    // The pictures of the cupboard's bottles, which a reset bench shows.
    static QList<SvgPicture> bottlePictures(qreal devicePixelRatio);

    // Null until the part is first shown.
    QWidget* widget(bench::Part part) const { return m_widgets[part]; }

    void render();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* create(bench::Part part);
    void place(bench::Part part, QWidget* child);
    void renderWidget(bench::Part part);
    // What a part that takes the focus tells the model: the slider its hint, a bottle its label.
    void focusEntered(bench::Part part);
    void focusFirstShown(const std::array<bool, bench::partCount>& shownBefore);
    // The menu of the prepared flask and of the result: "Utiliser comme solution mère".
    void offerMotherSolution(const QPoint& globalPosition);

    QPointer<QWidget> m_placard;
    BenchModel& m_model;
    std::array<QWidget*, bench::partCount> m_widgets{};
    bool m_rendering = false;
    std::optional<bench::Part> m_focusedWhileRendering;
    // One pointer shared by every clickable picture: making a cursor from a picture is costly.
    QCursor m_pointingHand;
};

} // namespace dosarium
