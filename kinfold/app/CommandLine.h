// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kinfold's command line: every option in one table (which --help prints), the batch commands
// those options start, and the window when none is asked for.
#include <span>
#include <string>
#include "platform/CommandLine.h"

// A command that runs without a window, started by its option ("--import").
struct BatchCommand {
    const char* option;
    // Drawing commands get a QApplication, on the offscreen platform unless QT_QPA_PLATFORM says
    // otherwise; the others run without one.
    bool needsQt;
    // Checks its options before any application object exists, so that a bad argument costs
    // nothing and writes nothing; the message, or "" (nullptr: nothing to check).
    std::string (*check)(const CommandArgs& args);
    // Reads its options, does the work, writes its messages; the exit status (2 for bad arguments).
    int (*run)(const CommandArgs& args);
};

std::span<const CommandOption> KinfoldOptions();
std::span<const BatchCommand> KinfoldBatchCommands();
std::string KinfoldUsage();

// The whole program: --help, --version, a batch command or the window; the exit status.
int KinfoldMain(int argc, char** argv);
