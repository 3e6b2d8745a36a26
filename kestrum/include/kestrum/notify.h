// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Desktop notifications ("Bob Jones (27)", "in 7 days, Friday 5 March"): the clocks' alarms and
// Kinfold's reminders hand them to the session's notification service. The interface is plain
// C++ so that logic can be tested without a bus; DesktopNotifier is the real back end,
// RecordingNotifier keeps what it is given.
#include <memory>
#include <string>
#include <vector>
#include "kestrum/export.h"

// Texts are UTF-8.
struct Notification {
    std::string summary;
    std::string body;
    std::string appName;       // "Kinfold"
    std::string icon;          // an icon name from the theme ("kinfold") or an absolute file path
    std::string desktopEntry;  // the desktop file's name without ".desktop", so a click opens the program
    int timeoutMs = -1;        // -1: the service decides; 0: stays until dismissed
};

class KESTRUM_API Notifier {
public:
    virtual ~Notifier();
    // True when a notification service took it; otherwise false with a one-line reason in `why`.
    virtual bool Notify(const Notification& n, std::string& why) = 0;
};

// org.freedesktop.Notifications on the session bus. Waits at most `timeoutMs` for the answer.
KESTRUM_API std::unique_ptr<Notifier> MakeDesktopNotifier(int timeoutMs = 5000);

// Keeps every notification; takes them (true) or refuses them with `refusal` as the reason.
class KESTRUM_API RecordingNotifier : public Notifier {
public:
    RecordingNotifier() = default;
    explicit RecordingNotifier(std::string refusal) : m_refusal(std::move(refusal)) {}
    bool Notify(const Notification& n, std::string& why) override;

    std::vector<Notification> shown;  // also the refused ones, in order

private:
    std::string m_refusal;  // empty: accepts
};
