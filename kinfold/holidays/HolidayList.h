// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's holidays, in the order they were added; kept in the settings store, not in documents.
#include <typeinfo>
#include <vector>
#include "holidays/Holiday.h"
#include "platform/CString.h"
#include "platform/LocaleChoices.h"

class CalendarDate;
class ISettingsStore;

// Section and count key of the stored list (the section's spelling is the stored one).
inline constexpr const char* kHolidaySection = "Hollidays";
inline constexpr const char* kHolidayCountKey = "Number";

// One day of a year's holidays, on the Gregorian calendar.
struct DatedHoliday {
    int year = 0;
    int month = 0;
    int day = 0;
    CString name;
    bool operator==(const DatedHoliday& other) const = default;
};

class HolidayList {
public:
    // When several holidays fall on the date, the earliest in the list wins. A day on which no
    // holiday's own rule falls may still be the substitute of a weekend holiday of kind
    // SubstituteForward: such holidays are taken in date order, and each is kept on the first
    // Monday-to-Friday after its day that is neither a day of another holiday of the list nor an
    // earlier holiday's substitute (25 December on a Saturday: 27th, 26 December then the 28th).
    // On a hit the name is copied into `name`; otherwise false and `name` is left untouched.
    bool HolidayOn(const CalendarDate& date, CString& name) const;
    // Every day of the Gregorian `year` that HolidayOn names, in date order.
    std::vector<DatedHoliday> HolidaysInYear(int year) const;

    // Replaces the list by the stored one. "Number" absent or negative, or a record key between
    // 1 and the count missing or empty: the factory list (see PutFactoryList). "Number" 0: an
    // empty list. Records with an unknown kind digit are skipped. The locale picks what stands in
    // for the factory list (LocaleFactoryList).
    void LoadFromSettings(ISettingsStore& store, const LocaleChoices& locale = LocaleChoices::System());
    // Writes "Number" = count and keys "Number001", "Number002", ... Longer lists saved before
    // leave their extra keys behind; they are never read.
    void SaveToSettings(ISettingsStore& store) const;
    // Empties the list, stores "Number" = -1 (so every load brings the factory list until the
    // list is next saved) and appends the locale's factory list.
    void PutFactoryList(ISettingsStore& store, const LocaleChoices& locale = LocaleChoices::System());
    // The 19 factory holidays, in their order.
    static std::vector<Holiday> FactoryList();
    // The country set of the locale's territory, named in the locale's language where the set
    // carries that language (Canada in French for fr_CA); the factory list, named in the user's
    // language, for the United States, "C" and territories without a set. Regions are
    // never picked from a locale.
    static std::vector<Holiday> LocaleFactoryList(const LocaleChoices& locale);

    // Element access. Out-of-range indexes: GetAt gives an unnamed Holiday(), SetAt and RemoveAt
    // do nothing and return false.
    int GetCount() const { return static_cast<int>(m_items.size()); }
    Holiday GetAt(int i) const;
    bool SetAt(int i, const Holiday& holiday);
    void Add(const Holiday& holiday) {
        m_items.push_back(holiday);
        m_years.clear();
    }
    bool RemoveAt(int i);
    void RemoveAll() {
        m_items.clear();
        m_years.clear();
    }
    const std::vector<Holiday>& Items() const { return m_items; }

private:
    // The holiday of each day of one year of one calendar class (an index into m_items, -1 for
    // none), for lists with rules that need the year: worked out once, not per day asked.
    struct YearDays {
        const std::type_info* calendar = nullptr;
        int year = 0;
        std::vector<int> holiday;
    };
    const YearDays& DaysOfYear(const CalendarDate& date) const;

    std::vector<Holiday> m_items;
    mutable std::vector<YearDays> m_years;  // a few recent years; emptied by every change
};

// The stored list's count and records byte for byte, to be put back as they were: "Number" and
// "Number001" up to the count (an absent count is kept as -1, which reads the same).
struct StoredHolidayRecords {
    int count = -1;
    std::vector<CString> records;
};
StoredHolidayRecords ReadStoredHolidayRecords(ISettingsStore& store);
void WriteStoredHolidayRecords(ISettingsStore& store, const StoredHolidayRecords& stored);
