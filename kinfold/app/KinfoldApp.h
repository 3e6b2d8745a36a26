// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up of the program and its headless printing.
#include <QString>
#include <QStringList>

class QApplication;

// The start file when the recent-file list is empty.
inline constexpr const char* kDefaultStartFile = "Kinfold.kfd";

// Shows the main window with the start document; returns the program's exit code.
int RunKinfold(QApplication& app);

struct PrintPdfOptions {
    QString output;
    int year = 0;           // 0: the current month
    int month = 0;
    int monthsPerPage = 1;
    int calendar = 0;
    int paperCode = 1;
    bool portrait = false;
    QString document;       // empty: an empty list
};

bool IsPrintPdfCommand(int argc, char** argv);
// Reads "--print-pdf OUT [--year Y] [--month M] [--months-per-page N] [--calendar T] [--paper P]
// [--portrait] [DOC]" (args[0] is the program); an error text or "".
QString ParsePrintPdfArgs(const QStringList& args, PrintPdfOptions& options);
// Prints one year into the PDF; an error text or "".
QString PrintPdf(const PrintPdfOptions& options);
// Parses, prints and reports; the exit code.
int RunPrintPdfCommand(const QStringList& args);
