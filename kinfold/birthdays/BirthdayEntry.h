// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of the birthday list: a person's birthday, a couple's wedding day or a dated note.
#include <cstdint>
#include <memory>
#include <string>
#include "calendar/CalendarDate.h"
#include "platform/CString.h"

// The view's display choices that decide which entries are drawn, as numbered switches.
class DisplaySwitches {
public:
    enum : int {
        DeadBirthdays = 0,  // birthdays after the death date
        Anniversaries = 1,  // couples' wedding days
        Notes = 2,
    };
    DisplaySwitches() = default;
    explicit DisplaySwitches(uint32_t bits) : m_bits(bits) {}

    bool IsSet(int n) const { return n >= 0 && n < 32 && ((m_bits >> n) & 1u) != 0; }
    void Set(int n) { if (n >= 0 && n < 32) m_bits |= 1u << n; }
    void Clear(int n) { if (n >= 0 && n < 32) m_bits &= ~(1u << n); }
    // Flips switch n and returns its new state.
    bool Toggle(int n)
    {
        if (n < 0 || n >= 32) return false;
        m_bits ^= 1u << n;
        return IsSet(n);
    }
    uint32_t Bits() const { return m_bits; }
    void SetBits(uint32_t bits) { m_bits = bits; }
    bool operator==(const DisplaySwitches& o) const { return m_bits == o.m_bits; }

private:
    uint32_t m_bits = 0;
};

// The same year, month and day (unlike Compare, an empty date equals only an empty date).
bool SameDate(const CalendarDate& a, const CalendarDate& b);

// What ties an entry to the address-book card it came from: the card's address and version,
// and the entry as that card last gave it, so that a sync can tell the user's own changes from
// the card's. Entries typed or imported from files have none (empty href).
struct CardTie {
    std::string href;  // absolute address of the card on its server
    std::string etag;
    CString text;  // the entry's fields as the card gave them
    CalendarDate date, endDate, otherDate;
    uint16_t kind = 0;

    bool IsSet() const { return !href.empty(); }
    bool operator==(const CardTie& o) const;
};

// An entry's tie, kept apart from the entry: few entries have one, and a family tree of a
// million people should not carry the room for one in each entry. Reads as a CardTie (an
// empty one when there is none); copies copy the tie.
class HeldTie {
public:
    HeldTie() = default;
    HeldTie(const HeldTie& o) : m_tie(o.m_tie ? std::make_unique<CardTie>(*o.m_tie) : nullptr) {}
    HeldTie(HeldTie&&) noexcept = default;
    HeldTie& operator=(const HeldTie& o)
    {
        if (this != &o) m_tie = o.m_tie ? std::make_unique<CardTie>(*o.m_tie) : nullptr;
        return *this;
    }
    HeldTie& operator=(HeldTie&&) noexcept = default;
    HeldTie& operator=(CardTie tie);

    const CardTie& operator*() const { return m_tie ? *m_tie : None(); }
    const CardTie* operator->() const { return &**this; }
    bool operator==(const HeldTie& o) const { return **this == *o; }

private:
    static const CardTie& None();
    std::unique_ptr<CardTie> m_tie;  // null for a tie equal to CardTie()
};

// The entry is its own date: the birth date, the wedding date or the note's day.
class BirthdayEntry : public CalendarDate {
public:
    enum : uint16_t {
        Individual = 0x0001,
        Couple = 0x0004,
        Note = 0x0008,
    };

    CString text;            // the name, "Joe+Mary Surname" or the note
    CalendarDate endDate;    // death (a couple: the first death of the two)
    CalendarDate otherDate;  // an individual's marriage
    uint16_t kind = 0;
    uint32_t recordNumber = 0;  // record in the genealogy file it came from, 0 when typed
    HeldTie tie;                // the address-book card it came from, if any

    BirthdayEntry() = default;
    explicit BirthdayEntry(const CalendarDate& date) : CalendarDate(date.month, date.day, date.year) {}
    BirthdayEntry(const BirthdayEntry&) = default;
    BirthdayEntry& operator=(const BirthdayEntry&) = default;
    BirthdayEntry(BirthdayEntry&&) = default;
    BirthdayEntry& operator=(BirthdayEntry&&) = default;

    // Whether the entry is drawn on `date`, a day with the entry's month and day; `years` is
    // always set to the years since the entry's date (age or years of marriage).
    bool ShowsOn(const CalendarDate& date, DisplaySwitches switches, int& years) const;
    // Whether its kind is drawn at all: people always, couples and notes as switched on.
    bool DrawnWith(DisplaySwitches switches) const;
    // Whether `date` lies after the end (death) date: after its day, or, for a date known only
    // to the month or the year, after that month or year. Never with an empty end date.
    bool EndedBy(const CalendarDate& date) const;

    bool HasKind(uint16_t mask) const { return (kind & mask) != 0; }
    void SetKind(uint16_t mask) { kind = (uint16_t)(kind | mask); }
    void ClearKind(uint16_t mask) { kind = (uint16_t)(kind & ~mask); }
    bool SameText(const BirthdayEntry& other) const { return text == other.text; }
    // Up to the first blank.
    CString FirstName() const;
    // After the last blank, trailing blanks ignored.
    CString LastName() const;
    // The text as people read it: a person's or couple's name without the GEDCOM slashes
    // around the surname; notes as they stand.
    CString DisplayText() const;

    // Whether text, kind and the three dates equal the other's (ties and record numbers aside).
    bool SameFields(const BirthdayEntry& other) const;
    // Ties the entry to its card as it stands now.
    void TieTo(const std::string& href, const std::string& etag);
    // The entry as its card last gave it (no tie of its own).
    BirthdayEntry TiedFields() const;
    // True when tied and changed since the card last gave it.
    bool ChangedSinceTie() const;
};

// A text up to its first blank (BirthdayEntry::FirstName), after its last blank with trailing
// blanks ignored (BirthdayEntry::LastName).
CString FirstWordOf(const CString& text);
CString LastWordOf(const CString& text);

// "Anne /Mowbray/" -> "Anne Mowbray", "Richard //" -> "Richard", "/Smith/" -> "Smith"; a text
// without a pair of slashes comes back unchanged.
CString WithoutSurnameSlashes(const CString& name);
