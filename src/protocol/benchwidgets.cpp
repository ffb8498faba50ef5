#include "protocol/benchwidgets.h"

#include "ui/focusring.h"
#include "ui/svgpixmap.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace dosarium {
namespace {

class ArrowSelectorAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ArrowSelectorAccessible(ArrowSelector* selector)
        : QAccessibleWidget(selector, QAccessible::SpinBox)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(selector()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return selector()->value(); }
    void setCurrentValue(const QVariant& value) override { selector()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return selector()->maximum(); }
    QVariant minimumValue() const override { return selector()->minimum(); }
    QVariant minimumStepSize() const override { return selector()->singleStep(); }

  private:
    ArrowSelector* selector() const { return static_cast<ArrowSelector*>(widget()); }
};

QAccessibleInterface* benchAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ArrowSelector::staticMetaObject.className()) &&
        object->isWidgetType())
        return new ArrowSelectorAccessible(static_cast<ArrowSelector*>(object));
    return nullptr;
}

} // namespace

BenchPicture::BenchPicture(QWidget* parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

void BenchPicture::setPicture(const QString& resourcePath, const QColor& liquid)
{
    if (resourcePath == m_picture && liquid == m_liquid)
        return;
    m_picture = resourcePath;
    m_liquid = liquid;
    update();
}

void BenchPicture::paintEvent(QPaintEvent*)
{
    if (m_picture.isEmpty())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, svgPixmap(m_picture, size(), devicePixelRatioF(), m_liquid));
    drawFocusRing(painter, this);
}

void BenchPicture::mouseMoveEvent(QMouseEvent* event)
{
    QAbstractButton::mouseMoveEvent(event);
    emit hovered();
    // The cupboard behind must not take this move for its own.
    event->accept();
}

BenchChoice::BenchChoice(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void BenchChoice::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawFocusRing(painter, this);
}

void BenchChoice::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit chosen();
}

void BenchChoice::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit chosen();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

ArrowSelector::ArrowSelector(QWidget* parent) : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

void ArrowSelector::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
    drawFocusRing(painter, this);
}

void ArrowSelector::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    triggerAction(event->position().y() < height() / 2 ? SliderSingleStepAdd : SliderSingleStepSub);
    event->accept();
}

void ArrowSelector::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    event->accept();
}

BenchSlider::BenchSlider(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void BenchSlider::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    QPainter painter(this);
    drawFocusRing(painter, this);
}

void installBenchAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(benchAccessibleFactory);
}

} // namespace dosarium
