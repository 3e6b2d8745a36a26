// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock's alarm: a moment, a message and the zone in whose local time it was entered.
#include "platform/CString.h"
#include "platform/CTime.h"
#include "kestrum/export.h"
#include "kestrum/timezone.h"

class KESTRUM_API CAlarm {
public:
    CAlarm() {}
    CAlarm(const CAlarm& o) = default;
    CAlarm& operator=(const CAlarm& o) = default;
    virtual ~CAlarm();

    // "946684800|Happy new year": the moment in whole seconds (any size, signed) and the message.
    CString GetTag() const;
    // Moment from the leading integer (held to the years 1 to 9999), message from the text
    // after the first '|' (the whole tag without one); armed exactly when the message is not empty.
    void SetTag(const CString& tag);
    // Seconds from now to the alarm (negative once it has passed); moments beyond 2^61 seconds
    // either way count as 2^61, so that a damaged tag cannot overflow the difference.
    CTimeSpan Compare(const CTime& now) const;
    // Edits the alarm in the "Set Alarm" dialog; returns the new set flag. Cancel leaves the
    // alarm as it was; its "Remove" disarms it.
    int Dialog(class QWidget* parent = nullptr);

    CTimeZone zone;
    CTime moment;
    CString message;
    int set = 0;
};
