#include "workbench/program.h"
#include "workbench/screenscalechoice.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    dosarium::chooseScreenScale(argc, argv);
    QApplication application(argc, argv);
    dosarium::Program program(application);
    program.start();
    return QApplication::exec();
}
