// Start-up reference: the main window's own form, set up from the same layout file and showing its
// first page, with the program's Qt modules linked and none of its logic: no settings file, no
// tables, no totals, no faces or models set in code. Being the same form, it cannot drift from the
// window it stands for.
#include "ui_frmmain.h"
#include "widgets/exitafterfirstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    Ui::TfrmMain ui;
    ui.setupUi(&window);
    ExitAfterFirstPaint exit;
    exit.watch(&window);
    window.show();
    return app.exec();
}
