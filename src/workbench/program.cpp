#include "workbench/program.h"

#include "help/helpcontroller.h"
#include "protocol/benchview.h"
#include "ui/windowaccessibility.h"
#include "workbench/applicationdirectory.h"
#include "workbench/workbenchfonts.h"

#include <QApplication>
#include <QScreen>

namespace dosarium {

namespace {

// The window opens on the primary screen.
qreal primaryScreenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// Every face the workbench's first paint asks for, italic included.
QList<FontFace> workbenchFaces()
{
    using namespace WorkbenchFonts;
    return {{window, false}, {text, false}, {text, true}, {reagentName, false}};
}

} // namespace

Program::Program(QApplication& application)
    : m_preparation(workbenchFaces(), BenchView::bottlePictures(primaryScreenPixelRatio())),
      m_workbench(m_messages, applicationDirectory())
{
    QApplication::setApplicationName(QStringLiteral("Dosarium"));
    announceTopLevelWidgetsAsWindows();
    // The program ends at once: the other windows close without asking their own questions.
    QObject::connect(
        &m_workbench, &WorkbenchWindow::unloaded, &application, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    m_workbench.help().installF1Handler(application);
}

void Program::start()
{
    m_workbench.load();
    m_workbench.show();
}

} // namespace dosarium
