// SPDX-License-Identifier: GPL-3.0-or-later
// kinfold --upcoming and --remind as the built program runs them: the notifications against a
// real notification service (dunst on a private bus and X server, read back with dunstctl).
#include <gtest/gtest.h>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include "../TestEntries.h"
#include "ProgramFolder.h"
#include "birthdays/ImportCommand.h"

namespace fs = std::filesystem;

namespace {

class ReminderCommands : public ProgramFolder {
protected:
    ReminderCommands() : ProgramFolder("kinfold-remind-") {}
    void SetUp() override
    {
        ProgramFolder::SetUp();
        // Never the user's own bus: without a session of the test's own there is none.
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kinfold-test-bus", 1);
        BirthdayList list;
        list.AddOrMerge(Person(3, 5, 2000, "Bob /Jones/"));
        list.AddOrMerge(Person(2, 29, 2000, "Lea Leap"));
        list.AddOrMerge(Person(3, 3, 0, "Noyear Ned"));
        BirthdayEntry dead = Person(3, 2, 1900, "Olga Old");
        dead.endDate = CalendarDate(1, 1, 1980);
        list.AddOrMerge(dead);
        std::string error;
        ASSERT_TRUE(SaveKfdFile((dir / "fam.kfd").string(), list, error)) << error;
    }
    // The runs, one `kinfold --remind --now NOW fam.kfd` each, in one notification session;
    // what dunst showed, oldest first, as "summary | body".
    std::vector<std::string> RemindInSession(const std::vector<std::string>& nows)
    {
        std::string script = "set -e";
        for (const std::string& now : nows) script += "; \"$0\" --remind --now " + now + " fam.kfd";
        const std::string history = (dir / "history.json").string();
        runprogram::Result r =
            runprogram::Run(KQ_SOURCE_DIR "/tools/notification-session.sh", {history, "sh", "-c", script, KQ_PROGRAM},
                            dir.string());
        EXPECT_NE(r.status, 97) << "the notification service (Xvfb, dbus-run-session, dunst) could not be started: "
                                << r.err;
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "") << "nothing printed while a service takes them";
        QFile file(QString::fromStdString(history));
        std::vector<std::string> shown;
        if (!file.open(QIODevice::ReadOnly)) return shown;
        const QJsonArray all = QJsonDocument::fromJson(file.readAll()).object()["data"].toArray()[0].toArray();
        for (qsizetype i = all.size() - 1; i >= 0; --i) {
            const QJsonObject n = all[i].toObject();
            EXPECT_EQ(n["appname"].toObject()["data"].toString(), "Kinfold");
            shown.push_back((n["summary"].toObject()["data"].toString() + " | " + n["body"].toObject()["data"].toString())
                                .toStdString());
        }
        return shown;
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(ReminderCommands, UpcomingListsTheDaysAsTheCalendarShowsThem)
{
    runprogram::Result r = Run({"--upcoming", "7", "--now", "2027-02-26", "fam.kfd"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2027-02-28 Lea Leap (27)\n2027-03-03 Noyear Ned\n2027-03-05 Bob Jones (27)\n");
    StoreSettings("[Options]\nIncludeDead=1\n[Recent%20File%20List]\nFile1=" + (dir / "fam.kfd").string() + "\n");
    r = Run({"--upcoming", "0", "--now", "2027-03-02", "--holidays", "US"});
    EXPECT_EQ(r.out, "2027-03-02 Olga Old (127)\n") << r.err;
    r = Run({"--now", "2027-12-25", "--upcoming", "--holidays", "US"});
    // New Year's Day 2028 is a Saturday: the federal set keeps it on Friday 31 December too.
    EXPECT_EQ(r.out, "2027-12-25 Christmas Day\n2027-12-31 New Year's Day (observed)\n2028-01-01 New Year's Day\n") << r.err;

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--upcoming", "367", "fam.kfd"},
             {"--upcoming", "--now", "2027-02-30", "fam.kfd"},
             {"--upcoming", "--now", "2027-02-26T25:00", "fam.kfd"},
             {"--upcoming", "fam.kfd", "other.kfd"},
             {"--upcoming", "--holidays", "XX", "fam.kfd"},
             {"--now", "2027-02-26", "fam.kfd"},
         }) {
        r = Run(bad);
        EXPECT_EQ(r.status, 2) << bad[1];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    StoreSettings("");
    r = Run({"--upcoming"});
    EXPECT_EQ(r.status, 2) << "no document named, none used before";
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

    // A name from an imported file cannot send the terminal an escape sequence.
    BirthdayList list;
    list.AddOrMerge(Person(3, 5, 2000, "Eve\x1b]0;title\x07\x1b[31m\xC2\x9B" "2J /Red/"));
    std::string error;
    ASSERT_TRUE(SaveKfdFile((dir / "odd.kfd").string(), list, error)) << error;
    r = Run({"--upcoming", "1", "--now", "2027-03-05", "odd.kfd"});
    EXPECT_EQ(r.out, "2027-03-05 Eve ]0;title  [31m 2J Red (27)\n") << r.err;
}

TEST_F(ReminderCommands, NotificationsComeOnTheirDaysOnceAndLateAfterAGap)
{
    const Lines shown = RemindInSession({
        "2027-02-26T08:00",  // before the time of day: only what is already late (first run)
        "2027-02-26T09:00",  // Bob's week ahead
        "2027-02-26T21:00",  // a second run the same day
        "2027-02-28T09:00",  // Lea on the 28th in a common year
        "2027-03-05T10:00",  // off for days: Bob's day before was missed, one for him now
        "2027-03-05T11:00",
    });
    EXPECT_EQ(shown, (Lines{
                         "Lea Leap (27) | in 2 days, Sunday 28 February",
                         "Noyear Ned | in 5 days, Wednesday 3 March",
                         "Bob Jones (27) | in 7 days, Friday 5 March",
                         "Lea Leap (27) | today, Sunday 28 February",
                         "Bob Jones (27) | today, Friday 5 March",
                     }));
}

TEST_F(ReminderCommands, WithoutAServiceTheyArePrintedAndSwitchedOffNothingHappens)
{
    runprogram::Result r = Run({"--remind", "--now", "2027-03-05T10:00", "fam.kfd"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Bob Jones (27): today, Friday 5 March\n");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    r = Run({"--remind", "--now", "2027-03-05T11:00", "fam.kfd"});
    EXPECT_EQ(r.out, "") << "printed counts as shown";

    StoreSettings("");
    r = Run({"--remind"});
    EXPECT_EQ(r.status, 0) << "a new user's timer has nothing to remind of";
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

    StoreSettings("[Reminders]\nEnabled=0\n");
    r = Run({"--remind", "--now", "2027-03-05T10:00", "fam.kfd"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(SettingsText(), "[Reminders]\nEnabled=0\n");
    // A damaged section: the defaults, and the document chosen for reminders.
    StoreSettings("[Reminders]\nEnabled=x\nDays=7;1\nTime=late\nDocument=" + (dir / "fam.kfd").string() + "\nShown=@@\n");
    r = Run({"--remind", "--now", "2027-02-26T09:00"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Lea Leap (27): in 2 days, Sunday 28 February\nNoyear Ned: in 5 days, Wednesday 3 March\n"
                     "Bob Jones (27): in 7 days, Friday 5 March\n");
}

TEST_F(ReminderCommands, TheExportCarriesTheRemindersAsAlarmsUnlessToldNot)
{
    auto alarms = [&](const std::vector<std::string>& args) {
        runprogram::Result r = Run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        std::ifstream in(dir / "out.ics");
        std::stringstream s;
        s << in.rdbuf();
        fs::remove(dir / "out.ics");
        const std::string text = s.str();
        int n = 0;
        for (size_t at = text.find("BEGIN:VALARM"); at != std::string::npos; at = text.find("BEGIN:VALARM", at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(alarms({"--export-ics", "out.ics", "fam.kfd"}), 4 * 3) << "four birthdays (one ends), three lead days";
    EXPECT_EQ(alarms({"--export-ics", "out.ics", "--no-alarms", "fam.kfd"}), 0);
    StoreSettings("[Reminders]\nEnabled=0\n");
    EXPECT_EQ(alarms({"--export-ics", "out.ics", "fam.kfd"}), 0);
}

TEST_F(ReminderCommands, TwoRunsAtOnceShowEachReminderOnce)
{
    // The login entry and the timer at the same moment: the second waits for the first, then
    // finds everything recorded.
    for (int round = 0; round < 3; ++round) {
        fs::remove(SettingsFile());
        runprogram::Result a, b;
        std::thread other([&] { a = Run({"--remind", "--now", "2027-02-26T09:00", "fam.kfd"}); });
        b = Run({"--remind", "--now", "2027-02-26T09:00", "fam.kfd"});
        other.join();
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(b.status, 0);
        EXPECT_EQ(std::count(a.out.begin(), a.out.end(), '\n') + std::count(b.out.begin(), b.out.end(), '\n'), 3)
            << a.out << "--\n" << b.out;
    }
}
