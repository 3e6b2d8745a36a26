// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm value: its restart tag and the time left.
#include <gtest/gtest.h>

#include "kestrum/alarm.h"

TEST(AlarmValue, TagRoundTrip)
{
    CAlarm a;
    EXPECT_EQ(a.set, 0);
    EXPECT_TRUE(a.message.empty());
    a.moment = CTime::FromSeconds(946684800);
    a.message = "Happy new year";
    EXPECT_EQ(a.GetTag(), "946684800|Happy new year");

    CAlarm b;
    b.SetTag(a.GetTag());
    EXPECT_EQ(b.moment.GetTime(), 946684800);
    EXPECT_EQ(b.message, "Happy new year");
    EXPECT_EQ(b.set, 1);

    // Moments beyond 32 bits and before 1970 keep their value.
    for (int64_t m : {int64_t(4102444800), int64_t(-86400), int64_t(0)}) {
        CAlarm c;
        c.moment = CTime::FromSeconds(m);
        c.message = "x|y";
        CAlarm d;
        d.SetTag(c.GetTag());
        EXPECT_EQ(d.moment.GetTime(), m);
        EXPECT_EQ(d.message, "x|y");  // only the first '|' separates
    }
}

TEST(AlarmValue, SetTagArmsOnlyWithAMessage)
{
    CAlarm a;
    a.SetTag("946684800|Test");
    EXPECT_EQ(a.moment.GetTime(), 946684800);
    EXPECT_EQ(a.message, "Test");
    EXPECT_EQ(a.set, 1);

    a.SetTag("946684800|");
    EXPECT_EQ(a.set, 0);
    EXPECT_TRUE(a.message.empty());

    a.SetTag("Wake up");  // no '|': the whole tag is the message
    EXPECT_EQ(a.moment.GetTime(), 0);
    EXPECT_EQ(a.message, "Wake up");
    EXPECT_EQ(a.set, 1);

    a.SetTag("");
    EXPECT_EQ(a.set, 0);
}

TEST(AlarmValue, DamagedMomentsStayWithinTheDialogsYears)
{
    // A zone with daylight saving, as the alarm dialog and the clock apply it to the moment.
    CTimeZone zone;
    zone.SetTag("50400|US3600|131274|131785");
    CAlarm a;
    a.SetTag("9223372036854775807|far");
    EXPECT_EQ(a.set, 1);
    EXPECT_EQ(a.moment.GetUtcFields().year, 9999);
    EXPECT_EQ(a.moment.GetFieldsAt(zone.GetOffset(a.moment)).year, 10000);
    a.SetTag("-9223372036854775807|early");
    EXPECT_EQ(a.moment.GetUtcFields().year, 1);
    EXPECT_EQ(a.moment.GetFieldsAt(zone.GetOffset(a.moment)).year, 1);
    CAlarm back;
    back.SetTag(a.GetTag());
    EXPECT_EQ(back.moment, a.moment);
}

TEST(AlarmValue, CompareAndCopy)
{
    CAlarm a;
    a.moment = CTime::FromSeconds(1000000);
    EXPECT_EQ(a.Compare(CTime::FromSeconds(999910)).GetTotalSeconds(), 90);
    EXPECT_EQ(a.Compare(CTime::FromSeconds(1000001)).GetTotalSeconds(), -1);
    EXPECT_EQ(a.Compare(a.moment).GetTotalSeconds(), 0);

    a.zone.SetTag("-18000|US3600|131274|131785");
    a.message = "Call [home]";
    a.set = 1;
    CAlarm b(a), c;
    c = a;
    for (const CAlarm* x : {&b, &c}) {
        EXPECT_TRUE(x->zone == a.zone);
        EXPECT_EQ(x->moment, a.moment);
        EXPECT_EQ(x->message, "Call [home]");
        EXPECT_EQ(x->set, 1);
    }
}
