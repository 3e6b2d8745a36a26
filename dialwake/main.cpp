#include <QApplication>

#include "SoundsWindow.h"
#include "platform/Settings.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PlatformSetApplication(QStringLiteral("Dialwake"));
    SoundsWindow sounds;
    sounds.show();
    return app.exec();
}
