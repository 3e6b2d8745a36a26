// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kinfold --upcoming [DAYS] [DOC.kfd] and kinfold --remind [DOC.kfd], with --now standing in for
// the clock: batch commands that need no window and no display.
#include <string>
#include <vector>
#include "platform/CommandLine.h"

// "--upcoming 30" and "--upcoming" alone become "--upcoming=30" and "--upcoming=", so that the
// optional DAYS is told from a document named after it only by being all digits.
std::vector<std::string> WithUpcomingDays(std::vector<std::string> args);

std::string CheckUpcoming(const CommandArgs& args);
int RunUpcoming(const CommandArgs& args);
std::string CheckRemind(const CommandArgs& args);
int RunRemind(const CommandArgs& args);
