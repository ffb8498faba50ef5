#include "protocol/benchview.h"

#include "protocol/benchmodel.h"
#include "protocol/benchnames.h"
#include "protocol/benchwidgets.h"
#include "protocol/pictures.h"
#include "ui/svgpixmap.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <utility>

namespace dosarium {
namespace {} // namespace

BenchView::BenchView(QWidget* placard, BenchModel& model, QObject* parent)
    : QObject(parent), m_placard(placard), m_model(model), m_pointingHand(pointingHandCursor())
{
    installBenchAccessibility();
    placard->setMouseTracking(true);
    placard->installEventFilter(this);
    for (const QString& name : m_model.widgetNames()) {
        QWidget* child = create(name);
        child->setObjectName(name);
        m_widgets.insert(name, child);
    }
    connect(&m_model, &BenchModel::changed, this, &BenchView::render);
    render();
}

QWidget* BenchView::create(const QString& name)
{
    const BenchWidget& state = m_model.widget(name);
    BenchModel& model = m_model;
    switch (state.kind) {
    case WidgetKind::Picture: {
        auto* picture = new BenchPicture(m_placard);
        for (int i = 0; i < bench::bottleCount; ++i) {
            if (name != bench::bottle(i))
                continue;
            connect(picture, &BenchPicture::hovered, this,
                    [&model, i] { model.liquide_MouseMove(i); });
            connect(picture, &BenchPicture::clicked, this, [&model, i] {
                // A bottle pressed from the keyboard was not hovered first.
                if (model.state().reagentIndex != i)
                    model.liquide_MouseMove(i);
                model.liquide_Click(i);
            });
        }
        const bool clickable = name.startsWith(QStringLiteral("liquide(")) ||
                               name == bench::fiole || name == bench::eprouvette ||
                               name == bench::pipjaug || name == bench::pipgrad;
        if (!clickable)
            picture->setFocusPolicy(Qt::NoFocus);
        if (name == bench::fiole)
            connect(picture, &BenchPicture::clicked, this, [&model] { model.fiole_Click(); });
        else if (name == bench::eprouvette)
            connect(picture, &BenchPicture::clicked, this, [&model] { model.eprouvette_Click(); });
        else if (name == bench::pipjaug)
            connect(picture, &BenchPicture::clicked, this, [&model] { model.pipjaug_Click(); });
        else if (name == bench::pipgrad)
            connect(picture, &BenchPicture::clicked, this, [&model] { model.pipgrad_Click(); });
        return picture;
    }
    case WidgetKind::Label: {
        for (int i = 0; i < 2; ++i) {
            if (name != bench::measureChoice(i))
                continue;
            auto* choice = new BenchChoice(m_placard);
            choice->setMouseTracking(true);
            choice->installEventFilter(this);
            m_measureChoices.insert(choice, i);
            connect(choice, &BenchChoice::chosen, this, [&model, i] { model.Label3_Click(i); });
            return choice;
        }
        return new QLabel(m_placard);
    }
    case WidgetKind::Button: {
        auto* button = new QPushButton(m_placard);
        if (name == bench::masse)
            connect(button, &QPushButton::clicked, this, [&model] { model.masse_Click(); });
        else if (name == bench::validprel)
            connect(button, &QPushButton::clicked, this, [&model] { model.validprel_Click(); });
        else if (name == bench::validvol)
            connect(button, &QPushButton::clicked, this, [&model] { model.validvol_Click(); });
        return button;
    }
    case WidgetKind::Slider: {
        auto* slider = new QScrollBar(Qt::Horizontal, m_placard);
        // Weighed from the keyboard too: arrows by the arrow step, Page Up and Down by the track
        // step. A scroll bar's keys are inverted for scrolling text; here Right and Page Up add.
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setInvertedControls(false);
        slider->installEventFilter(this);
        connect(slider, &QScrollBar::valueChanged, this, [this, &model](int value) {
            if (!m_rendering)
                model.setHScroll1Position(value);
        });
        return slider;
    }
    case WidgetKind::SpinSelector: {
        auto* selector = new ArrowSelector(m_placard);
        const bool flask = name == bench::UpDown1;
        connect(selector, &ArrowSelector::valueChanged, this, [this, &model, flask](int value) {
            if (m_rendering)
                return;
            if (flask)
                model.setUpDown1Position(value);
            else
                model.setUpDown2Position(value);
        });
        if (flask)
            connect(selector, &ArrowSelector::hovered, this,
                    [&model] { model.UpDown1_MouseMove(); });
        return selector;
    }
    case WidgetKind::RichText: {
        auto* text = new QTextEdit(m_placard);
        text->setDocument(&m_model.resultDocument());
        text->setReadOnly(true);
        text->setMouseTracking(true);
        text->installEventFilter(this);
        return text;
    }
    }
    return new QWidget(m_placard);
}

void BenchView::render()
{
    m_rendering = true;
    // What the step brings is shown before what it takes away is hidden: a control hidden with
    // the keyboard focus hands it on to the next one shown, where the student goes on.
    const QStringList names = m_model.widgetNames();
    for (const QString& name : names)
        renderWidget(name);
    for (const QString& name : names) {
        QWidget* target = m_widgets.value(name);
        if (target && !m_model.widget(name).visible)
            target->hide();
    }
    m_rendering = false;
    if (std::exchange(m_sliderFocusedWhileRendering, false))
        m_model.HScroll1_GotFocus();
}

void BenchView::renderWidget(const QString& name)
{
    QWidget* target = m_widgets.value(name);
    if (!target)
        return;
    const BenchWidget& state = m_model.widget(name);
    target->setGeometry(QRect(state.position, state.size));
    target->setEnabled(state.enabled);
    target->setToolTip(state.toolTip);
    target->setAccessibleName(state.accessibleName);
    if (state.pointingHand)
        target->setCursor(m_pointingHand);
    else
        target->unsetCursor();
    switch (state.kind) {
    case WidgetKind::Picture:
        static_cast<BenchPicture*>(target)->setPicture(state.picture);
        break;
    case WidgetKind::Label: {
        auto* label = static_cast<QLabel*>(target);
        label->setText(state.caption);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         state.textColor.isValid() ? state.textColor : QColor(0, 0, 0));
        label->setPalette(palette);
        break;
    }
    case WidgetKind::Button:
        static_cast<QPushButton*>(target)->setText(state.caption);
        break;
    case WidgetKind::Slider:
    case WidgetKind::SpinSelector: {
        auto* slider = static_cast<QAbstractSlider*>(target);
        slider->setRange(state.minimum, state.maximum);
        slider->setSingleStep(state.singleStep);
        slider->setPageStep(state.pageStep);
        slider->setValue(state.value);
        break;
    }
    case WidgetKind::RichText:
        break;
    }
    if (state.visible) {
        target->show();
        target->raise();
    }
}

bool BenchView::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_rendering && event->type() == QEvent::MouseMove) {
        if (watched == m_placard) {
            m_model.placard_MouseMove();
        } else if (m_measureChoices.contains(watched)) {
            m_model.Label3_MouseMove(m_measureChoices.value(watched));
            return true;
        } else {
            // Over the result or the slider: not the cupboard's own background.
            return false;
        }
    }
    if (event->type() == QEvent::FocusIn && watched == widget(bench::HScroll1)) {
        // Handed on by a control that a render hid: told once the render is over.
        if (m_rendering)
            m_sliderFocusedWhileRendering = true;
        else
            m_model.HScroll1_GotFocus();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dosarium
