#include "help/helpcontroller.h"
#include "ui/qtmessageservice.h"
#include "workbench/applicationdirectory.h"
#include "workbench/workbenchwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dosarium"));

    // The standard buttons and dialogs speak French.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    dosarium::QtMessageService messages;
    dosarium::WorkbenchWindow workbench(messages, dosarium::applicationDirectory());
    QObject::connect(&workbench, &dosarium::WorkbenchWindow::unloaded, &application,
                     &QApplication::quit, Qt::QueuedConnection);
    workbench.help().installF1Handler(application);
    workbench.load();
    workbench.show();
    return QApplication::exec();
}
