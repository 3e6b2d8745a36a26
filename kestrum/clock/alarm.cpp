// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/alarm.h"

#include <algorithm>

#include "timezone/tzparse.h"

CAlarm::~CAlarm() = default;

CString CAlarm::GetTag() const
{
    return StrFormat("%lld|", (long long)moment.GetTime()) + message;
}

void CAlarm::SetTag(const CString& tag)
{
    // Kept to the years the alarm dialog can show (1 to 9999): a damaged tag's moment near the
    // ends of 64 bits would overflow once the zone's offset or its daylight-saving rule is
    // applied to it.
    const int64_t first = -62135596800LL, last = 253402300799LL;
    moment = CTime::FromSeconds(std::clamp<int64_t>(TzLeadingInt(tag), first, last));
    size_t bar = tag.find('|');
    message = bar == CString::npos ? tag : tag.substr(bar + 1);
    set = message.empty() ? 0 : 1;
}

CTimeSpan CAlarm::Compare(const CTime& now) const
{
    const int64_t limit = (int64_t)1 << 61;
    return CTimeSpan(std::clamp<int64_t>(moment.GetTime(), -limit, limit) -
                     std::clamp<int64_t>(now.GetTime(), -limit, limit));
}
