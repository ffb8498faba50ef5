#include "workbench/program.h"
#include "workbench/screenscalechoice.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    dosarium::DisplayHold display = dosarium::chooseScreenScale(argc, argv);
    QApplication application(argc, argv);
    display.reset();
    dosarium::Program program(application);
    program.start();
    return QApplication::exec();
}
