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
        pictogram->hide();
        m_pictograms[i] = pictogram;
    }
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
}

void EtiquetteWidget::setReagentIndex(int index)
{
    if (index == m_reagentIndex)
        return;
    m_reagentIndex = index;
    update();
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

void EtiquetteWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(textColour);
    const auto measure = [](const QString& text, double size, bool italic) {
        return QFontMetricsF(labelFont(size, italic)).horizontalAdvance(text);
    };
    for (const LabelPiece& piece : LabelLayout::pieces(m_reagentIndex, measure)) {
        const QFont font = labelFont(piece.pointSize, piece.italic);
        painter.setFont(font);
        // Pieces are placed by the top of their text.
        painter.drawText(QPointF(piece.x, piece.y + QFontMetricsF(font).ascent()), piece.text);
    }
}

} // namespace dosarium
