// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/timezone.h"

#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include <QCoreApplication>
#include <QMetaObject>

#include "kestrum/files.h"
#include "kestrum/format.h"
#include "kestrum/readonly.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "timezone/tzparse.h"

namespace {

const char kFileName[] = "TimeZones.txt";
const char kMissing[] = QT_TRANSLATE_NOOP("Kestrum", "You are missing, TimeZones.txt, a required file.");

CString& RememberedPath()
{
    static CString path;
    return path;
}

std::function<CString()>& Finder()
{
    static std::function<CString()> finder;
    return finder;
}

CString LowerCase(const CString& s)
{
    CString lower(s);
    for (char& c : lower) c = TzLower(c);
    return lower;
}

// What makes two zones equal: the offset, and the shift and both transitions when there is a shift.
CString ZoneKey(const CTimeZone& z)
{
    bool dst = z.rule.shift != 0;
    return StrFormat("%d|%d|%u|%u", (int)z.offset, (int)z.rule.shift, dst ? z.rule.start.GetWord() : 0u,
                     dst ? z.rule.end.GetWord() : 0u);
}

CString LookForFile()
{
    if (Finder()) return Finder()();
    return Path(kFileName);
}

}  // namespace

CityName::~CityName() = default;

// ---- CTimeZone --------------------------------------------------------------------------------

CTimeZone::~CTimeZone() = default;

void CTimeZone::Load(const CString& line)
{
    offset = 0;
    size_t close = line.find(')');
    if (close == CString::npos || close < 1) return;
    CString label = line.substr(1, close - 1);
    if (label.size() <= 3) return;
    // Nearest second: hours such as 5:20 are not exact in binary.
    offset = (int32_t)std::llround(Decode(label.substr(3, 6)) * 3600.0);
}

long CTimeZone::GetSeconds(const CTime& t) const
{
    return -((long)offset + rule.DST(t, offset));
}

CString CTimeZone::GetTag() const
{
    // Appended, not formatted: a rule name may hold any byte, a zero too.
    return StrFormat("%d|", (int)offset) + rule.GetTag();
}

void CTimeZone::SetTag(const CString& tag)
{
    offset = (int32_t)TzLeadingInt(tag);
    size_t bar = tag.find('|');
    rule.SetTag(bar == CString::npos ? CString() : tag.substr(bar + 1));
}

// ---- CTimeZoneArray ---------------------------------------------------------------------------

CTimeZoneArray::CTimeZoneArray()
{
    Load();
}

CTimeZoneArray::CTimeZoneArray(const CString& fileName)
{
    Load(fileName);
}

CTimeZoneArray::~CTimeZoneArray() = default;

CString CTimeZoneArray::GetFilePath()
{
    return RememberedPath();
}

void CTimeZoneArray::SetFilePath(const CString& path)
{
    RememberedPath() = path;
}

void CTimeZoneArray::SetFileFinder(std::function<CString()> finder)
{
    Finder() = std::move(finder);
}

void CTimeZoneArray::Load()
{
    CString& path = RememberedPath();
    while (path.empty()) {
        path = LookForFile();
        if (!path.empty()) break;
        if (AfxMessageBox(FromQt(QCoreApplication::translate("Kestrum", kMissing)), MB_RETRYCANCEL | MB_ICONWARNING) != IDRETRY) {
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
            return;
        }
    }
    Load(path);
}

bool CTimeZoneArray::Load(const CString& fileName)
{
    CReadOnly reader(fileName);
    if (!reader.Opened()) return false;
    if (reader.eof()) return true;

    CDaylightArray rules;
    rules.Load(reader);  // consumes the zone section's title

    // Cities and zones already in the table, by hash, so that a long file loads in linear time.
    std::unordered_set<CString> cities;
    for (const CityName& c : m_cities) cities.insert(LowerCase(c.name));
    std::unordered_map<CString, int> zones;
    for (size_t i = 0; i < m_zones.size(); ++i) zones.emplace(ZoneKey(m_zones[i]), (int)i);
    // The first rule of each two-letter name, as CDaylightArray::Find gives it.
    std::unordered_map<CString, CDaylight> ruleByName;
    for (int i = 0; i < rules.GetSize(); ++i) ruleByName.emplace(rules.GetAt(i).GetName(), rules.GetAt(i));

    for (CString line = reader.GetLine(); !line.empty() && line[0] != '['; line = reader.GetLine()) {
        CTimeZone zone;
        size_t dst = line.find("DST=");
        if (dst != CString::npos) {
            size_t nameEnd = line.find_first_of("\t ", dst + 4);
            if (nameEnd == CString::npos) nameEnd = line.size();
            CString ruleName = line.substr(dst + 4, nameEnd - dst - 4);
            auto rule = ruleName.size() >= 2 ? ruleByName.find(ruleName.substr(0, 2)) : ruleByName.end();
            zone.SetDST(rule == ruleByName.end() ? CDaylight() : rule->second);
            // The name goes with the one character after it.
            line.erase(dst, std::min(line.size(), nameEnd + 1) - dst);
        }
        zone.Load(line);

        size_t close = line.find(')');
        CString city = TzTrim(close == CString::npos ? line : line.substr(close + 1));
        if (city.empty() || !cities.insert(LowerCase(city)).second) continue;  // the first city of a name wins

        auto [found, added] = zones.emplace(ZoneKey(zone), (int)m_zones.size());
        if (added) m_zones.push_back(zone);
        m_cities.emplace_back(city, found->second);
    }
    return true;
}

void CTimeZoneArray::Unload()
{
    std::vector<CityName>().swap(m_cities);
    std::vector<CTimeZone>().swap(m_zones);
}

int CTimeZoneArray::FindCity(const CString& city) const
{
    for (size_t i = 0; i < m_cities.size(); ++i)
        if (TzSameNoCase(m_cities[i].name, city)) return (int)i;
    return -1;
}

int CTimeZoneArray::Find(const CString& city) const
{
    int i = FindCity(city);
    return i < 0 ? -1 : m_cities[(size_t)i].zone;
}

int CTimeZoneArray::Find(const CTimeZone& zone) const
{
    for (size_t i = 0; i < m_zones.size(); ++i)
        if (m_zones[i] == zone) return (int)i;
    return -1;
}

CTimeZone CTimeZoneArray::GetZone(const CString& city) const
{
    int zone = Find(city);
    if (zone < 0 || zone >= (int)m_zones.size()) return CTimeZone();
    return m_zones[(size_t)zone];
}
