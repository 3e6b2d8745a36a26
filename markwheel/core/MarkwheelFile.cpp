// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MarkwheelFile.h"

void StoreMarkwheel(CArchive& ar, const MarkwheelData& d)
{
    ar << d.title << d.year << d.month << d.day << d.hour << d.minute << d.second << d.mode;
}

bool LoadMarkwheel(CArchive& ar, MarkwheelData& d)
{
    MarkwheelData r = d;
    ar >> r.title >> r.year >> r.month >> r.day >> r.hour >> r.minute >> r.second;
    bool shortForm = ar.AtEnd();
    if (!shortForm) ar >> r.mode;
    if (!MarkwheelFieldsInRange(r))
        throw CArchiveException(CArchiveException::badFormat, "Unexpected file format.");
    d = r;
    return shortForm;
}
