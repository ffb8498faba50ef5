// The program as users start it, ending after the workbench's first paint.
#include "firstpaint.h"
#include "workbench/program.h"
#include "workbench/screenscalechoice.h"

int main(int argc, char* argv[])
{
    dosarium::DisplayHold display = dosarium::chooseScreenScale(argc, argv);
    QApplication application(argc, argv);
    display.reset();
    dosarium::Program program(application);
    QuitAfterFirstPaint quit(&program.workbench());
    program.start();
    return QApplication::exec();
}
