// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/citynames.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/strenum.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

// The countries as the table writes them: tzdata's names, with the tool's plain-ASCII
// replacements (tools/make_timezones.py). Sorted by name, letter case ignored.
struct Country {
    const char* name;
    const char* code;
};
const Country kCountries[] = {
    {"Afghanistan", "AF"}, {"Aland Islands", "AX"}, {"Albania", "AL"}, {"Algeria", "DZ"},
    {"American Samoa", "AS"}, {"Andorra", "AD"}, {"Angola", "AO"}, {"Anguilla", "AI"},
    {"Antarctica", "AQ"}, {"Antigua & Barbuda", "AG"}, {"Argentina", "AR"}, {"Armenia", "AM"},
    {"Aruba", "AW"}, {"Australia", "AU"}, {"Austria", "AT"}, {"Azerbaijan", "AZ"}, {"Bahamas", "BS"},
    {"Bahrain", "BH"}, {"Bangladesh", "BD"}, {"Barbados", "BB"}, {"Belarus", "BY"}, {"Belgium", "BE"},
    {"Belize", "BZ"}, {"Benin", "BJ"}, {"Bermuda", "BM"}, {"Bhutan", "BT"}, {"Bolivia", "BO"},
    {"Bosnia & Herzegovina", "BA"}, {"Botswana", "BW"}, {"Bouvet Island", "BV"}, {"Brazil", "BR"},
    {"British Indian Ocean Territory", "IO"}, {"British Virgin Islands", "VG"}, {"Brunei", "BN"},
    {"Bulgaria", "BG"}, {"Burkina Faso", "BF"}, {"Burundi", "BI"}, {"Cambodia", "KH"},
    {"Cameroon", "CM"}, {"Canada", "CA"}, {"Cape Verde", "CV"}, {"Caribbean NL", "BQ"},
    {"Cayman Islands", "KY"}, {"Central African Rep.", "CF"}, {"Chad", "TD"}, {"Chile", "CL"},
    {"China", "CN"}, {"Christmas Island", "CX"}, {"Cocos Islands", "CC"}, {"Colombia", "CO"},
    {"Comoros", "KM"}, {"Congo", "CG"}, {"Cook Islands", "CK"}, {"Costa Rica", "CR"},
    {"Cote d'Ivoire", "CI"}, {"Croatia", "HR"}, {"Cuba", "CU"}, {"Curacao", "CW"}, {"Cyprus", "CY"},
    {"Czech Republic", "CZ"}, {"Denmark", "DK"}, {"Djibouti", "DJ"}, {"Dominica", "DM"},
    {"Dominican Republic", "DO"}, {"DR Congo", "CD"}, {"East Timor", "TL"}, {"Ecuador", "EC"},
    {"Egypt", "EG"}, {"El Salvador", "SV"}, {"Equatorial Guinea", "GQ"}, {"Eritrea", "ER"},
    {"Estonia", "EE"}, {"Eswatini", "SZ"}, {"Ethiopia", "ET"}, {"Falkland Islands", "FK"},
    {"Faroe Islands", "FO"}, {"Fiji", "FJ"}, {"Finland", "FI"}, {"France", "FR"},
    {"French Guiana", "GF"}, {"French Polynesia", "PF"}, {"French S. Terr.", "TF"}, {"Gabon", "GA"},
    {"Gambia", "GM"}, {"Georgia", "GE"}, {"Germany", "DE"}, {"Ghana", "GH"}, {"Gibraltar", "GI"},
    {"Greece", "GR"}, {"Greenland", "GL"}, {"Grenada", "GD"}, {"Guadeloupe", "GP"}, {"Guam", "GU"},
    {"Guatemala", "GT"}, {"Guernsey", "GG"}, {"Guinea", "GN"}, {"Guinea-Bissau", "GW"},
    {"Guyana", "GY"}, {"Haiti", "HT"}, {"Heard Island & McDonald Islands", "HM"}, {"Honduras", "HN"},
    {"Hong Kong", "HK"}, {"Hungary", "HU"}, {"Iceland", "IS"}, {"India", "IN"}, {"Indonesia", "ID"},
    {"Iran", "IR"}, {"Iraq", "IQ"}, {"Ireland", "IE"}, {"Isle of Man", "IM"}, {"Israel", "IL"},
    {"Italy", "IT"}, {"Jamaica", "JM"}, {"Japan", "JP"}, {"Jersey", "JE"}, {"Jordan", "JO"},
    {"Kazakhstan", "KZ"}, {"Kenya", "KE"}, {"Kiribati", "KI"}, {"Kuwait", "KW"}, {"Kyrgyzstan", "KG"},
    {"Laos", "LA"}, {"Latvia", "LV"}, {"Lebanon", "LB"}, {"Lesotho", "LS"}, {"Liberia", "LR"},
    {"Libya", "LY"}, {"Liechtenstein", "LI"}, {"Lithuania", "LT"}, {"Luxembourg", "LU"},
    {"Macau", "MO"}, {"Madagascar", "MG"}, {"Malawi", "MW"}, {"Malaysia", "MY"}, {"Maldives", "MV"},
    {"Mali", "ML"}, {"Malta", "MT"}, {"Marshall Islands", "MH"}, {"Martinique", "MQ"},
    {"Mauritania", "MR"}, {"Mauritius", "MU"}, {"Mayotte", "YT"}, {"Mexico", "MX"},
    {"Micronesia", "FM"}, {"Moldova", "MD"}, {"Monaco", "MC"}, {"Mongolia", "MN"},
    {"Montenegro", "ME"}, {"Montserrat", "MS"}, {"Morocco", "MA"}, {"Mozambique", "MZ"},
    {"Myanmar", "MM"}, {"Namibia", "NA"}, {"Nauru", "NR"}, {"Nepal", "NP"}, {"Netherlands", "NL"},
    {"New Caledonia", "NC"}, {"New Zealand", "NZ"}, {"Nicaragua", "NI"}, {"Niger", "NE"},
    {"Nigeria", "NG"}, {"Niue", "NU"}, {"Norfolk Island", "NF"}, {"North Korea", "KP"},
    {"North Macedonia", "MK"}, {"Northern Mariana Islands", "MP"}, {"Norway", "NO"}, {"Oman", "OM"},
    {"Pakistan", "PK"}, {"Palau", "PW"}, {"Palestine", "PS"}, {"Panama", "PA"},
    {"Papua New Guinea", "PG"}, {"Paraguay", "PY"}, {"Peru", "PE"}, {"Philippines", "PH"},
    {"Pitcairn", "PN"}, {"Poland", "PL"}, {"Portugal", "PT"}, {"Puerto Rico", "PR"}, {"Qatar", "QA"},
    {"Reunion", "RE"}, {"Romania", "RO"}, {"Russia", "RU"}, {"Rwanda", "RW"}, {"Saint Martin", "MF"},
    {"Samoa", "WS"}, {"San Marino", "SM"}, {"Sao Tome & Principe", "ST"}, {"Saudi Arabia", "SA"},
    {"Senegal", "SN"}, {"Serbia", "RS"}, {"Seychelles", "SC"}, {"Sierra Leone", "SL"},
    {"Singapore", "SG"}, {"Sint Maarten", "SX"}, {"Slovakia", "SK"}, {"Slovenia", "SI"},
    {"Solomon Islands", "SB"}, {"Somalia", "SO"}, {"South Africa", "ZA"},
    {"South Georgia & the South Sandwich Islands", "GS"}, {"South Korea", "KR"}, {"South Sudan", "SS"},
    {"Spain", "ES"}, {"Sri Lanka", "LK"}, {"St Barthelemy", "BL"}, {"St Helena", "SH"},
    {"St Kitts & Nevis", "KN"}, {"St Lucia", "LC"}, {"St Pierre & Miquelon", "PM"},
    {"St Vincent", "VC"}, {"Sudan", "SD"}, {"Suriname", "SR"}, {"Svalbard & Jan Mayen", "SJ"},
    {"Sweden", "SE"}, {"Switzerland", "CH"}, {"Syria", "SY"}, {"Taiwan", "TW"}, {"Tajikistan", "TJ"},
    {"Tanzania", "TZ"}, {"Thailand", "TH"}, {"Togo", "TG"}, {"Tokelau", "TK"}, {"Tonga", "TO"},
    {"Trinidad & Tobago", "TT"}, {"Tunisia", "TN"}, {"Turkey", "TR"}, {"Turkmenistan", "TM"},
    {"Turks & Caicos Is", "TC"}, {"Tuvalu", "TV"}, {"Uganda", "UG"}, {"Ukraine", "UA"},
    {"United Arab Emirates", "AE"}, {"United Kingdom", "GB"}, {"United States", "US"},
    {"Uruguay", "UY"}, {"US minor outlying islands", "UM"}, {"US Virgin Islands", "VI"},
    {"Uzbekistan", "UZ"}, {"Vanuatu", "VU"}, {"Vatican City", "VA"}, {"Venezuela", "VE"},
    {"Vietnam", "VN"}, {"Wallis & Futuna", "WF"}, {"Western Sahara", "EH"}, {"Yemen", "YE"},
    {"Zambia", "ZM"}, {"Zimbabwe", "ZW"},
};

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

// Byte order with ASCII letter case ignored: the order the chooser has always had.
int CompareNoCase(const CString& a, const CString& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = (unsigned char)Lower(a[i]), y = (unsigned char)Lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

CString Utf8(const icu::UnicodeString& s)
{
    CString out;
    s.toUTF8String(out);
    return out;
}

// CLDR marks where long names may break with soft hyphens ("Reyk-ja-vík"); a list shows them
// whole, and the search field must find the name as it is typed.
CString WithoutSoftHyphens(CString s)
{
    for (size_t at = s.find("\xC2\xAD"); at != CString::npos; at = s.find("\xC2\xAD", at)) s.erase(at, 2);
    return s;
}

// The zones ICU knows, by "city|REGION": the city as the table writes a zone's last part
// ("Los Angeles" of America/Los_Angeles), lower case.
const std::unordered_map<CString, icu::UnicodeString>& ZonesByCity()
{
    static const std::unordered_map<CString, icu::UnicodeString> zones = [] {
        std::unordered_map<CString, icu::UnicodeString> out;
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::StringEnumeration> ids(icu::TimeZone::createEnumeration(status));
        if (U_FAILURE(status) || !ids) return out;
        while (const icu::UnicodeString* id = ids->snext(status)) {
            if (U_FAILURE(status)) break;
            const CString text = Utf8(*id);
            const size_t slash = text.rfind('/');
            if (slash == CString::npos) continue;  // "UTC", "EST5EDT": no city
            char region[8] = {};
            UErrorCode regionStatus = U_ZERO_ERROR;
            icu::TimeZone::getRegion(*id, region, sizeof region, regionStatus);
            if (U_FAILURE(regionStatus) || !std::strcmp(region, "001")) continue;
            CString city = text.substr(slash + 1);
            for (char& c : city) c = c == '_' ? ' ' : Lower(c);
            out.emplace(city + "|" + region, *id);
        }
        return out;
    }();
    return zones;
}

// The table's names unchanged, in the chooser's old order.
class PlainNames : public CCityNames {
public:
    CString Shown(const CString& name) const override { return name; }
    int Compare(const CString& a, const CString& b) const override { return CompareNoCase(a, b); }
};

class IcuNames : public CCityNames {
public:
    explicit IcuNames(const CString& locale) : m_locale(locale.c_str())
    {
        UErrorCode status = U_ZERO_ERROR;
        m_collator.reset(icu::Collator::createInstance(m_locale, status));
        if (U_FAILURE(status)) m_collator.reset();
        status = U_ZERO_ERROR;
        m_names.reset(icu::TimeZoneNames::createInstance(m_locale, status));
        if (U_FAILURE(status)) m_names.reset();
        status = U_ZERO_ERROR;
        m_root.reset(icu::TimeZoneNames::createInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) m_root.reset();
    }

    CString Shown(const CString& name) const override
    {
        const size_t comma = name.rfind(", ");
        if (comma == CString::npos) return name;
        const CString city = name.substr(0, comma), country = name.substr(comma + 2);
        const CString code = CountryCode(country);
        if (code.empty()) return name;
        return LocalCity(city, code) + ", " + LocalCountry(country, code);
    }

    int Compare(const CString& a, const CString& b) const override
    {
        if (!m_collator) return CompareNoCase(a, b);
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult r = m_collator->compareUTF8(a, b, status);
        if (U_FAILURE(status)) return CompareNoCase(a, b);
        return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
    }

private:
    // The locale's name for a city that names its zone. A locale without a name of its own gets
    // one made from CLDR's identifier ("Calcutta" of Asia/Calcutta): no translation, so the
    // table's own spelling stays.
    CString LocalCity(const CString& city, const CString& code) const
    {
        if (!m_names || !m_root) return city;
        CString key = city;
        for (char& c : key) c = Lower(c);
        const auto& zones = ZonesByCity();
        const auto found = zones.find(key + "|" + code);
        if (found == zones.end()) return city;
        // Names are kept under CLDR's identifiers (Europe/Kiev for Europe/Kyiv).
        icu::UnicodeString canonical;
        UErrorCode status = U_ZERO_ERROR;
        icu::TimeZone::getCanonicalID(found->second, canonical, status);
        if (U_FAILURE(status) || canonical.isEmpty()) return city;
        icu::UnicodeString local, root;
        m_names->getExemplarLocationName(canonical, local);
        m_root->getExemplarLocationName(canonical, root);
        if (local.isEmpty() || local == root) return city;
        return WithoutSoftHyphens(Utf8(local));
    }

    CString LocalCountry(const CString& country, const CString& code) const
    {
        const icu::Locale region("", code.c_str());
        icu::UnicodeString local;
        region.getDisplayCountry(m_locale, local);
        // Without a name of its own ICU gives the code back.
        if (local.isEmpty() || local == icu::UnicodeString(code.c_str(), -1, US_INV)) return country;
        return WithoutSoftHyphens(Utf8(local));
    }

    icu::Locale m_locale;
    std::unique_ptr<icu::Collator> m_collator;
    std::unique_ptr<icu::TimeZoneNames> m_names;
    std::unique_ptr<icu::TimeZoneNames> m_root;
};

}  // namespace

CCityNames::~CCityNames() = default;

std::unique_ptr<CCityNames> CCityNames::For(const CString& locale)
{
    // "de_DE.UTF-8@euro" and "de-DE" name the same locale as "de_DE".
    CString name = locale.substr(0, locale.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '-', '_');
    CString language = name.substr(0, name.find('_'));
    for (char& c : language) c = Lower(c);
    if (language.empty() || language == "c" || language == "posix" || language == "en")
        return std::make_unique<PlainNames>();
    return std::make_unique<IcuNames>(name);
}

std::vector<CCityNames::Entry> CCityNames::List(const std::vector<CString>& names) const
{
    std::vector<Entry> out;
    out.reserve(names.size());
    for (const CString& n : names) out.push_back({Shown(n), n});
    std::stable_sort(out.begin(), out.end(),
                     [this](const Entry& a, const Entry& b) { return Compare(a.shown, b.shown) < 0; });
    return out;
}

CString CountryCode(const CString& country)
{
    const auto less = [](const Country& c, const CString& name) { return CompareNoCase(c.name, name) < 0; };
    const Country* end = kCountries + sizeof kCountries / sizeof *kCountries;
    const Country* found = std::lower_bound(kCountries, end, country, less);
    return found != end && CompareNoCase(found->name, country) == 0 ? CString(found->code) : CString();
}
