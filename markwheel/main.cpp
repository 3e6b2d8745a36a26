#include <QApplication>
#include <QMainWindow>
#include "platform/Settings.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PlatformSetApplication("Markwheel");
    QMainWindow w;
    w.setWindowTitle("Untitled - Markwheel");
    w.resize(600, 300);
    w.show();
    return app.exec();
}
