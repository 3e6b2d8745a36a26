#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds kestrum/timezone/TimeZones.txt from the machine's tz database.

Every zone of zone.tab becomes one city, "City, Country", with a standard
offset and, when the zone changes its clocks, a daylight-saving rule in the
file's own rule syntax.  A rule is accepted only when the library's reading of
it (mirrored below) gives the zone's UTC offset at every hour of FIRST..LAST;
zones whose changes no such rule can express are left out and listed.

    python3 tools/make_timezones.py [output]     (default: the shipped file)
"""
import datetime as dt
import os
import sys
import zoneinfo

ZONEINFO = "/usr/share/zoneinfo"
FIRST, LAST = 2025, 2030          # years every city must agree with tzdata
PREFER_LAST = 2035                # rules that also hold this long are preferred

# Country names that would carry brackets (the clock's restart line uses them
# as delimiters) or letters outside ASCII.
COUNTRY_NAMES = {
    "AS": "American Samoa", "AX": "Aland Islands", "CC": "Cocos Islands", "CD": "DR Congo",
    "CG": "Congo", "CI": "Cote d'Ivoire", "CW": "Curacao", "GB": "United Kingdom", "KP": "North Korea",
    "KR": "South Korea", "MF": "Saint Martin", "MM": "Myanmar", "RE": "Reunion",
    "SX": "Sint Maarten", "SZ": "Eswatini", "VG": "British Virgin Islands",
    "VI": "US Virgin Islands", "WS": "Samoa",
}

# Rule names by a zone that follows the rule; other rules are named after the
# country that uses them most.
RULE_NAMES = {
    "America/New_York": "US", "Europe/London": "WE", "Europe/Paris": "CE",
    "Europe/Athens": "EE", "Atlantic/Azores": "AZ", "Australia/Sydney": "AU",
    "Australia/Lord_Howe": "LH", "Antarctica/Troll": "TR", "America/Santiago": "CL",
    "Pacific/Easter": "EA", "Africa/Cairo": "EG", "America/Nuuk": "GL",
    "Asia/Jerusalem": "IL", "Asia/Beirut": "LB", "Pacific/Chatham": "CH",
    "Pacific/Auckland": "NZ",
}

WEEKDAYS = ["Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun",
          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
EPOCH = dt.date(1970, 1, 1)


# ---- the library's reading of a rule, mirrored ------------------------------

def month_length(year, month):
    if month == 2:
        leap = year % 4 == 0 and (year % 100 != 0 or year % 400 == 0)
        return 29 if leap else 28
    return [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][month - 1]


def days_from_civil(y, m, d):
    """Days since 1970-01-01; d may run past the month as in mktime."""
    return (dt.date(y, m, 1) - EPOCH).days + d - 1


def weekday_of(days):            # 1 = Sunday .. 7 = Saturday
    return (days + 4) % 7 + 1


def transition(year, rule, offset):
    """Seconds since 1970 of a packed-rule transition read at `offset`."""
    ordinal, weekday, month, day, hour, minute = rule
    if ordinal != 0:
        probe = days_from_civil(year, month, day + 1)
        w = weekday_of(probe)
        target = day + 1 + (weekday - w + 7) % 7 + 7 * (min(ordinal, 6) - 1)
        length = month_length(year, month)
        if target > length:
            target -= 7 * (-(-(target - length) // 7))
        day = target
    return (days_from_civil(year, month, day) * 86400
            + hour * 3600 + minute * 60 - offset)


def year_at(t, offset):
    return dt.datetime.fromtimestamp(t + offset, dt.timezone.utc).year


def dst(t, std, shift, start, end):
    if shift == 0:
        return 0
    y = year_at(t, std)
    s = transition(y, start, std)
    e = transition(y, end, std + shift)
    if s < e:
        return shift if s <= t < e else 0
    return shift if (t < e or t >= s) else 0


def rule_text(rule):
    ordinal, weekday, month, day, hour, minute = rule
    words = []
    if ordinal:
        words.append(str(ordinal) if day else {1: "First", 6: "Last"}.get(ordinal, str(ordinal)))
        words.append(WEEKDAYS[weekday - 1])
        words.append(MONTHS[month - 1])
        if day:
            words.append(str(day))
    else:
        words += [MONTHS[month - 1], str(day)]
    words.append("%d:%02d" % (hour, minute))
    return "(" + ".".join(words) + ")"


# ---- reading the tz database ------------------------------------------------

def utc_offset(zone, t):
    return int(dt.datetime.fromtimestamp(t, zone).utcoffset().total_seconds())


def stamp(y, m=1, d=1):
    return int(dt.datetime(y, m, d, tzinfo=dt.timezone.utc).timestamp())


def changes(zone, t0, t1, step=6 * 3600):
    """[(instant, offset before, offset after)] between t0 and t1."""
    found = []
    before = utc_offset(zone, t0)
    t = t0
    while t < t1:
        nxt = min(t + step, t1)
        after = utc_offset(zone, nxt)
        if after != before:
            lo, hi = t, nxt              # offset(lo) == before, offset(hi) != before
            while hi - lo > 1:
                mid = (lo + hi) // 2
                if utc_offset(zone, mid) == before:
                    lo = mid
                else:
                    hi = mid
            found.append((hi, before, utc_offset(zone, hi)))
            before = utc_offset(zone, hi)
        t = nxt
    return found


def candidates(year_instants, offset):
    """Packed rules that give exactly these instants, simplest first."""
    years = sorted(year_instants)
    first = year_instants[years[0]]
    local = dt.datetime.fromtimestamp(first + offset, dt.timezone.utc)
    seconds = local.hour * 3600 + local.minute * 60 + local.second
    if local.second:
        return []
    forms = [(local.month, local.hour, local.minute)]
    if seconds == 0:                  # midnight may also be written 24:00 of the day before
        prev = local - dt.timedelta(days=1)
        forms.append((prev.month, 24, 0))
    found = []
    for month, hour, minute in forms:
        tries = [(6, w, 0) for w in range(1, 8)]
        tries += [(o, w, 0) for o in range(1, 6) for w in range(1, 8)]
        tries += [(o, w, d) for o in range(1, 6) for d in range(1, 31) for w in range(1, 8)]
        tries += [(0, 0, d) for d in range(1, 32)]
        for ordinal, weekday, day in tries:
            rule = (ordinal, weekday, month, day, hour, minute)
            if all(transition(y, rule, offset) == year_instants[y] for y in years):
                found.append(rule)
    return found


def describe(name):
    zone = zoneinfo.ZoneInfo(name)
    t0, t1 = stamp(FIRST) - 86400 * 2, stamp(LAST + 1) + 86400 * 2
    offsets = {utc_offset(zone, t0)} | {a for _, _, a in changes(zone, t0, t1)}
    if len(offsets) == 1:
        return offsets.pop(), 0, None, None, None
    if len(offsets) != 2:
        return None, "its offset takes %d values in %d-%d" % (len(offsets), FIRST, LAST)
    std, high = min(offsets), max(offsets)
    shift = high - std

    def per_year(last):
        starts, ends = {}, {}
        for t, before, after in changes(zone, stamp(FIRST) - 86400 * 2, stamp(last + 1) + 86400 * 2):
            year = year_at(t, std)
            if year < FIRST or year > last:
                continue
            book = starts if after == high else ends
            if year in book:
                return None
            book[year] = t
        if sorted(starts) != list(range(FIRST, last + 1)) or sorted(ends) != sorted(starts):
            return None
        return starts, ends

    for last in (PREFER_LAST, LAST):
        years = per_year(last)
        if not years:
            continue
        starts = candidates(years[0], std)
        ends = candidates(years[1], std + shift)
        if starts and ends:
            return std, shift, starts[0], ends[0], None
    return None, irregular(zone, name)


# Known causes, for the list of zones left out.
CAUSES = {
    "Africa/Casablanca": "Morocco sets its clocks back for Ramadan",
    "Africa/El_Aaiun": "Morocco sets its clocks back for Ramadan",
    "Asia/Gaza": "Palestine moves its changes around Ramadan",
    "Asia/Hebron": "Palestine moves its changes around Ramadan",
}


def irregular(zone, name):
    found = changes(zone, stamp(FIRST), stamp(LAST + 1))
    counts = [sum(1 for t, _, _ in found
                  if dt.datetime.fromtimestamp(t, dt.timezone.utc).year == y)
              for y in range(FIRST, LAST + 1)]
    why = "its clocks change %s times in the years %d-%d" % (
        ", ".join(map(str, counts)), FIRST, LAST)
    if all(c == 2 for c in counts):
        why = "its change dates follow no weekday or date rule"
    elif found and counts[-1] == 0:
        last = dt.datetime.fromtimestamp(found[-1][0], dt.timezone.utc)
        why += "; they stop after %s, when a new standard time begins" % last.strftime("%Y-%m-%d")
    if name in CAUSES:
        why += " (%s)" % CAUSES[name]
    return why


def agrees(name, std, shift, start, end):
    zone = zoneinfo.ZoneInfo(name)
    for t in range(stamp(FIRST), stamp(LAST + 1), 3600):
        if std + dst(t, std, shift, start, end) != utc_offset(zone, t):
            return False
    return True


def read_tab(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            rows.append(line.rstrip("\n").split("\t"))
    return rows


def gmt_label(offset):
    sign = "-" if offset < 0 else "+"
    minutes = abs(offset) // 60
    return "(GMT%s%02d:%02d)" % (sign, minutes // 60, minutes % 60)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "kestrum", "timezone", "TimeZones.txt")
    countries = {r[0]: r[1] for r in read_tab(os.path.join(ZONEINFO, "iso3166.tab"))}
    countries.update(COUNTRY_NAMES)
    with open(os.path.join(ZONEINFO, "tzdata.zi"), encoding="utf-8") as f:
        version = f.readline().split()[-1]

    cities, rules, left_out = [], {}, []
    for code, _, name, *_ in read_tab(os.path.join(ZONEINFO, "zone.tab")):
        result = describe(name)
        if result[0] is None:
            left_out.append((name, result[1]))
            continue
        std, shift, start, end, _ = result
        if offset_unwritable(std):
            left_out.append((name, "its standard offset is not a whole minute"))
            continue
        if shift and not agrees(name, std, shift, start, end):
            left_out.append((name, "no rule found agrees with it at every hour"))
            continue
        if not shift and not agrees(name, std, 0, None, None):
            left_out.append((name, "its offset changes in %d-%d" % (FIRST, LAST)))
            continue
        city = name.split("/")[-1].replace("_", " ")
        country = countries[code]
        assert not any(c in city + country for c in "(),[]\t") and (city + country).isascii(), name
        key = None
        if shift:
            key = (shift, rule_text(start), rule_text(end))
            rules.setdefault(key, []).append((name, code))
        cities.append((std, "%s, %s" % (city, country), key))

    names, taken = {}, set()
    for key in sorted(rules, key=lambda k: (-len(rules[k]), k)):
        preferred = [RULE_NAMES[n] for n, _ in rules[key] if n in RULE_NAMES]
        codes = [c for _, c in rules[key]]
        choice = preferred[0] if preferred else max(set(codes), key=lambda c: (codes.count(c), c))
        if not preferred and (choice in taken or choice in RULE_NAMES.values()):
            choice = next(choice[0] + d for d in "123456789" if choice[0] + d not in taken)
        assert choice not in taken, choice
        taken.add(choice)
        names[key] = choice

    lines = ["[Daylight]"]
    for key in sorted(rules, key=lambda k: names[k]):
        shift, start, end = key
        lines.append("%s=%d%s-%s" % (names[key], shift, start, end))
    lines.append("[Zones]")
    for std, city, key in sorted(cities, key=lambda c: (c[0], c[1].lower())):
        line = "%s %s" % (gmt_label(std), city)
        if key:
            line += " DST=%s" % names[key]
        lines.append(line)
    lines.append("[Notes]")
    lines.append("Made by tools/make_timezones.py from tzdata %s: %d cities, each agreeing with it at every hour of %d-%d."
                 % (version, len(cities), FIRST, LAST))
    for name, why in left_out:
        lines.append("Left out %s: %s." % (name, why))
    with open(out, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    print("%d cities, %d rules, %d zones left out -> %s" % (len(cities), len(rules), len(left_out), out))
    for name, why in left_out:
        print("  left out %s: %s" % (name, why))


def offset_unwritable(offset):
    return offset % 60 != 0


if __name__ == "__main__":
    main()
