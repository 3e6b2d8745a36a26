// SPDX-License-Identifier: GPL-3.0-or-later
// CalendarDate::SetFromText in each calendar, then the arithmetic a day cell does with the result.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "calendar/CalendarDate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CString text((const char*)data, size);
    CalendarDate base;
    GregorianDate gregorian;
    JulianDate julian;
    CalendarDate* dates[] = {&base, &gregorian, &julian};
    for (CalendarDate* d : dates) {
        d->SetFromText(text);
        FUZZ_CHECK(d->month >= 0 && d->month <= 12);
        (void)d->FormatShort();
        if (d->year != 0 && d->month >= 1 && d->day >= 1 && d->day <= d->DaysInThisMonth()) {
            double n = d->DayNumber();
            (void)d->Weekday();
            CalendarDate back;
            if (IsUsableDayNumber(n)) back.SetFromDayNumber(n, ReformAware);
            (void)d->Compare(back);
        }
    }
    return 0;
}
