// The program as users start it, ending after the workbench's first paint.
#include "firstpaint.h"
#include "workbench/program.h"
#include "workbench/screenscalerestart.h"

#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<char*> arguments(argv, argv + argc + 1);
    QApplication application(argc, argv);
    dosarium::restartAtScreenScale(arguments.data());
    dosarium::Program program(application);
    QuitAfterFirstPaint quit(&program.workbench());
    program.start();
    return QApplication::exec();
}
