// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/VCardReader.h"
#include <cstdlib>
#include <utf8proc.h>
#include <vector>
#include "birthdays/TextDecoding.h"
#include "platform/CString.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 32) : c; }

bool IEquals(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

bool IStartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && IEquals(s.substr(0, prefix.size()), prefix);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

bool HasUtf8Bom(std::string_view b)
{
    return b.size() >= 3 && (unsigned char)b[0] == 0xEF && (unsigned char)b[1] == 0xBB && (unsigned char)b[2] == 0xBF;
}

// 0 no mark, 1 little-endian, 2 big-endian.
int Utf16Bom(std::string_view b)
{
    if (b.size() < 2) return 0;
    unsigned char x = (unsigned char)b[0], y = (unsigned char)b[1];
    if (x == 0xFF && y == 0xFE) return 1;
    if (x == 0xFE && y == 0xFF) return 2;
    return 0;
}

bool IsVCardBegin(std::string_view name, std::string_view value)
{
    return IEquals(name, "BEGIN") && IEquals(Trim(value), "VCARD");
}

bool IsVCardEnd(std::string_view name, std::string_view value)
{
    return IEquals(name, "END") && IEquals(Trim(value), "VCARD");
}

// One content line: [group "."] name *(";" param) ":" value, with the parameters we act on.
struct Property {
    std::string_view group, name, value;
    bool quotedPrintable = false;
    bool base64 = false;
    bool spouseType = false;
    std::string_view charset, valueType, omitYear, calscale;
};

bool IsCharsetName(std::string_view v)
{
    for (const char* prefix : {"ISO-8859", "WINDOWS-", "KOI8-", "SHIFT_JIS", "GB2312", "GBK", "GB18030", "BIG5", "EUC-"})
        if (IStartsWith(v, prefix)) return true;
    return IEquals(v, "UTF-8") || IEquals(v, "US-ASCII");
}

void TakeParameter(Property& p, std::string_view name, std::string_view value, bool bare)
{
    if (bare) {
        // vCard 2.1 names encodings, character sets and types without "NAME=".
        if (IEquals(value, "QUOTED-PRINTABLE")) p.quotedPrintable = true;
        else if (IEquals(value, "BASE64") || IEquals(value, "B")) p.base64 = true;
        else if (IsCharsetName(value)) p.charset = value;
        else if (IEquals(value, "SPOUSE")) p.spouseType = true;
        return;
    }
    if (IEquals(name, "ENCODING")) {
        if (IEquals(value, "QUOTED-PRINTABLE")) p.quotedPrintable = true;
        else if (IEquals(value, "BASE64") || IEquals(value, "B")) p.base64 = true;
    } else if (IEquals(name, "CHARSET")) {
        p.charset = value;
    } else if (IEquals(name, "VALUE")) {
        p.valueType = value;
    } else if (IEquals(name, "TYPE")) {
        if (IEquals(value, "SPOUSE")) p.spouseType = true;
    } else if (IEquals(name, "X-APPLE-OMIT-YEAR")) {
        p.omitYear = value;
    } else if (IEquals(name, "CALSCALE")) {
        p.calscale = value;
    }
}

bool ParseProperty(std::string_view line, Property& p)
{
    p = Property();
    size_t i = 0;
    while (i < line.size() && line[i] != ';' && line[i] != ':') ++i;
    if (i == line.size()) return false;
    std::string_view name = Trim(line.substr(0, i));
    size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        p.group = name.substr(0, dot);
        name = name.substr(dot + 1);
    }
    p.name = name;
    while (i < line.size() && line[i] == ';') {
        size_t start = ++i;
        while (i < line.size() && line[i] != '=' && line[i] != ';' && line[i] != ':') ++i;
        std::string_view pname = Trim(line.substr(start, i - start));
        if (i < line.size() && line[i] == '=') {
            ++i;
            for (;;) {
                std::string_view v;
                if (i < line.size() && line[i] == '"') {
                    size_t close = line.find('"', i + 1);
                    if (close == std::string_view::npos) return false;
                    v = line.substr(i + 1, close - i - 1);
                    i = close + 1;
                    while (i < line.size() && line[i] != ',' && line[i] != ';' && line[i] != ':') ++i;
                } else {
                    size_t vs = i;
                    while (i < line.size() && line[i] != ',' && line[i] != ';' && line[i] != ':') ++i;
                    v = line.substr(vs, i - vs);
                }
                TakeParameter(p, pname, Trim(v), false);
                if (i < line.size() && line[i] == ',') { ++i; continue; }
                break;
            }
        } else if (!pname.empty()) {
            TakeParameter(p, pname, pname, true);
        }
    }
    if (i >= line.size() || line[i] != ':') return false;
    p.value = line.substr(i + 1);
    return true;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = Upper(c);
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string DecodeQuotedPrintable(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '=' && i + 2 < s.size()) {
            int hi = HexValue(s[i + 1]), lo = HexValue(s[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += (char)(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        // A lone "=" at the very end is a soft break with nothing after it.
        if (s[i] == '=' && i + 1 == s.size()) break;
        out += s[i];
    }
    return out;
}

// The value's bytes as UTF-8: in its CHARSET when one is named that iconv knows, else UTF-8
// when valid and Windows-1252 when not. ISO-8859-1 is read as its superset Windows-1252, as
// mail programs do.
std::string ValueText(const Property& p, bool unicodeFile)
{
    std::string bytes = p.quotedPrintable ? DecodeQuotedPrintable(p.value) : std::string(p.value);
    std::string_view charset = Trim(p.charset);
    if (charset.size() >= 2 && charset.front() == '"' && charset.back() == '"') charset = charset.substr(1, charset.size() - 2);
    if (unicodeFile || charset.empty() || IEquals(charset, "UTF-8")) return BytesToUtf8(bytes);
    if (IEquals(charset, "ISO-8859-1") || IEquals(charset, "ISO8859-1") || IEquals(charset, "ISO_8859-1") ||
        IEquals(charset, "LATIN1") || IEquals(charset, "WINDOWS-1252") || IEquals(charset, "CP1252"))
        return Cp1252ToUtf8(bytes);
    std::string out;
    if (CharsetToUtf8(bytes, std::string(charset), out)) return out;
    return BytesToUtf8(bytes);
}

// Undoes "\," "\;" "\\" and "\n"; with `split`, unescaped semicolons end a component and
// unescaped commas (lists of names) become blanks.
std::vector<std::string> Unescape(std::string_view s, bool split)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\\' && i + 1 < s.size()) {
            char n = s[++i];
            if (n == 'n' || n == 'N') parts.back() += '\n';
            else if (n == ',' || n == ';' || n == '\\' || n == ':') parts.back() += n;
            else { parts.back() += '\\'; parts.back() += n; }
        } else if (split && c == ';') {
            parts.emplace_back();
        } else if (split && c == ',') {
            parts.back() += ' ';
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

std::string Nfc(const std::string& s)
{
    bool ascii = true;
    for (char c : s)
        if ((unsigned char)c >= 0x80) { ascii = false; break; }
    if (ascii) return s;
    utf8proc_uint8_t* out = nullptr;
    utf8proc_ssize_t n = utf8proc_map((const utf8proc_uint8_t*)s.data(), (utf8proc_ssize_t)s.size(), &out,
                                      (utf8proc_option_t)(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    if (n < 0) return s;
    std::string r((const char*)out, (size_t)n);
    std::free(out);
    return r;
}

// Control characters and line breaks become blanks, runs of blanks one blank, no blank at
// either end: a name is drawn on one line and split into words at blanks.
std::string CleanText(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    bool blank = false;
    for (char c : s) {
        unsigned char u = (unsigned char)c;
        if (u < 0x20 || u == 0x7F || c == ' ') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return Nfc(out);
}

bool ReadDigits(std::string_view s, size_t& i, size_t minCount, size_t maxCount, int& value)
{
    size_t start = i;
    value = 0;
    while (i < s.size() && i - start < maxCount && s[i] >= '0' && s[i] <= '9') value = value * 10 + (s[i++] - '0');
    return i - start >= minCount;
}

int GregorianDaysInMonth(int month, int year)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && (year == 0 || IsGregorianLeapYear(year))) return 29;
    return days[month - 1];
}

// Anniversary and spouse sources in the order they are preferred.
enum AnniversarySource {
    kAnniversary, kXAnniversary, kEvolutionAnniversary, kMsAnniversary, kAbDate, kAndroidEvent, kAnniversarySources
};
enum SpouseSource { kRelated, kXSpouse, kEvolutionSpouse, kMsSpouse, kAbRelatedNames, kAndroidRelation, kSpouseSources };

bool IsAnniversaryLabel(std::string_view label)
{
    return label == "_$!<Anniversary>!$_" || IEquals(label, "Anniversary");
}

bool IsSpouseLabel(std::string_view label) { return label == "_$!<Spouse>!$_" || IEquals(label, "Spouse"); }

// Everything gathered from one card until its END line.
class CardBuilder {
public:
    explicit CardBuilder(bool unicodeFile) : m_unicodeFile(unicodeFile) {}

    void Reset()
    {
        m_fn.clear();
        m_haveN = false;
        m_given.clear();
        m_family.clear();
        m_birth = m_death = CalendarDate();
        for (auto& d : m_anniversary) d = CalendarDate();
        for (auto& s : m_spouse) s.clear();
        m_groupDates.clear();
        m_groupNames.clear();
        m_labels.clear();
    }

    void Take(const Property& p)
    {
        if (p.base64) return;  // photos, sounds, keys
        const std::string_view n = p.name;
        if (IEquals(n, "FN")) {
            if (m_fn.empty()) m_fn = CleanText(Unescape(ValueText(p, m_unicodeFile), false)[0]);
        } else if (IEquals(n, "N")) {
            if (m_haveN) return;
            m_haveN = true;
            std::vector<std::string> parts = Unescape(ValueText(p, m_unicodeFile), true);
            m_family = CleanText(parts[0]);
            if (parts.size() > 1) m_given = CleanText(parts[1]);
        } else if (IEquals(n, "BDAY")) {
            if (m_birth.month == 0) ReadDate(p, false, m_birth);
        } else if (IEquals(n, "DEATHDATE")) {
            if (m_death.year == 0) ReadDate(p, true, m_death);
        } else if (IEquals(n, "ANNIVERSARY")) {
            ReadAnniversary(p, kAnniversary);
        } else if (IEquals(n, "X-ANNIVERSARY")) {
            ReadAnniversary(p, kXAnniversary);
        } else if (IEquals(n, "X-EVOLUTION-ANNIVERSARY")) {
            ReadAnniversary(p, kEvolutionAnniversary);
        } else if (IEquals(n, "X-MS-ANNIVERSARY")) {
            ReadAnniversary(p, kMsAnniversary);
        } else if (IEquals(n, "X-SPOUSE")) {
            ReadSpouse(p, kXSpouse);
        } else if (IEquals(n, "X-EVOLUTION-SPOUSE")) {
            ReadSpouse(p, kEvolutionSpouse);
        } else if (IEquals(n, "X-MS-SPOUSE")) {
            ReadSpouse(p, kMsSpouse);
        } else if (IEquals(n, "RELATED")) {
            // Without VALUE=text the value is a URI (a card's UID, a mail address): no name.
            if (p.spouseType && IEquals(p.valueType, "text")) ReadSpouse(p, kRelated);
        } else if (IEquals(n, "X-ABDATE")) {
            CalendarDate d;
            if (!p.group.empty() && ReadDate(p, false, d)) m_groupDates.push_back({std::string(p.group), d});
        } else if (IEquals(n, "X-ABRELATEDNAMES")) {
            std::string s = CleanText(Unescape(ValueText(p, m_unicodeFile), false)[0]);
            if (!p.group.empty() && !s.empty()) m_groupNames.push_back({std::string(p.group), s});
        } else if (IEquals(n, "X-ANDROID-CUSTOM")) {
            // Phones of the other big maker export their data rows: kind;data1;data2 (the type);...
            // An event of type 1 is the anniversary, a relation of type 14 the spouse.
            std::vector<std::string> f = Unescape(ValueText(p, m_unicodeFile), true);
            if (f.size() < 3) return;
            std::string_view type = Trim(f[2]);
            if (f[0] == "vnd.android.cursor.item/contact_event" && type == "1") {
                if (m_anniversary[kAndroidEvent].month == 0)
                    ReadVCardDate(f[1], {}, false, m_anniversary[kAndroidEvent]);
            } else if (f[0] == "vnd.android.cursor.item/relation" && type == "14") {
                if (m_spouse[kAndroidRelation].empty()) m_spouse[kAndroidRelation] = CleanText(f[1]);
            }
        } else if (IEquals(n, "X-ABLABEL")) {
            if (!p.group.empty())
                m_labels.push_back({std::string(p.group), CleanText(Unescape(ValueText(p, m_unicodeFile), false)[0])});
        }
    }

    VCardContact Finish()
    {
        VCardContact c;
        c.given = m_given;
        c.family = m_family;
        c.name = m_fn;
        if (c.name.empty()) c.name = CleanText(m_given + " " + m_family);
        c.birth = m_birth;
        c.death = m_death;
        // Apple's labelled dates and names: the label sits on another line of the same group.
        for (const auto& [group, date] : m_groupDates)
            if (m_anniversary[kAbDate].month == 0 && IsAnniversaryLabel(LabelOf(group))) m_anniversary[kAbDate] = date;
        for (const auto& [group, name] : m_groupNames)
            if (m_spouse[kAbRelatedNames].empty() && IsSpouseLabel(LabelOf(group))) m_spouse[kAbRelatedNames] = name;
        for (const CalendarDate& d : m_anniversary)
            if (d.month != 0) { c.anniversary = d; break; }
        for (const std::string& s : m_spouse)
            if (!s.empty()) { c.spouse = s; break; }
        return c;
    }

private:
    bool ReadDate(const Property& p, bool partial, CalendarDate& date)
    {
        if (IEquals(p.valueType, "text")) return false;
        if (!p.calscale.empty() && !IEquals(p.calscale, "gregorian")) return false;
        std::string value = p.quotedPrintable ? DecodeQuotedPrintable(p.value) : std::string(p.value);
        return ReadVCardDate(value, p.omitYear, partial, date);
    }

    void ReadAnniversary(const Property& p, int source)
    {
        if (m_anniversary[source].month == 0) ReadDate(p, false, m_anniversary[source]);
    }

    void ReadSpouse(const Property& p, int source)
    {
        if (m_spouse[source].empty()) m_spouse[source] = CleanText(Unescape(ValueText(p, m_unicodeFile), false)[0]);
    }

    std::string_view LabelOf(const std::string& group) const
    {
        for (const auto& [g, label] : m_labels)
            if (IEquals(g, group)) return label;
        return {};
    }

    bool m_unicodeFile;
    std::string m_fn, m_given, m_family;
    bool m_haveN = false;
    CalendarDate m_birth, m_death;
    CalendarDate m_anniversary[kAnniversarySources];
    std::string m_spouse[kSpouseSources];
    std::vector<std::pair<std::string, CalendarDate>> m_groupDates;
    std::vector<std::pair<std::string, std::string>> m_groupNames;
    std::vector<std::pair<std::string, std::string>> m_labels;
};

// Physical lines (ended by CR LF, LF or CR) joined into content lines: a line beginning with a
// blank or tab continues the one before, and so does the line after a quoted-printable value
// that ends in "=" (a soft line break).
class LineJoiner {
public:
    explicit LineJoiner(std::string_view text) : m_text(text) {}

    // vCard 2.1 keeps the blank of a folded line as part of the value; 3.0 and 4.0 drop it.
    void KeepFoldBlank(bool keep) { m_keepFoldBlank = keep; }

    bool Next(std::string& line)
    {
        std::string_view first;
        if (!Physical(first)) return false;
        line.assign(first);
        std::string_view next;
        for (;;) {
            size_t mark = m_pos;
            if (!Physical(next)) break;
            if (!line.empty() && line.back() == '=' && IsQuotedPrintable(line) && !IsEndLine(next)) {
                line.pop_back();
                line.append(next);
            } else if (!next.empty() && IsBlank(next.front())) {
                line.append(m_keepFoldBlank ? next : next.substr(1));
            } else {
                m_pos = mark;
                break;
            }
        }
        return true;
    }

private:
    bool Physical(std::string_view& line)
    {
        const size_t n = m_text.size();
        if (m_pos >= n) return false;
        size_t i = m_pos;
        while (i < n && m_text[i] != '\n' && m_text[i] != '\r') ++i;
        line = m_text.substr(m_pos, i - m_pos);
        if (i < n && m_text[i] == '\r' && i + 1 < n && m_text[i + 1] == '\n') ++i;
        m_pos = i + 1;
        return true;
    }

    static bool IsQuotedPrintable(std::string_view line)
    {
        size_t colon = line.find(':');
        std::string_view head = line.substr(0, colon);
        static constexpr std::string_view kQp = "QUOTED-PRINTABLE";
        for (size_t i = 0; i + kQp.size() <= head.size(); ++i)
            if (IEquals(head.substr(i, kQp.size()), kQp)) return true;
        return false;
    }

    // A value that ends in "=" by mistake must not swallow the card's end.
    static bool IsEndLine(std::string_view line)
    {
        size_t colon = line.find(':');
        return colon != std::string_view::npos && IsVCardEnd(Trim(line.substr(0, colon)), line.substr(colon + 1));
    }

    std::string_view m_text;
    size_t m_pos = 0;
    bool m_keepFoldBlank = false;
};

} // namespace

bool IsVCardText(std::string_view bytes)
{
    std::string converted;
    if (int bom = Utf16Bom(bytes)) {
        converted = Utf16ToUtf8(bytes.substr(2, std::min<size_t>(bytes.size() - 2, 4096) & ~size_t(1)), bom == 2);
        bytes = converted;
    } else if (HasUtf8Bom(bytes)) {
        bytes.remove_prefix(3);
    }
    size_t i = 0;
    while (i < bytes.size() && (IsBlank(bytes[i]) || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
    std::string_view rest = bytes.substr(i);
    if (!IStartsWith(rest, "BEGIN:VCARD")) return false;
    rest.remove_prefix(11);
    return rest.empty() || IsBlank(rest[0]) || rest[0] == '\r' || rest[0] == '\n';
}

void ForEachVCard(std::string_view bytes, const std::function<void(const VCardContact&)>& fn)
{
    std::string converted;
    bool unicodeFile = false;
    if (int bom = Utf16Bom(bytes)) {
        converted = Utf16ToUtf8(bytes.substr(2), bom == 2);
        bytes = converted;
        unicodeFile = true;
    } else if (HasUtf8Bom(bytes)) {
        bytes.remove_prefix(3);
    }
    LineJoiner lines(bytes);
    CardBuilder card(unicodeFile);
    std::string line;
    Property p;
    int depth = 0;                 // 1 inside a card, more inside a card nested in it
    bool afterEmptyAgent = false;  // a 2.1 AGENT whose card follows on the next lines
    while (lines.Next(line)) {
        if (!ParseProperty(line, p)) continue;
        const bool agent = depth == 1 && IEquals(p.name, "AGENT") && Trim(p.value).empty();
        if (IsVCardBegin(p.name, p.value)) {
            if (depth == 0) {
                card.Reset();
                lines.KeepFoldBlank(false);
                depth = 1;
            } else if (depth > 1 || afterEmptyAgent) {
                ++depth;
            } else {
                // A card without its END line: finish it and start the next.
                fn(card.Finish());
                card.Reset();
                lines.KeepFoldBlank(false);
            }
        } else if (IsVCardEnd(p.name, p.value)) {
            if (depth == 1) fn(card.Finish());
            if (depth > 0) --depth;
        } else if (depth == 1) {
            if (IEquals(p.name, "VERSION")) lines.KeepFoldBlank(Trim(p.value) == "2.1");
            else card.Take(p);
        }
        afterEmptyAgent = agent;
    }
    if (depth >= 1) fn(card.Finish());
}

bool ReadVCardDate(std::string_view value, std::string_view omitYear, bool partial, CalendarDate& date)
{
    std::string_view s = Trim(value);
    size_t i = 0;
    int year = 0, month = 0, day = 0;
    if (s.substr(0, 2) == "--") {
        // --MMDD or --MM-DD: a day without a year. ---DD names no month.
        i = 2;
        if (!ReadDigits(s, i, 2, 2, month)) return false;
        if (i < s.size() && s[i] == '-') ++i;
        if (!ReadDigits(s, i, 2, 2, day)) return false;
    } else {
        if (!ReadDigits(s, i, 4, 4, year)) return false;
        if (i < s.size() && s[i] == '-') {
            ++i;
            if (!ReadDigits(s, i, 1, 2, month)) return false;
            if (i < s.size() && s[i] == '-') {
                ++i;
                if (!ReadDigits(s, i, 1, 2, day)) return false;
            }
        } else if (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            if (!ReadDigits(s, i, 2, 2, month) || !ReadDigits(s, i, 2, 2, day)) return false;
        }
        if (!omitYear.empty()) {
            std::string_view o = Trim(omitYear);
            size_t k = 0;
            int omitted = 0;
            if (ReadDigits(o, k, 1, 9, omitted) && k == o.size() && omitted == year) year = 0;
        }
    }
    // A time of day may follow; anything else is not a date.
    if (i < s.size() && s[i] != 'T' && s[i] != 't' && s[i] != ' ') return false;
    if (month > 12 || (month == 0 && day != 0)) return false;
    if (day == 0 || month == 0) {
        if (!partial || year == 0) return false;
        date = CalendarDate(month, 0, year);
        return true;
    }
    if (day > GregorianDaysInMonth(month, year)) return false;
    date = CalendarDate(month, day, year);
    return true;
}
