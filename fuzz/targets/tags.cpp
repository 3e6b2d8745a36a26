// SPDX-License-Identifier: GPL-3.0-or-later
// The restart-line tags of a zone, a rule and an alarm: any text is read, and what is read
// writes a tag that reads back to the same value.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "kestrum/alarm.h"
#include "kestrum/daylight.h"
#include "kestrum/timezone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CString tag((const char*)data, size);
    CTimeZone zone;
    zone.SetTag(tag);
    (void)zone.GetSeconds(CTime::FromSeconds(1700000000));
    CTimeZone zone2;
    zone2.SetTag(zone.GetTag());
    FUZZ_CHECK(zone2 == zone);

    CDaylight rule;
    rule.SetTag(tag);
    CDaylight rule2;
    rule2.SetTag(rule.GetTag());
    FUZZ_CHECK(rule2 == rule);

    CDaylightTime when;
    when.SetTag(tag);
    CDaylightTime when2;
    when2.SetTag(when.GetTag());
    FUZZ_CHECK(when2 == when);

    CAlarm alarm;
    alarm.SetTag(tag);
    (void)alarm.Compare(CTime::FromSeconds(1700000000));
    CAlarm alarm2;
    alarm2.SetTag(alarm.GetTag());
    FUZZ_CHECK(alarm2.moment.GetTime() == alarm.moment.GetTime());
    return 0;
}
