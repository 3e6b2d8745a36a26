// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include "app/KinfoldApp.h"
#include "platform/Settings.h"
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

    // Printing to a file needs no screen.
    bool printPdf = IsPrintPdfCommand(argc, argv);
    if (printPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    PlatformSetApplication("Kinfold");
    if (printPdf) return RunPrintPdfCommand(app.arguments());
    return RunKinfold(app);
}
