// Start-up reference: the least a Qt Widgets program does to show a window of the main window's size.
#include "widgets/exitafterfirstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(610, 416);
    ExitAfterFirstPaint exit;
    exit.watch(&window);
    window.show();
    return app.exec();
}
