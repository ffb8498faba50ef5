#include "help/helpcontroller.h"

#include "help/helpwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace dosarium {

HelpController::HelpController(const QString& applicationDirectory, MessageService& messages,
                               QObject* parent)
    : QObject(parent), m_applicationDirectory(applicationDirectory), m_messages(messages)
{}

HelpController::~HelpController() = default;

void HelpController::showHelp()
{
    show(HelpFile::Help);
}

void HelpController::showCourse()
{
    m_rule.courseButtonUsed();
    show(HelpFile::Course);
}

void HelpController::showForF1()
{
    show(m_rule.fileForF1());
}

QString HelpController::helpFileForF1() const
{
    return helpFilePath(m_applicationDirectory, m_rule.fileForF1());
}

HelpWindow* HelpController::window(HelpFile file) const
{
    return file == HelpFile::Course ? m_courseWindow.get() : m_helpWindow.get();
}

void HelpController::show(HelpFile file)
{
    std::unique_ptr<HelpWindow>& slot = file == HelpFile::Course ? m_courseWindow : m_helpWindow;
    const QString path = helpFilePath(m_applicationDirectory, file);
    // An open viewer is brought forward as it is; a closed one reads the file again, so that a
    // file replaced or removed meanwhile is seen.
    if (!slot || !slot->isVisible()) {
        auto window = std::make_unique<HelpWindow>(m_messages);
        if (!window->openFile(path))
            return;
        slot = std::move(window);
    }
    // While a modal window (the calculator, an exercise) is open, a plain window could not take
    // the mouse or the keyboard: the viewer is then modal above it.
    const Qt::WindowModality wanted = QApplication::activeModalWidget() != nullptr &&
                                              QApplication::activeModalWidget() != slot.get()
                                          ? Qt::ApplicationModal
                                          : Qt::NonModal;
    if (slot->windowModality() != wanted) {
        slot->hide();
        slot->setWindowModality(wanted);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void HelpController::installF1Handler(QCoreApplication& application)
{
    application.installEventFilter(this);
}

bool HelpController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                showForF1();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dosarium
