#include "workbench/workbenchwindow.h"

#include "calculator/machine.h"
#include "configurations/openconfigurationwindow.h"
#include "configurations/saveconfigurationwindow.h"
#include "exercises/exercisemenu.h"
#include "exercises/exercisesession.h"
#include "help/helpcontroller.h"
#include "protocol/benchmodel.h"
#include "protocol/benchnumbers.h"
#include "protocol/benchview.h"
#include "rack/racktexts.h"
#include "rack/rackwindow.h"
#include "ui/picturebutton.h"
#include "ui/svgpixmap.h"
#include "workbench/closingsequence.h"
#include "workbench/commandbuttons.h"
#include "workbench/etiquettewidget.h"
#include "workbench/markerfile.h"
#include "workbench/placardwidget.h"
#include "workbench/welcometext.h"
#include "workbench/windowgeometry.h"
#include "workbench/workbenchfonts.h"
#include "workbench/workbenchpictures.h"
#include "workbench/workbenchtexts.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace dosarium {
namespace {

const QRect supertextGeometry(424, 307, 361, 230);
const QRect fichGeometry(480, 288, 305, 19);
// Under the label and the exercise text, across the window: the lines that follow the result.
const QRect resultWritingGeometry(16, 540, 769, 59);

} // namespace

WorkbenchWindow::WorkbenchWindow(MessageService& messages, const QString& applicationDirectory,
                                 QWidget* parent)
    : QWidget(parent), m_messages(messages), m_applicationDirectory(applicationDirectory),
      m_placard(new PlacardWidget(this)), m_etiquette(new EtiquetteWidget(this)),
      m_bench(new BenchModel(messages, benchnumbers::frenchNumbers(), this)),
      m_benchView(new BenchView(m_placard, *m_bench, this)),
      m_help(new HelpController(applicationDirectory, messages, this)),
      m_configurations(*m_bench, messages)
{
    setObjectName(QStringLiteral("feuilleP"));
    setWindowTitle(WorkbenchTexts::title);
    setWindowIcon(programIcon());
    setMouseTracking(true);
    setFont(QFont(WorkbenchFonts::window, 8));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    resize(WindowGeometry::designedSize);

    createCommandBar();
    m_placard->setGeometry(16, 48, 769, 225);
    m_etiquette->setGeometry(16, 336, 377, 201);
    createHintLine();
    createExerciseArea();
    createResultWritingBox();
    connect(m_placard, &PlacardWidget::backgroundHovered, m_bench, &BenchModel::placard_MouseMove);
    connect(m_bench, &BenchModel::changed, this, &WorkbenchWindow::mirrorBench);
    m_exercises = new ExerciseMenu(*m_exerciseSession, m_configurations, *this, messages,
                                   m_textDialogs, applicationDirectory, this);
    connect(m_exerciseButton, &PictureButton::clicked, m_exercises, &ExerciseMenu::popUp);
    addRackEntries();
    connect(m_bench, &BenchModel::labelRepaintRequested, this, [this](int reagentIndex) {
        m_etiquette->setPreparedLabel(m_bench->preparedLabel());
        m_etiquette->setReagentIndex(reagentIndex);
        m_etiquette->update();
    });
    connect(commandButton("command3"), &QPushButton::clicked, m_bench, &BenchModel::Command3_Click);
    connect(commandButton("Command4"), &QPushButton::clicked, m_bench, &BenchModel::Command4_Click);
    mirrorBench();
}

void WorkbenchWindow::mirrorBench()
{
    QString hint = m_bench->info();
    hint.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_info->setText(hint);
    setWindowTitle(m_bench->windowCaption());
    commandButton("Command4")->setEnabled(m_bench->isUndoEnabled());
    commandButton("Command11")->setEnabled(m_bench->isSaveEnabled());
    m_etiquette->setReagentName(m_bench->label1());
    m_etiquette->setKindText(m_bench->label2());
    m_etiquette->showHazard(m_bench->visiblePictogram());
    m_resultWriting->setVisible(m_bench->widget(bench::resultat).visible &&
                                !m_bench->resultWritingDocument().isEmpty());
}

void WorkbenchWindow::createResultWritingBox()
{
    m_resultWriting = new QTextEdit(this);
    m_resultWriting->setObjectName(QStringLiteral("ecriture"));
    m_resultWriting->setGeometry(resultWritingGeometry);
    m_resultWriting->setDocument(&m_bench->resultWritingDocument());
    m_resultWriting->setReadOnly(true);
    m_resultWriting->setAccessibleName(WorkbenchTexts::resultWritingName);
    m_resultWriting->hide();
}

void WorkbenchWindow::addRackEntries()
{
    // An exercise's unknown solution waits in the rack to be bracketed.
    connect(m_exerciseSession, &ExerciseSession::unknownChanged, this, [this] {
        if (const auto& unknown = m_exerciseSession->unknown())
            m_rack.setUnknown(unknown->reagentIndex, unknown->concentration);
    });
    m_exercises->addEntry("echelle", RackTexts::menuRack, [this] {
        RackWindow(m_rackCommands, *m_bench, m_textDialogs, this).exec();
    });
    m_exercises->addEntry("verser", RackTexts::menuPour, [this] {
        if (m_rackCommands.pourFromBench(*m_bench))
            setHint(RackTexts::poured.arg(int(m_rack.tubes().size())));
    });
}

void WorkbenchWindow::createCommandBar()
{
    for (const CommandButton& entry : commandButtons) {
        QPushButton* button = new QPushButton(entry.caption, this);
        button->setObjectName(QString::fromLatin1(entry.objectName));
        button->setGeometry(entry.left, 0, entry.width, 41);
        button->setToolTip(entry.toolTip);
        showHintOnHover(button, entry.hint);
    }
    connect(commandButton("Command1"), &QPushButton::clicked, this, &QWidget::close);
    connect(commandButton("Command8"), &QPushButton::clicked, this,
            [this] { showCalculator(this, m_calculator); });
    connect(commandButton("Command2"), &QPushButton::clicked, this,
            [this] { OpenConfigurationWindow(m_configurations, m_messages, this).exec(); });
    connect(commandButton("Command11"), &QPushButton::clicked, this, [this] {
        if (!m_configurations.refuseUnsavable())
            SaveConfigurationWindow(m_configurations, m_messages, this).exec();
    });
    connect(commandButton("Command7"), &QPushButton::clicked, m_help, &HelpController::showHelp);
    connect(commandButton("Command9"), &QPushButton::clicked, m_help, &HelpController::showCourse);
}

void WorkbenchWindow::createHintLine()
{
    QLabel* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image2"));
    icon->setGeometry(64, 288, 32, 32);
    icon->setPixmap(svgPixmap(WorkbenchPictures::information, QSize(32, 32), devicePixelRatioF()));

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setGeometry(112, 288, 233, 33);
    m_info->setAutoFillBackground(true);
    m_info->setWordWrap(true);
    // A narrow face keeps the longest hints within the label's two lines.
    m_info->setFont(QFont(WorkbenchFonts::text, 8));
    m_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette tooltipColours = m_info->palette();
    tooltipColours.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
    tooltipColours.setColor(QPalette::WindowText, palette().color(QPalette::ToolTipText));
    m_info->setPalette(tooltipColours);
}

void WorkbenchWindow::createExerciseArea()
{
    m_exerciseButton = new PictureButton(this);
    m_exerciseButton->setObjectName(QStringLiteral("BTEXO"));
    m_exerciseButton->setGeometry(424, 288, 97, 19);
    m_exerciseButton->setPixmap(
        svgPixmap(WorkbenchPictures::exerciseButton, QSize(97, 19), devicePixelRatioF()));
    m_exerciseButton->setAccessibleName(WorkbenchTexts::exerciseButtonName);
    m_exerciseButton->setToolTip(WorkbenchTexts::exerciseButtonName);
    m_exerciseButton->setCursor(pointingHandCursor());
    m_exerciseButton->setPopsUpMenu(true);
    showHintOnHover(m_exerciseButton, WorkbenchTexts::exerciseButtonHint);

    m_fich = new QLineEdit(this);
    m_fich->setObjectName(QStringLiteral("fich"));
    m_fich->setGeometry(fichGeometry);
    m_fich->setAccessibleName(WorkbenchTexts::exerciseFileName);
    // The exercise tab overlaps the start of the box: it stays in front and the text starts after
    // it.
    m_exerciseButton->raise();
    m_fich->setTextMargins(m_exerciseButton->geometry().right() - fichGeometry.left() + 2, 0, 0, 0);
    connect(m_fich, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_fich->setCursorPosition(text.size()); });

    m_supertext = new QTextEdit(this);
    m_supertext->setObjectName(QStringLiteral("supertext"));
    m_supertext->setGeometry(supertextGeometry);
    m_supertext->setAccessibleName(WorkbenchTexts::exerciseTextName);
    m_supertext->setAcceptRichText(true);
    // Tab moves through the window as in a form; it never edits the text.
    m_supertext->setTabChangesFocus(true);

    // Made after `supertext`, so that the text area is deleted before the document it shows.
    m_exerciseSession = new ExerciseSession(
        m_rtfCodec, [this](QTextDocument& document) { buildWelcomeText(document); }, this);
    QTextDocument& document = m_exerciseSession->document();
    // As the text area's own document would be.
    document.setDefaultFont(m_supertext->font());
    m_supertext->setDocument(&document);
    document.documentLayout()->setPaintDevice(m_supertext->viewport());
    connect(m_exerciseSession, &ExerciseSession::changed, this,
            &WorkbenchWindow::mirrorExerciseSession);
    // The student may type a file name into `fich`, as into any text box.
    connect(m_fich, &QLineEdit::textChanged, m_exerciseSession, &ExerciseSession::setFileName);
    mirrorExerciseSession();
}

void WorkbenchWindow::mirrorExerciseSession()
{
    // Only what changed: setting the same name again would drop the undo history of a name the
    // student is typing.
    if (m_fich->text() != m_exerciseSession->fileName())
        m_fich->setText(m_exerciseSession->fileName());
    if (m_supertext->isReadOnly() != m_exerciseSession->isReadOnly())
        m_supertext->setReadOnly(m_exerciseSession->isReadOnly());
}

void WorkbenchWindow::showHintOnHover(QWidget* widget, const QString& hint)
{
    m_hints.insert(widget, hint);
    widget->installEventFilter(this);
}

void WorkbenchWindow::load()
{
    MarkerFile(m_applicationDirectory).markOpen();
    if (QScreen* current = screen()) {
        applyNarrowScreenRule(current->size());
        // On a wide screen the window opens at its designed size in the middle of the screen.
        const QRect available = current->availableGeometry();
        move(available.topLeft() +
             QPoint((available.width() - width()) / 2, (available.height() - height()) / 2));
    }
    m_exerciseSession->showWelcomeText();
    m_placard->PlacardPaint();
    m_bench->liquide_MouseMove(0);
    setHint(WorkbenchTexts::defaultHint);
}

void WorkbenchWindow::applyNarrowScreenRule(const QSize& screen)
{
    const std::optional<QRect> pinned = WindowGeometry::narrowScreenGeometry(screen);
    if (!pinned)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    if (size() != pinned->size())
        resize(pinned->size());
    if (pos() != pinned->topLeft())
        move(pinned->topLeft());
}

void WorkbenchWindow::buildWelcomeText(QTextDocument& document)
{
    m_supertext->hide();
    WelcomeText::build(document);
    m_supertext->moveCursor(QTextCursor::Start);
    m_supertext->show();
}

QTextCursor WorkbenchWindow::exerciseTextCursor() const
{
    return m_supertext->textCursor();
}

void WorkbenchWindow::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QWidget* WorkbenchWindow::exerciseButton()
{
    return m_exerciseButton;
}

void WorkbenchWindow::setHint(const QString& hint)
{
    m_bench->setInfo(hint);
}

QString WorkbenchWindow::hint() const
{
    return m_bench->info();
}

QPushButton* WorkbenchWindow::commandButton(const char* objectName) const
{
    return findChild<QPushButton*>(QString::fromLatin1(objectName), Qt::FindDirectChildrenOnly);
}

void WorkbenchWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // One-pixel bands filled rather than stroked: filling a solid span is the raster engine's
    // fastest path, and the picture is the same.
    const int width = WindowGeometry::designedSize.width() + 1;
    for (int y = 0; y <= WindowGeometry::designedSize.height(); ++y)
        painter.fillRect(0, y, width, 1, WindowGeometry::backgroundLine(y));
    // The text block's shadow: 3 pixels along its right and bottom edges.
    painter.fillRect(QRect(QPoint(supertextGeometry.left() + 3, fichGeometry.top() + 3),
                           QPoint(supertextGeometry.right() + 3, supertextGeometry.bottom() + 3)),
                     QColor(128, 128, 128));
}

void WorkbenchWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (QScreen* current = screen())
        applyNarrowScreenRule(current->size());
}

void WorkbenchWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        setHint(WorkbenchTexts::defaultHint);
    QWidget::mouseMoveEvent(event);
}

void WorkbenchWindow::closeEvent(QCloseEvent* event)
{
    if (!ClosingSequence::confirm(m_messages,
                                  [this] { return m_exercises->commands().confirmTextLoss(); })) {
        event->ignore();
        return;
    }
    MarkerFile(m_applicationDirectory).markClosed();
    event->accept();
    emit unloaded();
}

bool WorkbenchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.constEnd())
            setHint(*hint);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace dosarium
