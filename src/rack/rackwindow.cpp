#include "rack/rackwindow.h"

#include "rack/rackcommands.h"
#include "rack/racklabels.h"
#include "rack/rackpicture.h"
#include "rack/rackprinting.h"
#include "rack/racktexts.h"
#include "rack/spectrophotometerwindow.h"
#include "ui/textdialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dosarium {
namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    QPushButton* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

RackWindow::RackWindow(RackCommands& commands, const BenchModel& bench, TextDialogs& dialogs,
                       QWidget* parent)
    : QDialog(parent), m_commands(commands), m_bench(bench), m_dialogs(dialogs),
      m_picture(new RackPicture(commands.rack(), this)), m_tubes(new QListWidget(this)),
      m_unknown(new QLabel(this)), m_first(new QComboBox(this)), m_second(new QComboBox(this)),
      m_place(button(RackTexts::placeUnknown, "encadrer", this)),
      m_remove(button(RackTexts::removeTube, "retirer", this)), m_verdict(new QLabel(this))
{
    setObjectName(QStringLiteral("echelle"));
    setWindowTitle(RackTexts::windowTitle);
    setModal(true);
    resize(820, 560);

    m_tubes->setObjectName(QStringLiteral("tubes"));
    m_tubes->setAccessibleName(RackTexts::tubeList);
    m_tubes->setMaximumHeight(130);
    m_verdict->setAccessibleDescription(RackTexts::verdictName);
    m_verdict->setWordWrap(true);
    m_verdict->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_verdict->setFocusPolicy(Qt::StrongFocus);
    m_unknown->setFocusPolicy(Qt::StrongFocus);
    m_first->setAccessibleName(RackTexts::firstStandard);
    m_second->setAccessibleName(RackTexts::secondStandard);

    QPushButton* pour = button(RackTexts::pourPrepared, "verser", this);
    QPushButton* spectro = button(RackTexts::spectrophotometer, "spectro", this);
    QPushButton* open = button(RackTexts::open, "ouvrir", this);
    QPushButton* save = button(RackTexts::save, "enregistrer", this);
    QPushButton* printButton = button(RackTexts::print, "imprimer", this);
    QPushButton* closeButton = button(RackTexts::close, "fermer", this);

    QHBoxLayout* tubeCommands = new QHBoxLayout;
    tubeCommands->addWidget(pour);
    tubeCommands->addWidget(m_remove);
    tubeCommands->addStretch();
    QHBoxLayout* bracket = new QHBoxLayout;
    QLabel* firstLabel = new QLabel(RackTexts::firstStandardKey, this);
    firstLabel->setBuddy(m_first);
    QLabel* secondLabel = new QLabel(RackTexts::secondStandardKey, this);
    secondLabel->setBuddy(m_second);
    bracket->addWidget(firstLabel);
    bracket->addWidget(m_first, 1);
    bracket->addWidget(secondLabel);
    bracket->addWidget(m_second, 1);
    bracket->addWidget(m_place);
    QHBoxLayout* fileCommands = new QHBoxLayout;
    for (QPushButton* b : {spectro, open, save, printButton})
        fileCommands->addWidget(b);
    fileCommands->addStretch();
    fileCommands->addWidget(closeButton);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 1);
    layout->addWidget(m_tubes);
    layout->addLayout(tubeCommands);
    layout->addWidget(m_unknown);
    layout->addLayout(bracket);
    layout->addWidget(m_verdict);
    layout->addLayout(fileCommands);

    connect(pour, &QPushButton::clicked, this, [this] { m_commands.pourFromBench(m_bench); });
    connect(m_remove, &QPushButton::clicked, this, &RackWindow::removeCurrent);
    connect(m_place, &QPushButton::clicked, this, &RackWindow::placeUnknown);
    connect(spectro, &QPushButton::clicked, this, &RackWindow::showSpectrophotometer);
    connect(open, &QPushButton::clicked, this, [this] { m_commands.open(); });
    connect(save, &QPushButton::clicked, this, [this] { m_commands.save(); });
    connect(printButton, &QPushButton::clicked, this, &RackWindow::print);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tubes, &QListWidget::currentRowChanged, m_picture, &RackPicture::setCurrent);
    connect(&m_commands.rack(), &RackModel::changed, this, &RackWindow::mirror);
    mirror();
    m_tubes->setFocus();
}

void RackWindow::mirror()
{
    const RackModel& rack = m_commands.rack();
    const int current = m_tubes->currentRow();
    m_tubes->clear();
    QStringList choices;
    for (std::size_t i = 0; i < rack.tubes().size(); ++i) {
        const QString name = racklabels::tubeName(int(i) + 1, rack.tubes()[i]);
        m_tubes->addItem(name);
        choices.append(name.section(QStringLiteral(", "), 0, 0));
    }
    if (!rack.tubes().empty())
        m_tubes->setCurrentRow(std::clamp(current, 0, int(rack.tubes().size()) - 1));
    m_remove->setEnabled(!rack.tubes().empty());
    for (QComboBox* box : {m_first, m_second}) {
        const int chosen = box->currentIndex();
        box->clear();
        box->addItems(choices);
        box->setCurrentIndex(std::min(chosen, int(choices.size()) - 1));
    }
    if (const std::optional<Bracket>& b = rack.bracket()) {
        m_first->setCurrentIndex(b->lower);
        m_second->setCurrentIndex(b->upper);
    } else if (m_second->currentIndex() == m_first->currentIndex() && choices.size() > 1) {
        m_second->setCurrentIndex(m_first->currentIndex() + 1);
    }
    m_unknown->setText(rack.unknown() ? racklabels::unknownName(*rack.unknown())
                                      : RackTexts::noUnknown);
    m_unknown->setAccessibleName(m_unknown->text());
    const bool canPlace = rack.unknown() && rack.tubes().size() >= 2;
    m_first->setEnabled(canPlace);
    m_second->setEnabled(canPlace);
    m_place->setEnabled(canPlace);
    if (rack.bracket())
        m_shownVerdict = m_commands.verdictText();
    else
        m_shownVerdict = rack.unknown() ? RackTexts::unknownPresent : QString();
    m_verdict->setText(m_shownVerdict);
    m_picture->setCurrent(m_tubes->currentRow());
}

void RackWindow::removeCurrent()
{
    m_commands.rack().remove(m_tubes->currentRow());
    m_tubes->setFocus();
}

void RackWindow::placeUnknown()
{
    RackModel& rack = m_commands.rack();
    const BracketVerdict verdict =
        rack.placeUnknown(m_first->currentIndex(), m_second->currentIndex());
    // A refused bracket keeps nothing in the rack: only the line says why.
    m_shownVerdict = verdictText(verdict, rack.content());
    m_verdict->setText(m_shownVerdict);
}

void RackWindow::showSpectrophotometer()
{
    SpectrophotometerWindow(m_commands.rack(), this).exec();
}

void RackWindow::print()
{
    if (QPagedPaintDevice* printer = m_dialogs.choosePrinter(RackTexts::printedTitle))
        printRack(*printer, m_commands.rack().content());
}

} // namespace dosarium
