// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time-zone table: cities, each with an index into a list of zones (a standard offset and a
// daylight-saving rule), read from the data file "TimeZones.txt".
#include <cstdint>
#include <functional>
#include <vector>
#include "platform/CString.h"
#include "platform/CTime.h"
#include "kestrum/daylight.h"
#include "kestrum/export.h"

class KESTRUM_API CityName {
public:
    CityName() {}
    CityName(const CString& cityName, int zoneIndex) : name(cityName), zone(zoneIndex) {}
    CityName(const CityName& o) : name(o.name), zone(o.zone) {}
    CityName& operator=(const CityName& o) { name = o.name; zone = o.zone; return *this; }
    virtual ~CityName();

    CString name;   // as written in the data file, trimmed
    int zone = 0;   // index into the table's zone list
};

class KESTRUM_API CTimeZone {
public:
    CTimeZone() {}
    CTimeZone(const CTimeZone& o) = default;
    CTimeZone& operator=(const CTimeZone& o) = default;
    virtual ~CTimeZone();

    // Equal offsets and equal rules (rule names do not count).
    int operator==(const CTimeZone& o) const { return offset == o.offset && rule == o.rule ? 1 : 0; }
    int operator!=(const CTimeZone& o) const { return *this == o ? 0 : 1; }

    // Sets the offset from a zone line such as "(GMT-05:00) New York": the hours after the
    // label's first three characters; 0 without a ')' or a readable number.
    void Load(const CString& line);
    void SetDST(const CDaylight& dst) { rule = dst; }

    // Seconds to add to the zone's wall-clock time to get UTC at t: -(offset + daylight shift).
    // The machine's own time zone plays no part.
    long GetSeconds(const CTime& t) const;
    // Seconds east of UTC of the zone's wall clock at t (offset + daylight shift).
    long GetOffset(const CTime& t) const { return -GetSeconds(t); }

    // "-18000|US3600|131337|131726"
    CString GetTag() const;
    void SetTag(const CString& tag);

    CDaylight rule;
    int32_t offset = 0;  // standard time, seconds east of UTC
};

class KESTRUM_API CTimeZoneArray {
public:
    // Builds the table from "TimeZones.txt", found as Load() says.
    CTimeZoneArray();
    // Builds the table from the named file, without any search or message.
    explicit CTimeZoneArray(const CString& fileName);
    virtual ~CTimeZoneArray();
    CTimeZoneArray(const CTimeZoneArray&) = default;
    CTimeZoneArray& operator=(const CTimeZoneArray&) = default;

    // Appends the rules, zones and cities of "TimeZones.txt". The file is looked for once per
    // process (Path, then the library's data folders); while it is missing the user is asked
    // to Retry or Cancel, and Cancel asks the application to quit and leaves the table as it was.
    void Load();
    // Appends the zones and cities of the named file; false when it could not be opened.
    bool Load(const CString& fileName);
    // Empties both lists and releases their storage.
    void Unload();

    // Zone index of the first city of that name (letter case ignored); -1 when none.
    int Find(const CString& city) const;
    // Index of the first equal zone; -1 when none.
    int Find(const CTimeZone& zone) const;
    // City index of the first city of that name (letter case ignored); -1 when none.
    int FindCity(const CString& city) const;
    // A copy of the city's zone; a zone at UTC without daylight saving for an unknown city.
    CTimeZone GetZone(const CString& city) const;

    // The cities, in file order.
    int GetSize() const { return (int)m_cities.size(); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_cities.empty(); }
    CityName& ElementAt(int i) { return m_cities.at((size_t)i); }
    const CityName& GetAt(int i) const { return m_cities.at((size_t)i); }
    CityName& operator[](int i) { return ElementAt(i); }
    const CityName& operator[](int i) const { return GetAt(i); }

    // The zones, in order of first use.
    int GetZoneCount() const { return (int)m_zones.size(); }
    const CTimeZone& GetZoneAt(int i) const { return m_zones.at((size_t)i); }

    // The remembered path of "TimeZones.txt"; setting an empty one makes the next Load() look again.
    static CString GetFilePath();
    static void SetFilePath(const CString& path);
    // How Load() looks for the file (empty restores the usual search); for tests and hosts with
    // their own data folders.
    static void SetFileFinder(std::function<CString()> finder);

private:
    std::vector<CityName> m_cities;
    std::vector<CTimeZone> m_zones;
};
