// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs behind the view's commands, and their helpers.
#include <QString>
#include "view/ViewDialogs.h"

// The program's dialogs for the view's commands (one for all views: they keep no state).
IViewDialogs& KinfoldDialogs();

// The folder of the first ".ged" file (names starting with "." left out) in a depth-first walk of
// `start`, at most maxDepth folders down and maxEntries entries in all; `start` when none is found.
QString FindGedcomFolder(const QString& start, int maxDepth = 4, int maxEntries = 20000);
