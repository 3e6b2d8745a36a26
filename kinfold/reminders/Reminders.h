// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reminders of coming birthdays, anniversaries and notes: the user's choices in the settings
// section "Reminders", which reminders are due at a moment, and the record of those shown, so
// that none is shown twice and none is missed while the computer was off.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>
#include "reminders/Upcoming.h"

class ISettingsStore;

inline constexpr const char* kRemindersSection = "Reminders";
inline constexpr int kMaxLeadDays = 366;

struct ReminderSettings {
    bool enabled = true;              // "Enabled"
    std::vector<int> leadDays{7, 1, 0};  // "Days": largest first, each once, 0 to 366
    int minutes = 9 * 60;             // "Time": from this local time of day a day's reminders come
    std::string document;             // "Document": empty means the last document used
};

// Values that cannot be read take their defaults.
ReminderSettings LoadReminderSettings(ISettingsStore& store);
void SaveReminderSettings(ISettingsStore& store, const ReminderSettings& settings);

// "7,1,0" <-> {7, 1, 0}; "" is no lead day. False for anything else than numbers 0 to 366
// separated by commas (blanks allowed).
bool ParseLeadDays(const std::string& text, std::vector<int>& days);
std::string LeadDaysText(const std::vector<int>& days);
// "09:00" <-> 540; false unless HH:MM with HH 0-23 and MM 0-59 (one-digit hour allowed).
bool ParseTimeOfDay(const std::string& text, int& minutes);
std::string TimeOfDayText(int minutes);

// A moment of local wall-clock time.
struct LocalMoment {
    GregorianDate date;
    int minutes = 0;  // since midnight
};
// "2027-02-26" (midnight) or "2027-02-26T09:30"; years 1 to 9999.
bool ParseLocalMoment(const std::string& text, LocalMoment& moment);

// For each event day, the smallest lead day shown for it; kept in "Reminders" as "Shown".
class ReminderRecord {
public:
    // Unreadable parts are skipped.
    void Read(const std::string& text);
    std::string Text() const;
    // The smallest lead day shown for the event, or a number above every lead day.
    int ShownLead(const std::string& key) const;
    void Mark(const std::string& key, int lead);
    // Forgets events before `date`: they are over and cannot come again.
    void ForgetBefore(const GregorianDate& date);
    size_t Size() const { return m_shown.size(); }

private:
    std::unordered_map<std::string, int> m_shown;  // "20270305:<hash>" -> lead day
};

// The record's key of an entry's event on a day.
std::string ReminderKey(const BirthdayEntry& entry, const GregorianDate& day);

struct DueReminder {
    DayEvent event;
    int daysOff = 0;  // from the moment's day to the event: 0 today, 1 tomorrow
    int lead = 0;     // the smallest lead day it stands for, recorded once shown
    std::string key;
};

// The events whose reminder at some lead day d (d days before the event, at the time of day)
// has come by `now` and that are not over, without those already recorded at that lead day or
// a smaller one; one per event, in date order.
std::vector<DueReminder> DueReminders(const BirthdayList& list, const EventRules& rules,
                                      const ReminderSettings& settings, const ReminderRecord& record,
                                      const LocalMoment& now);

// "in 7 days, Friday 5 March", "tomorrow, Saturday 6 March", "today, Sunday 7 March".
std::string HowFarOff(int daysOff, const CalendarDate& date);

struct ReminderMessage {
    std::string summary, body;  // UTF-8
    std::vector<size_t> covers; // indexes into the due list
};
// One message per event, or, for more than five, one that lists them all.
std::vector<ReminderMessage> ReminderMessages(const std::vector<DueReminder>& due);

// One run of `kinfold --remind` on a loaded list. `show` hands a message to the desktop (false
// with the reason when no service took it); from the first refusal on, the messages go to `print`
// instead, `warn` gets the reason once, and they count as shown. Each message is recorded in the
// store right after it went out. Nothing happens when reminders are off. Returns how many events
// were reminded.
struct ReminderOutput {
    std::function<bool(const ReminderMessage&, std::string& why)> show;
    std::function<void(const std::string& line)> print;
    std::function<void(const std::string& line)> warn;
};
int RunReminders(const BirthdayList& list, ISettingsStore& store, const LocalMoment& now, const ReminderOutput& out);
