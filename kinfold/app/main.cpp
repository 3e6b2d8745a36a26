#include <QApplication>
#include <QMainWindow>
#include "platform/Settings.h"
#include <cstdio>
#include "birthdays/ImportCommand.h"

int main(int argc, char** argv)
{
    // Batch import (kinfold --import FILE.ged ...): no application object, no window.
    if (IsImportCommand(argc, argv)) {
        PlatformSetApplication("Kinfold");
        ImportCommandResult r = RunImportCommand(std::vector<std::string>(argv + 1, argv + argc));
        std::fprintf(r.exitCode ? stderr : stdout, "%s\n", (r.exitCode ? r.error : r.output).c_str());
        return r.exitCode;
    }
    // End of batch import.

    QApplication app(argc, argv);
    PlatformSetApplication("Kinfold");
    QMainWindow w;
    w.setWindowTitle("Untitled - Kinfold");
    w.resize(900, 700);
    w.show();
    return app.exec();
}
