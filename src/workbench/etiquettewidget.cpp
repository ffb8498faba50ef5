#include "workbench/etiquettewidget.h"

#include "catalogue/labellayout.h"
#include "ui/svgpixmap.h"
#include "workbench/workbenchfonts.h"
#include "workbench/workbenchpictures.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>

namespace dosarium {
namespace {

const QColor textColour(0, 0, 128);
const QString labelAccessibleName = QStringLiteral("Étiquette du flacon");
// The smaller pictograms nestle under the first one's lower edges, as on a bottle's label.
constexpr int besideSize = 52;
const std::array<QPoint, 2> besideLeftRight = {QPoint(267, 147), QPoint(323, 147)};

QFont labelFont(double pointSize, bool italic)
{
    QFont font(QString::fromLatin1(LabelLayout::fontFamily));
    font.setPointSizeF(pointSize);
    font.setItalic(italic);
    return font;
}

} // namespace

EtiquetteWidget::EtiquetteWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("etiquette"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, textColour);
    setPalette(white);

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("Label1"));
    m_name->setGeometry(0, 20, 377, 29);
    m_name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont nameFont(WorkbenchFonts::reagentName);
    nameFont.setPointSize(18);
    m_name->setFont(nameFont);
    m_name->setStyleSheet(QStringLiteral("color: rgb(64, 64, 64);"));

    m_kind = new QLabel(this);
    m_kind->setObjectName(QStringLiteral("Label2"));
    m_kind->setGeometry(0, 64, 377, 17);
    m_kind->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont kindFont(WorkbenchFonts::window);
    kindFont.setPointSizeF(9.75);
    kindFont.setBold(true);
    m_kind->setFont(kindFont);
    m_kind->setStyleSheet(
        QStringLiteral("color: rgb(247, 247, 225); background-color: rgb(20, 100, 180);"));

    // Each pictogram is drawn the first time it is shown.
    for (std::size_t i = 0; i < m_pictograms.size(); ++i) {
        QLabel* pictogram = new QLabel(this);
        pictogram->setObjectName(QStringLiteral("Image1_%1").arg(i));
        pictogram->setGeometry(288, 104, 66, 66);
        pictogram->setAccessibleName(
            Catalogue::pictogramName(pictogramOf(static_cast<Hazard>(int(i)))));
        pictogram->hide();
        m_pictograms[i] = pictogram;
    }
    for (QLabel*& beside : m_beside) {
        beside = new QLabel(this);
        beside->hide();
    }
    m_hazards = new QLabel(this);
    m_hazards->setObjectName(QStringLiteral("dangers"));
    m_hazards->setGeometry(262, 104, 105, 66);
    m_hazards->setWordWrap(true);
    m_hazards->setAlignment(Qt::AlignCenter);
    m_hazards->setFont(labelFont(8.0, true));
    m_hazards->setStyleSheet(QStringLiteral("border: 1px solid rgb(0, 0, 128); padding: 2px;"));
    m_hazards->hide();
    setAccessibleName(labelAccessibleName);
    describe();
}

void EtiquetteWidget::setReagentName(const QString& name)
{
    m_name->setText(name);
}

void EtiquetteWidget::setKindText(const QString& kind)
{
    m_kind->setText(kind);
}

void EtiquetteWidget::showHazard(Hazard hazard)
{
    for (std::size_t i = 0; i < m_pictograms.size(); ++i) {
        QLabel* pictogram = m_pictograms[i];
        const bool shown = static_cast<int>(hazard) == static_cast<int>(i);
        if (shown && pictogram->pixmap().isNull())
            pictogram->setPixmap(
                svgPixmap(WorkbenchPictures::hazard(hazard), QSize(66, 66), devicePixelRatioF()));
        pictogram->setVisible(shown);
    }
    showBesidePictograms();
}

void EtiquetteWidget::showBesidePictograms()
{
    const int shownFor = visibleHazard() != Hazard::None ? m_reagentIndex : -1;
    if (shownFor == m_besideShownFor)
        return;
    m_besideShownFor = shownFor;
    QList<Pictogram> others;
    if (const Reagent* reagent = Catalogue::reagent(shownFor))
        others = reagent->pictograms.mid(1);
    // One pictogram goes to the right; two fill both places, in reading order.
    const qsizetype first = others.size() == 1 ? 1 : 0;
    for (qsizetype slot = 0; slot < qsizetype(m_beside.size()); ++slot) {
        QLabel* beside = m_beside[std::size_t(slot)];
        const qsizetype i = slot - first;
        if (i < 0 || i >= others.size()) {
            beside->hide();
            continue;
        }
        beside->setGeometry(
            QRect(besideLeftRight[std::size_t(slot)], QSize(besideSize, besideSize)));
        beside->setPixmap(svgPixmap(WorkbenchPictures::besidePictogram(others[i]),
                                    QSize(besideSize, besideSize), devicePixelRatioF()));
        beside->setAccessibleName(Catalogue::pictogramName(others[i]));
        beside->show();
    }
}

void EtiquetteWidget::setReagentIndex(int index)
{
    if (index == m_reagentIndex)
        return;
    m_reagentIndex = index;
    describe();
    showBesidePictograms();
    update();
}

void EtiquetteWidget::setPreparedLabel(const std::optional<PreparedLabel>& prepared)
{
    if (prepared == m_prepared)
        return;
    m_prepared = prepared;
    m_hazards->setText(prepared ? prepared->hazards : QString());
    m_hazards->setVisible(!m_hazards->text().isEmpty());
    describe();
    update();
}

void EtiquetteWidget::describe()
{
    const PreparedLabel* prepared = m_prepared ? &*m_prepared : nullptr;
    QStringList lines = LabelLayout::lines(m_reagentIndex, prepared);
    if (prepared && !prepared->hazards.isEmpty())
        lines << prepared->hazards;
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

QString EtiquetteWidget::reagentName() const
{
    return m_name->text();
}

QString EtiquetteWidget::kindText() const
{
    return m_kind->text();
}

Hazard EtiquetteWidget::visibleHazard() const
{
    for (std::size_t i = 0; i < m_pictograms.size(); ++i)
        if (!m_pictograms[i]->isHidden())
            return static_cast<Hazard>(i);
    return Hazard::None;
}

QStringList EtiquetteWidget::besidePictogramNames() const
{
    QStringList names;
    for (const QLabel* beside : m_beside)
        if (!beside->isHidden())
            names << beside->accessibleName();
    return names;
}

void EtiquetteWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(textColour);
    const auto measure = [](const QString& text, double size, bool italic) {
        return QFontMetricsF(labelFont(size, italic)).horizontalAdvance(text);
    };
    const PreparedLabel* prepared = m_prepared ? &*m_prepared : nullptr;
    for (const LabelPiece& piece : LabelLayout::pieces(m_reagentIndex, measure, prepared)) {
        const QFont font = labelFont(piece.pointSize, piece.italic);
        painter.setFont(font);
        // Pieces are placed by the top of their text.
        painter.drawText(QPointF(piece.x, piece.y + QFontMetricsF(font).ascent()), piece.text);
    }
}

} // namespace dosarium
