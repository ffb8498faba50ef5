#include "protocol/benchview.h"

#include "protocol/benchmodel.h"
#include "protocol/benchwidgets.h"
#include "protocol/protocoltexts.h"
#include "ui/svgpixmap.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>
#include <utility>

namespace dosarium {

using namespace bench;

BenchView::BenchView(QWidget* placard, BenchModel& model, QObject* parent)
    : QObject(parent), m_placard(placard), m_model(model), m_pointingHand(pointingHandCursor())
{
    installBenchAccessibility();
    placard->setMouseTracking(true);
    placard->installEventFilter(this);
    connect(&m_model, &BenchModel::changed, this, &BenchView::render);
    render();
}

QList<SvgPicture> BenchView::bottlePictures(qreal devicePixelRatio)
{
    QList<SvgPicture> pictures;
    for (int part = firstBottle; part <= lastBottle; ++part)
        pictures.append({picturePath(table[part].picture), table[part].size, devicePixelRatio});
    return pictures;
}

QWidget* BenchView::create(Part part)
{
    BenchModel& model = m_model;
    switch (table[part].kind) {
    case WidgetKind::Picture: {
        auto* picture = new BenchPicture(m_placard);
        if (part >= firstBottle && part <= lastBottle) {
            const int i = part - firstBottle;
            picture->installEventFilter(this);
            connect(picture, &BenchPicture::hovered, this,
                    [&model, i] { model.liquide_MouseMove(i); });
            connect(picture, &BenchPicture::clicked, this, [&model, i] {
                // A bottle pressed from the keyboard was not hovered first.
                if (model.state().reagentIndex != i)
                    model.liquide_MouseMove(i);
                model.liquide_Click(i);
            });
            return picture;
        }
        if (part == flaconmere) {
            picture->installEventFilter(this);
            connect(picture, &BenchPicture::hovered, this,
                    [&model] { model.flaconmere_MouseMove(); });
            connect(picture, &BenchPicture::clicked, this, [&model] {
                model.flaconmere_MouseMove();
                model.flaconmere_Click();
            });
            return picture;
        }
        if (glasswareAt(part)) {
            connect(picture, &BenchPicture::clicked, this,
                    [&model, part] { model.glassware_Click(part); });
        } else {
            picture->setFocusPolicy(Qt::NoFocus);
            // The prepared flask offers its solution as a mother solution.
            if (part == fiolefinale)
                picture->installEventFilter(this);
        }
        return picture;
    }
    case WidgetKind::Label: {
        if (part != firstMeasureChoice && part != lastMeasureChoice)
            return new QLabel(m_placard);
        const int i = part - firstMeasureChoice;
        auto* choice = new BenchChoice(m_placard);
        choice->setMouseTracking(true);
        choice->installEventFilter(this);
        connect(choice, &BenchChoice::chosen, this, [&model, i] { model.Label3_Click(i); });
        return choice;
    }
    case WidgetKind::Button: {
        auto* button = new QPushButton(m_placard);
        if (part == masse)
            connect(button, &QPushButton::clicked, this, [&model] { model.masse_Click(); });
        else if (part == validprel)
            connect(button, &QPushButton::clicked, this, [&model] { model.validprel_Click(); });
        else if (part == validvol)
            connect(button, &QPushButton::clicked, this, [&model] { model.validvol_Click(); });
        return button;
    }
    case WidgetKind::Slider: {
        auto* slider = new BenchSlider(m_placard);
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
        const bool flask = part == UpDown1;
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
        // A right click lands on the text's viewport.
        text->viewport()->installEventFilter(this);
        return text;
    }
    }
    return new QWidget(m_placard);
}

// A part made late takes its place in the stacking and in the Tab order after the parts before it
// in the table, as if all had been made at once.
void BenchView::place(Part part, QWidget* child)
{
    child->setObjectName(name(part));
    m_widgets[part] = child;
    for (int before = part - 1; before >= 0; --before) {
        if (QWidget* previous = m_widgets[before]) {
            QWidget::setTabOrder(previous, child);
            return;
        }
    }
}

void BenchView::render()
{
    QPointer<QWidget> focused = QApplication::focusWidget();
    if (focused && !m_placard->isAncestorOf(focused))
        focused = nullptr;
    std::array<bool, partCount> shownBefore{};
    for (int part = 0; part < partCount; ++part)
        shownBefore[part] = m_widgets[part] && m_widgets[part]->isVisible();

    m_rendering = true;
    // What the step brings is shown before what it takes away is hidden: a control hidden with
    // the keyboard focus hands it on to the next one shown, where the student goes on.
    for (int part = 0; part < partCount; ++part)
        renderWidget(Part(part));
    for (int part = 0; part < partCount; ++part) {
        QWidget* target = m_widgets[part];
        if (target && !m_model.widget(Part(part)).visible)
            target->hide();
    }
    m_rendering = false;
    if (focused && !(focused->isVisible() && focused->isEnabled()))
        focusFirstShown(shownBefore);
    const std::optional<Part> handedOn = std::exchange(m_focusedWhileRendering, std::nullopt);
    if (handedOn && m_widgets[*handedOn]->hasFocus())
        focusEntered(*handedOn);
}

// The control the student used went with its step: the focus goes on to the first control the new
// step brought, as the student reads the bench, not to whatever follows in the window.
void BenchView::focusFirstShown(const std::array<bool, partCount>& shownBefore)
{
    for (int part = 0; part < partCount; ++part) {
        QWidget* widget = m_widgets[part];
        if (widget && !shownBefore[part] && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void BenchView::focusEntered(Part part)
{
    if (part == HScroll1)
        m_model.HScroll1_GotFocus();
    else if (part >= firstBottle && part <= lastBottle)
        // A keyboard user reads the label before choosing, as a pointer shows it.
        m_model.liquide_MouseMove(part - firstBottle);
    else if (part == flaconmere)
        m_model.flaconmere_MouseMove();
}

void BenchView::offerMotherSolution(const QPoint& globalPosition)
{
    auto* text = qobject_cast<QTextEdit*>(m_widgets[resultat]);
    QMenu* menu = nullptr;
    if (text && text->isVisible()) {
        // Beside the text's own entries, copying included.
        menu = text->createStandardContextMenu();
        menu->setParent(text, menu->windowFlags());
    } else {
        menu = new QMenu(m_placard);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto* use = new QAction(texts::useAsMotherSolution, menu);
    use->setObjectName(QStringLiteral("useAsMotherSolution"));
    use->setEnabled(m_model.canUseAsMotherSolution());
    connect(use, &QAction::triggered, &m_model, [this] { m_model.useAsMotherSolution(); });
    QAction* first = menu->actions().value(0);
    menu->insertAction(first, use);
    if (first)
        menu->insertSeparator(first);
    menu->popup(globalPosition);
}

void BenchView::renderWidget(Part part)
{
    const BenchWidget& state = m_model.widget(part);
    QWidget* target = m_widgets[part];
    if (!target) {
        if (!state.visible)
            return;
        target = create(part);
        place(part, target);
    }
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
        static_cast<BenchPicture*>(target)->setPicture(state.picture, state.liquid);
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
    if (event->type() == QEvent::ContextMenu) {
        QWidget* text = m_widgets[resultat];
        if (watched == m_widgets[fiolefinale] || (text && watched == text) ||
            (text && watched == static_cast<QTextEdit*>(text)->viewport())) {
            offerMotherSolution(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    if (!m_rendering && event->type() == QEvent::MouseMove) {
        if (watched == m_placard) {
            m_model.placard_MouseMove();
        } else if (watched == m_widgets[firstMeasureChoice]) {
            m_model.Label3_MouseMove(0);
            return true;
        } else if (watched == m_widgets[lastMeasureChoice]) {
            m_model.Label3_MouseMove(1);
            return true;
        } else {
            // Over the result or the slider: not the cupboard's own background.
            return false;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        const auto part = std::find(m_widgets.begin(), m_widgets.end(), watched);
        if (part != m_widgets.end()) {
            // Handed on by a control that a render hid: told once the render is over.
            if (m_rendering)
                m_focusedWhileRendering = Part(part - m_widgets.begin());
            else
                focusEntered(Part(part - m_widgets.begin()));
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dosarium
