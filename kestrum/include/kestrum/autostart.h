// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the clock host at login, as the freedesktop.org autostart rules have it: the package's
// entry in a system autostart folder starts it for everyone; an entry of the same name in the
// user's own autostart folder overrides it, and one with Hidden=true turns it off.
#include <string>
#include <vector>
#include "kestrum/export.h"

struct AutostartPlaces {
    std::string user;                 // $XDG_CONFIG_HOME/autostart
    std::vector<std::string> system;  // <each of $XDG_CONFIG_DIRS>/autostart, first the strongest
};
// The folders of the user running the program.
KESTRUM_API AutostartPlaces AutostartPlacesOfUser();

inline constexpr const char* kClockHostAutostart = "dialwake.desktop";

// Whether the entry named `entry` starts at login: the user's own entry decides when there is one,
// else the first system entry; none means no.
KESTRUM_API bool StartsAtLogin(const AutostartPlaces& places, const std::string& entry);
// Off writes the user's entry with Hidden=true. On removes such an entry when a system entry takes
// over, else writes a user entry that starts `program`. False with the reason when the user's
// folder cannot be written.
KESTRUM_API bool SetStartAtLogin(const AutostartPlaces& places, const std::string& entry, bool on,
                                 const std::string& program, std::string& error);
