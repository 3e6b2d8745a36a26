// SPDX-License-Identifier: GPL-3.0-or-later
// The clock window's restart line: its elements, the placement, and the zone and alarm tags it
// carries, read as the window reads them; then the line it would write reads back the same.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "kestrum/alarm.h"
#include "kestrum/clockline.h"
#include "kestrum/timezone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CString line((const char*)data, size);
    ClockCommand cmd = ParseClockCommand(line);
    int left = 0, top = 0, width = 0, height = 0;
    bool placed = cmd.hasPlace && ParseClockPlacement(cmd.place, left, top, width, height);
    CTimeZone zone;
    if (cmd.hasZone) zone.SetTag(cmd.zone);
    CAlarm alarm;
    if (cmd.hasAlarm) alarm.SetTag(cmd.alarm);
    // The line swapped for itself in a file of its own stays the one line of the file.
    CString text = RestartLineText(line);
    if (!text.empty() && text != "other" && line.find('\n') == CString::npos) {
        CString bytes = "other\n" + line;
        SwapRestartLine(bytes, text, text);
        FUZZ_CHECK(CountRestartLine(bytes, text) == 1 && bytes.rfind("other\n", 0) == 0);
    }
    (void)ClockShortName(cmd.name);

    // Names and tags that hold a ')' or a line break cannot travel in a line.
    CString name = cmd.name;
    bool plain = name.find_first_of(")\n\r/") == CString::npos && !name.empty();
    CString zoneTag = zone.GetTag();
    if (placed && plain && zoneTag.find_first_of(")\n\r") == CString::npos) {
        CString alarmTag = alarm.GetTag();
        bool alarmPlain = alarmTag.find_first_of(")\n\r") == CString::npos;
        CString made = MakeRestartLine("dialwake", MakeClockPlacement(left, top, width, height),
                                       cmd.face, zoneTag, alarm.set && alarmPlain ? &alarmTag : nullptr, name);
        ClockCommand back = ParseClockCommand(made);
        FUZZ_CHECK(back.hasZone && back.hasPlace && back.hasName);
        CTimeZone zone2;
        zone2.SetTag(back.zone);
        FUZZ_CHECK(zone2 == zone);
    }
    return 0;
}
