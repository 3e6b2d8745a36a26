// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/Reminders.h"
#include "platform/Translate.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include "platform/CTime.h"
#include "platform/Fnv.h"
#include "platform/SettingsStore.h"

namespace {

std::string Trimmed(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// A whole number of digits only, within [lo, hi].
bool ReadNumber(const std::string& s, int lo, int hi, int& value)
{
    if (s.empty() || s.size() > 9 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stoi(s);
    return value >= lo && value <= hi;
}

int DaysBetween(const CalendarDate& from, const CalendarDate& to)
{
    return (int)std::llround(to.DayNumber() - from.DayNumber());
}

int DateNumber(const CalendarDate& d)
{
    return d.year * 10000 + d.month * 100 + d.day;
}

} // namespace

ReminderSettings LoadReminderSettings(ISettingsStore& store)
{
    ReminderSettings s;
    s.enabled = store.GetInt(kRemindersSection, "Enabled", 1) != 0;
    std::vector<int> days;
    if (ParseLeadDays(store.GetString(kRemindersSection, "Days", "7,1,0"), days)) s.leadDays = days;
    int minutes = 0;
    if (ParseTimeOfDay(store.GetString(kRemindersSection, "Time", "09:00"), minutes)) s.minutes = minutes;
    s.document = store.GetString(kRemindersSection, "Document", "");
    return s;
}

void SaveReminderSettings(ISettingsStore& store, const ReminderSettings& s)
{
    store.WriteInt(kRemindersSection, "Enabled", s.enabled ? 1 : 0);
    store.WriteString(kRemindersSection, "Days", LeadDaysText(s.leadDays));
    store.WriteString(kRemindersSection, "Time", TimeOfDayText(s.minutes));
    store.WriteString(kRemindersSection, "Document", s.document);
}

bool ParseLeadDays(const std::string& text, std::vector<int>& days)
{
    days.clear();
    if (Trimmed(text).empty()) return true;
    size_t i = 0;
    while (i <= text.size()) {
        size_t end = text.find(',', i);
        if (end == std::string::npos) end = text.size();
        int d = 0;
        if (!ReadNumber(Trimmed(text.substr(i, end - i)), 0, kMaxLeadDays, d)) return false;
        days.push_back(d);
        i = end + 1;
    }
    std::sort(days.begin(), days.end(), std::greater<int>());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return true;
}

std::string LeadDaysText(const std::vector<int>& days)
{
    std::string text;
    for (int d : days) text += (text.empty() ? "" : ",") + std::to_string(d);
    return text;
}

bool ParseTimeOfDay(const std::string& text, int& minutes)
{
    const std::string t = Trimmed(text);
    size_t colon = t.find(':');
    int h = 0, m = 0;
    if (colon == std::string::npos || colon < 1 || colon > 2 || t.size() - colon != 3) return false;
    if (!ReadNumber(t.substr(0, colon), 0, 23, h) || !ReadNumber(t.substr(colon + 1), 0, 59, m)) return false;
    minutes = h * 60 + m;
    return true;
}

std::string TimeOfDayText(int minutes)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

bool ParseLocalMoment(const std::string& text, LocalMoment& moment)
{
    int y = 0, mo = 0, d = 0;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return false;
    if (!ReadNumber(text.substr(0, 4), 1, 9999, y) || !ReadNumber(text.substr(5, 2), 1, 12, mo) ||
        !ReadNumber(text.substr(8, 2), 1, 31, d))
        return false;
    GregorianDate date(mo, d, y);
    if (d > date.DaysInThisMonth()) return false;
    int minutes = 0;
    if (text.size() > 10 && (text[10] != 'T' || !ParseTimeOfDay(text.substr(11), minutes) || text.size() != 16))
        return false;
    moment.date = date;
    moment.minutes = minutes;
    return true;
}

void ReminderRecord::Read(const std::string& text)
{
    m_shown.clear();
    size_t i = 0;
    while (i < text.size()) {
        size_t end = text.find(';', i);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(i, end - i);
        size_t eq = item.rfind('=');
        // The date has eight digits, nine for the years after 9999 that a lead day reaches.
        const size_t colon = item.find(':');
        int lead = 0;
        if (eq != std::string::npos && (colon == 8 || colon == 9) && eq > colon + 1 &&
            ReadNumber(item.substr(eq + 1), 0, kMaxLeadDays, lead)) {
            int date = 0;
            if (ReadNumber(item.substr(0, colon), 10101, 114001231, date)) Mark(item.substr(0, eq), lead);
        }
        i = end + 1;
    }
}

std::string ReminderRecord::Text() const
{
    // Sorted, so that the stored text does not change with the hash table's order.
    std::vector<std::pair<std::string, int>> items(m_shown.begin(), m_shown.end());
    std::sort(items.begin(), items.end());
    std::string text;
    for (const auto& [key, lead] : items) text += (text.empty() ? "" : ";") + key + "=" + std::to_string(lead);
    return text;
}

int ReminderRecord::ShownLead(const std::string& key) const
{
    auto it = m_shown.find(key);
    return it == m_shown.end() ? kMaxLeadDays + 1 : it->second;
}

void ReminderRecord::Mark(const std::string& key, int lead)
{
    auto [it, added] = m_shown.emplace(key, lead);
    if (!added) it->second = std::min(it->second, lead);
}

void ReminderRecord::ForgetBefore(const GregorianDate& date)
{
    const int first = DateNumber(date);
    std::erase_if(m_shown, [&](const auto& item) { return std::stoi(item.first.substr(0, item.first.find(':'))) < first; });
}

std::string ReminderKey(const BirthdayEntry& e, const GregorianDate& day)
{
    // The kind's low byte and the text: the entry's identity, as in the calendar export.
    const char kind = (char)(e.kind & 0xFF);
    const uint64_t h = Fnv1a(e.text, Fnv1a(std::string_view(&kind, 1)));
    char text[40];
    std::snprintf(text, sizeof text, "%08d:%016llx", DateNumber(day), (unsigned long long)h);
    return text;
}

std::vector<DueReminder> DueReminders(const BirthdayList& list, const EventRules& rules, const ReminderSettings& s,
                                      const ReminderRecord& record, const LocalMoment& now)
{
    std::vector<DueReminder> due;
    if (s.leadDays.empty()) return due;
    const int maxLead = *std::max_element(s.leadDays.begin(), s.leadDays.end());
    for (DayEvent& event : EventsOfDays(list, rules, now.date, maxLead)) {
        if (event.entry < 0) continue;
        const int daysOff = DaysBetween(now.date, event.date);
        // The smallest lead day whose moment has come: its day has passed, or it is today and
        // the time of day has come.
        int lead = -1;
        for (int d : s.leadDays)
            if (d > daysOff || (d == daysOff && now.minutes >= s.minutes)) lead = d;
        if (lead < 0) continue;
        std::string key = ReminderKey(list.Entries()[(size_t)event.entry], event.date);
        if (record.ShownLead(key) <= lead) continue;
        // A late reminder that already says "today" (or "in 5 days") stands for the lead day of
        // that distance too, which would only say the same again later the same day.
        due.push_back(DueReminder{std::move(event), daysOff, std::min(lead, daysOff), std::move(key)});
    }
    return due;
}

std::string HowFarOff(int daysOff, const CalendarDate& date)
{
    const std::string when = daysOff == 0   ? TextTranslation::translate("Reminders", "today")
                             : daysOff == 1 ? TextTranslation::translate("Reminders", "tomorrow")
                                            : TextTranslation::translate("Reminders", "in %n days", nullptr, daysOff);
    // The language's own separator ("15 日後、12月24日木曜日").
    const std::string joined = TextTranslation::translate("Reminders", "%1, %2", "how far off, the day");
    const std::string local = TextTranslation::dayInWords(date.year, date.month, date.day);
    if (!local.empty()) return FillIn(joined, {when, local});
    CTimeFields f;
    f.month = date.month;
    f.day = date.day;
    f.dayOfWeek = date.Weekday() % 7 + 1;  // 1 Sunday .. 7 Saturday
    return FillIn(joined, {when, CTime::Format(f, "%A %#d %B")});
}

std::vector<ReminderMessage> ReminderMessages(const std::vector<DueReminder>& due)
{
    std::vector<ReminderMessage> out;
    if (due.size() <= 5) {
        for (size_t i = 0; i < due.size(); ++i)
            out.push_back({BytesToUtf8(due[i].event.text), HowFarOff(due[i].daysOff, due[i].event.date), {i}});
        return out;
    }
    // A long list would fill the screen: the first twenty, then how many more.
    const size_t listed = 20;
    ReminderMessage m;
    // Plain numbers for the plurals: lupdate does not read a cast there.
    const int count = static_cast<int>(due.size()), more = count - static_cast<int>(listed);
    m.summary = TextTranslation::translate("Reminders", "%n birthdays and events coming", nullptr, count);
    for (size_t i = 0; i < due.size(); ++i) {
        m.covers.push_back(i);
        if (i < listed)
            m.body += (i ? "\n" : "") + BytesToUtf8(due[i].event.text) + ": " + HowFarOff(due[i].daysOff, due[i].event.date);
    }
    if (more > 0) m.body += "\n" + TextTranslation::translate("Reminders", "and %n more", nullptr, more);
    out.push_back(std::move(m));
    return out;
}

int RunReminders(const BirthdayList& list, ISettingsStore& store, const LocalMoment& now, const ReminderOutput& out)
{
    const ReminderSettings settings = LoadReminderSettings(store);
    if (!settings.enabled) return 0;
    ReminderRecord record;
    const std::string stored = store.GetString(kRemindersSection, "Shown", "");
    record.Read(stored);
    record.ForgetBefore(now.date);
    const std::vector<DueReminder> due = DueReminders(list, StoredEventRules(store), settings, record, now);
    bool printing = false;
    for (const ReminderMessage& m : ReminderMessages(due)) {
        std::string why;
        if (!printing && !out.show(m, why)) {
            printing = true;
            out.warn(why);
        }
        if (printing)
            for (size_t i : m.covers)
                out.print(BytesToUtf8(due[i].event.text) + ": " + HowFarOff(due[i].daysOff, due[i].event.date));
        // Recorded right after it went out: a crash may repeat a reminder, never lose one.
        for (size_t i : m.covers) record.Mark(due[i].key, due[i].lead);
        store.WriteString(kRemindersSection, "Shown", record.Text());
    }
    if (due.empty() && record.Text() != stored) store.WriteString(kRemindersSection, "Shown", record.Text());
    return (int)due.size();
}
