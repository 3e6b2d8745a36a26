#include "kestrum/alarm.h"

#include "timezone/tzparse.h"

CAlarm::~CAlarm() = default;

CString CAlarm::GetTag() const
{
    return StrFormat("%lld|", (long long)moment.GetTime()) + message;
}

void CAlarm::SetTag(const CString& tag)
{
    moment = CTime::FromSeconds(TzLeadingInt(tag));
    size_t bar = tag.find('|');
    message = bar == CString::npos ? tag : tag.substr(bar + 1);
    set = message.empty() ? 0 : 1;
}
