// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/HolidayList.h"

#include "platform/Translate.h"
#include "holidays/CountrySets.h"
#include "platform/SettingsStore.h"

namespace {

CString RecordKey(int i) {
    return StrFormat("Number%03d", i);
}

}  // namespace

void HolidayList::LoadFromSettings(ISettingsStore& store, const LocaleChoices& locale) {
    m_items.clear();
    m_years.clear();
    const int count = store.GetInt(kHolidaySection, kHolidayCountKey, -1);
    if (count < 0) {
        PutFactoryList(store, locale);
        return;
    }
    for (int i = 1; i <= count; ++i) {
        const CString text = store.GetString(kHolidaySection, RecordKey(i), "");
        if (text.empty()) {
            // A broken list is not shown in part.
            PutFactoryList(store, locale);
            return;
        }
        Holiday holiday;
        if (Holiday::FromText(text, holiday))
            m_items.push_back(holiday);
    }
}

void HolidayList::SaveToSettings(ISettingsStore& store) const {
    store.WriteInt(kHolidaySection, kHolidayCountKey, GetCount());
    for (int i = 0; i < GetCount(); ++i)
        store.WriteString(kHolidaySection, RecordKey(i + 1), m_items[i].ToText());
}

void HolidayList::PutFactoryList(ISettingsStore& store, const LocaleChoices& locale) {
    m_items.clear();
    m_years.clear();
    store.WriteInt(kHolidaySection, kHolidayCountKey, -1);
    m_items = LocaleFactoryList(locale);
}

std::vector<Holiday> HolidayList::LocaleFactoryList(const LocaleChoices& locale) {
    if (const CountrySet* set = LocaleCountrySet(locale.territory))
        return CountrySetHolidays(*set, locale.language);
    // The factory names in the user's language; English as stored before when there is none.
    std::vector<Holiday> list = FactoryList();
    for (Holiday& h : list) h.name = TextTranslation::translate("HolidayList", h.name.c_str());
    return list;
}

std::vector<Holiday> HolidayList::FactoryList() {
    // The names are the stored ones, spelling included; LocaleFactoryList translates them.
    return {
        Holiday(1, 1, QT_TRANSLATE_NOOP("HolidayList", "New Years Day")),
        Holiday(1, 3, 1, QT_TRANSLATE_NOOP("HolidayList", "Martin Luther King Day")),
        Holiday(2, 3, 1, QT_TRANSLATE_NOOP("HolidayList", "Presidents Day")),
        Holiday(2, 12, QT_TRANSLATE_NOOP("HolidayList", "Lincoln's BirthDay")),
        Holiday(2, 14, QT_TRANSLATE_NOOP("HolidayList", "Valentines Day")),
        Holiday(2, 22, QT_TRANSLATE_NOOP("HolidayList", "Washington's BirthDay")),
        Holiday(3, 17, QT_TRANSLATE_NOOP("HolidayList", "St. Patrick's Day")),
        Holiday(4, 0, 14, QT_TRANSLATE_NOOP("HolidayList", "Tax Day")),
        Holiday(5, 2, 7, QT_TRANSLATE_NOOP("HolidayList", "Mother's Day")),
        Holiday(5, 6, 1, QT_TRANSLATE_NOOP("HolidayList", "Memorial Day")),
        Holiday(6, 14, QT_TRANSLATE_NOOP("HolidayList", "Flag Day")),
        Holiday(6, 3, 7, QT_TRANSLATE_NOOP("HolidayList", "Father's Day")),
        Holiday(7, 4, QT_TRANSLATE_NOOP("HolidayList", "Independence Day")),
        Holiday(9, 1, 1, QT_TRANSLATE_NOOP("HolidayList", "Labor Day")),
        Holiday(10, 2, 1, QT_TRANSLATE_NOOP("HolidayList", "Columbus Day")),
        Holiday(10, 31, QT_TRANSLATE_NOOP("HolidayList", "Holloween")),
        Holiday(11, 11, QT_TRANSLATE_NOOP("HolidayList", "Veterans Day")),
        Holiday(11, 4, 4, QT_TRANSLATE_NOOP("HolidayList", "Thanksgiving")),
        Holiday(12, 25, QT_TRANSLATE_NOOP("HolidayList", "Christmas")),
    };
}

Holiday HolidayList::GetAt(int i) const {
    if (i < 0 || i >= GetCount())
        return Holiday();
    return m_items[i];
}

bool HolidayList::SetAt(int i, const Holiday& holiday) {
    if (i < 0 || i >= GetCount())
        return false;
    m_items[i] = holiday;
    m_years.clear();
    return true;
}

bool HolidayList::RemoveAt(int i) {
    if (i < 0 || i >= GetCount())
        return false;
    m_items.erase(m_items.begin() + i);
    m_years.clear();
    return true;
}

StoredHolidayRecords ReadStoredHolidayRecords(ISettingsStore& store) {
    StoredHolidayRecords stored;
    stored.count = store.GetInt(kHolidaySection, kHolidayCountKey, -1);
    for (int i = 1; i <= stored.count; ++i) {
        if (!store.Contains(kHolidaySection, RecordKey(i)))
            break;
        stored.records.push_back(store.GetString(kHolidaySection, RecordKey(i), ""));
    }
    return stored;
}

void WriteStoredHolidayRecords(ISettingsStore& store, const StoredHolidayRecords& stored) {
    store.WriteInt(kHolidaySection, kHolidayCountKey, stored.count);
    for (size_t i = 0; i < stored.records.size(); ++i)
        store.WriteString(kHolidaySection, RecordKey((int)i + 1), stored.records[i]);
}
