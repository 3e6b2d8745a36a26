#include <QApplication>
#include <QMainWindow>
#include "platform/Settings.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PlatformSetApplication("Kinfold");
    QMainWindow w;
    w.setWindowTitle("Untitled - Kinfold");
    w.resize(900, 700);
    w.show();
    return app.exec();
}
