// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the city chooser shows for the cities of "TimeZones.txt" and the order it lists them
// in, in the user's language. The table and the restart lines keep the English names; these are
// only for the eye (and the search field).
#include <memory>
#include <vector>
#include "platform/CString.h"
#include "kestrum/export.h"

class KESTRUM_API CCityNames {
public:
    // A city as listed: the name shown and the table's own (English) name.
    struct Entry {
        CString shown;
        CString name;
    };

    // For a locale named as QLocale and the environment name them ("de_DE", "de-AT", "sv",
    // "de_DE.UTF-8"). English, "C", "POSIX" and an empty name keep the table's names, in the
    // order the chooser has always used.
    static std::unique_ptr<CCityNames> For(const CString& locale);
    virtual ~CCityNames();

    // "Wien, Österreich" for "Vienna, Austria" under German. A city becomes the locale's only where
    // it names its time zone (Vienna of Europe/Vienna) and the locale has a name of its own for it;
    // a country where it is one of the table's countries. Everything else stays as given.
    virtual CString Shown(const CString& name) const = 0;
    // Negative, zero or positive as `a` sorts before, with or after `b` (both UTF-8).
    virtual int Compare(const CString& a, const CString& b) const = 0;

    // The names with what Shown() gives for them, sorted by that; equal ones keep their order.
    std::vector<Entry> List(const std::vector<CString>& names) const;
};

// The ISO 3166 code of a country as "TimeZones.txt" writes it ("AT" for "Austria",
// "GB" for "United Kingdom"); empty for a name it does not use.
KESTRUM_API CString CountryCode(const CString& country);
