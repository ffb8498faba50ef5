#include "workbench/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    dosarium::Program program(application);
    program.start();
    return QApplication::exec();
}
