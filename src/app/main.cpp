#include "workbench/program.h"
#include "workbench/screenscalerestart.h"

#include <QApplication>
#include <vector>

int main(int argc, char* argv[])
{
    // The application object takes Qt's own options out of argv: a restart must pass them again.
    const std::vector<char*> arguments(argv, argv + argc + 1);
    QApplication application(argc, argv);
    dosarium::restartAtScreenScale(arguments.data());
    dosarium::Program program(application);
    program.start();
    return QApplication::exec();
}
