#include "calculator/machine.h"

#include "calculator/calculatortexts.h"
#include "calculator/machinepainting.h"
#include "ui/svgpixmap.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dosarium {

namespace {

constexpr int clientWidth = 301;
constexpr int clientHeight = 430;

bool isSymbolLabel(const QString& label)
{
    return label == u"√" || label == u"÷" || label == u"←" || label == u"π";
}

} // namespace

Machine::Machine(CalculatorSession& session, QWidget* parent)
    : QDialog(parent), m_beep([] { QApplication::beep(); }),
      m_logic(
          session,
          [this] {
              if (m_beep)
                  m_beep();
          },
          [this](const QString& text) { showDisplay(text); })
{
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(calculatortexts::caption);
    setFixedSize(clientWidth, clientHeight);

    m_z1 = new QPlainTextEdit(this);
    m_z1->setObjectName(QStringLiteral("z1"));
    m_z1->setGeometry(16, 16, 273, 89);
    m_z1->setAccessibleName(calculatortexts::screen);
    m_z1->setReadOnly(true);
    // Read-only, yet with a caret, so that the display visibly holds the keyboard focus.
    m_z1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_z1->setContextMenuPolicy(Qt::NoContextMenu);
    m_z1->setAcceptDrops(false);
    m_z1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_z1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_z1->setFont(QFont(QStringLiteral("Arial"), 12));
    QPalette display = m_z1->palette();
    display.setColor(QPalette::Base, Qt::black);
    display.setColor(QPalette::Text, QColor(0, 255, 0));
    m_z1->setPalette(display);
    m_z1->installEventFilter(this);

    buildOptions();
    buildKeys();
    m_logic.load();
    setTabOrder(m_z1, m_angle[1]);
}

void Machine::buildOptions()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setGeometry(16, 120, 273, 65);
    strip->setAutoFillBackground(true);
    QPalette grey = strip->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    strip->setPalette(grey);

    const auto makeFrame = [strip](const QString& name, const QString& title, int left) {
        auto* frame = new QGroupBox(title, strip);
        frame->setObjectName(name);
        frame->setGeometry(left, 2, 125, 60);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(8, 2, 4, 2);
        layout->setSpacing(0);
        return frame;
    };
    const auto makeOption = [](QGroupBox* frame, const char* name, int index, const QString& text) {
        auto* option = new QRadioButton(text, frame);
        option->setObjectName(QString::fromLatin1(name));
        option->setProperty("index", index);
        frame->layout()->addWidget(option);
        return option;
    };
    QGroupBox* angles = makeFrame(QStringLiteral("Frame2"), calculatortexts::angles, 7);
    m_angle[1] = makeOption(angles, "angle", 1, calculatortexts::radians);
    m_angle[0] = makeOption(angles, "angle", 0, calculatortexts::degrees);
    QGroupBox* modes = makeFrame(QStringLiteral("Frame3"), calculatortexts::display, 141);
    m_c[0] = makeOption(modes, "C", 0, calculatortexts::scientific);
    m_c[1] = makeOption(modes, "C", 1, calculatortexts::standard);

    m_angle[0]->setChecked(true);
    m_c[1]->setChecked(true);
    connect(m_angle[1], &QRadioButton::toggled, this, [this](bool on) {
        m_logic.setRadians(on);
        focusDisplay();
    });
    connect(m_c[0], &QRadioButton::toggled, this, [this](bool on) {
        m_logic.setScientific(on);
        focusDisplay();
    });
}

void Machine::buildKeys()
{
    const qreal ratio = devicePixelRatioF();
    for (const CalculatorKeyDefinition& definition : calculatorKeys()) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(definition.objectName));
        button->setGeometry(calculatorKeyGeometry(definition.row, definition.column));
        button->setAutoDefault(false);
        const QString label = QString::fromUtf8(definition.label);
        button->setText(label);
        button->setToolTip(QString::fromUtf8(definition.toolTip));
        button->setAccessibleName(calculatorKeySpokenName(definition.key));
        if (isSymbolLabel(label))
            button->setFont(QFont(QStringLiteral("Times New Roman"), 11));
        if (definition.picture) {
            button->setIcon(
                svgPixmap(QString::fromLatin1(definition.picture), definition.pictureSize, ratio));
            button->setIconSize(definition.pictureSize);
        }
        if (definition.colour.isValid()) {
            QPalette palette = button->palette();
            palette.setColor(QPalette::Button, definition.colour);
            button->setPalette(palette);
        }
        const CalculatorKey key = definition.key;
        connect(button, &QPushButton::clicked, this, [this, key] {
            m_logic.press(key);
            focusDisplay();
        });
    }
}

void Machine::showDisplay(const QString& text)
{
    if (!m_z1)
        return;
    m_z1->setPlainText(text);
    focusDisplay();
    m_z1->moveCursor(QTextCursor::End);
    // Painted now: the waiting text must be seen while the evaluation runs.
    m_z1->viewport()->repaint();
}

void Machine::focusDisplay()
{
    if (m_z1)
        m_z1->setFocus(Qt::OtherFocusReason);
}

void Machine::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    focusDisplay();
}

bool Machine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_z1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        m_logic.typeKey(key->key(), key->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Machine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintMachineBackground(painter);
}

void showCalculator(QWidget* parent, CalculatorSession& session)
{
    Machine machine(session, parent);
    machine.exec();
}

} // namespace dosarium
