// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Before the toolkit starts: whether there is a display to open at all (the toolkit aborts when
// there is none), and for windows that must keep their places and stay on top, X11 through
// XWayland on a Wayland session, since Wayland lets no program place its own windows.
#include <string>

struct DisplayEnvironment {
    std::string platform;  // QT_QPA_PLATFORM, the user's own choice
    std::string display;   // DISPLAY
    std::string wayland;   // WAYLAND_DISPLAY
};
DisplayEnvironment DisplayEnvironmentNow();

// Whether the X server that `display` names answers: a local one (":1", ":1.0", "unix:1") on its
// socket; one on another machine ("host:10.0") is taken on trust.
bool XServerAnswers(const std::string& display);

// Whether the Wayland compositor that `wayland` names (in XDG_RUNTIME_DIR, or a path) answers.
bool WaylandAnswers(const std::string& wayland);

enum class DisplayPlan {
    none,     // nothing to open: the program says so and ends
    toolkit,  // the toolkit's own choice (or the user's)
    x11,      // the xcb platform
};
DisplayPlan PlanDisplay(const DisplayEnvironment& env, bool wantX11);
// One line for DisplayPlan::none.
std::string NoDisplayReason(const DisplayEnvironment& env);
