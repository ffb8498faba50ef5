// The floor for start-up figures: the smallest Qt Widgets window of the workbench's size.
#include "firstpaint.h"

#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(800, 600);
    QuitAfterFirstPaint quit(&window);
    window.show();
    return QApplication::exec();
}
