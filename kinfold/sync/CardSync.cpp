// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CardSync.h"
#include <algorithm>
#include <set>
#include <unordered_map>
#include "birthdays/VCardImport.h"
#include "birthdays/VCardReader.h"
#include "platform/Fnv.h"

namespace {

// Lines "@url<TAB>token<TAB>ties" open a book; "href<TAB>etag" lines follow.
std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (;;) {
        size_t tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return out;
        line.remove_prefix(tab + 1);
    }
}

// Mine where the user changed it since the card gave it, else the card's.
BirthdayEntry ThreeWay(const BirthdayEntry& mine, const BirthdayEntry& card)
{
    const BirthdayEntry base = mine.TiedFields();
    BirthdayEntry out = mine;
    if (mine.text == base.text) out.text = card.text;
    if (mine.kind == base.kind) out.kind = card.kind;
    if (SameDate(mine, base)) out.Assign(card);
    if (SameDate(mine.endDate, base.endDate)) out.endDate.Assign(card.endDate);
    if (SameDate(mine.otherDate, base.otherDate)) out.otherDate.Assign(card.otherDate);
    out.tie = card.tie;
    return out;
}

bool OfKind(const BirthdayEntry& e, uint16_t kind) { return (e.kind & kind) != 0; }

} // namespace

bool InCollection(std::string_view href, std::string_view book)
{
    return !book.empty() && href.size() > book.size() && href.substr(0, book.size()) == book;
}

uint64_t TiesHash(const BirthdayList& list, std::string_view book)
{
    std::vector<std::string> pairs;
    for (const BirthdayEntry& e : list.Entries())
        if (InCollection(e.tie->href, book)) pairs.push_back(e.tie->href + '\t' + e.tie->etag);
    std::sort(pairs.begin(), pairs.end());
    uint64_t h = kFnvOffsetBasis;
    for (const std::string& p : pairs) h = Fnv1a("\n", Fnv1a(p, h));
    return h;
}

bool BookState::Serves(const BirthdayList& list) const { return !url.empty() && ties == TiesHash(list, url); }

std::string StoreBookStates(const std::vector<BookState>& states)
{
    std::string out;
    for (const BookState& s : states) {
        out += "@" + s.url + "\t" + s.token + "\t" + std::to_string(s.ties) + "\n";
        for (const auto& [href, etag] : s.etags) out += href + "\t" + etag + "\n";
    }
    return out;
}

std::vector<BookState> LoadBookStates(std::string_view text)
{
    std::vector<BookState> out;
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        std::vector<std::string_view> f = Fields(line);
        if (!line.empty() && line[0] == '@' && f.size() == 3) {
            BookState s;
            s.url = std::string(f[0].substr(1));
            s.token = std::string(f[1]);
            s.ties = std::strtoull(std::string(f[2]).c_str(), nullptr, 10);
            out.push_back(std::move(s));
        } else if (!out.empty() && f.size() == 2 && !f[0].empty()) {
            out.back().etags.emplace(std::string(f[0]), std::string(f[1]));
        }
    }
    return out;
}

FetchPlan PlanFetch(const BirthdayList& list, const BookState& state, const CardListing& listing)
{
    FetchPlan plan;
    // What the document holds of the book: the ties, then what the state saw besides.
    std::unordered_map<std::string, std::string> known;
    for (const BirthdayEntry& e : list.Entries())
        if (InCollection(e.tie->href, state.url)) known.emplace(e.tie->href, e.tie->etag);
    for (const auto& [href, etag] : state.etags) known.emplace(href, etag);

    std::set<std::string> listed;
    for (const auto& [href, etag] : listing.cards) {
        listed.insert(href);
        auto it = known.find(href);
        if (it == known.end() || it->second != etag || etag.empty()) plan.fetch.push_back(href);
    }
    if (listing.complete) {
        for (const auto& [href, etag] : known)
            if (!listed.count(href)) plan.gone.push_back(href);
        std::sort(plan.gone.begin(), plan.gone.end());
    } else {
        for (const std::string& href : listing.removed)
            if (known.count(href)) plan.gone.push_back(href);
    }
    return plan;
}

CardSyncCounts ApplyCards(BirthdayList& list, const std::vector<FetchedCard>& cards, const std::vector<std::string>& gone)
{
    CardSyncCounts counts;
    std::set<std::string> affected(gone.begin(), gone.end());
    for (const FetchedCard& c : cards) affected.insert(c.href);

    // Entries of other cards keep their texts: a new card of the same name gets the import's
    // " [YYYY]" instead of merging into another card's person.
    VCardEntries maker(list);
    std::unordered_map<std::string, std::vector<int>> byCard;
    for (int i = 0; i < list.GetCount(); ++i) {
        const BirthdayEntry& e = list[i];
        if (!e.tie->IsSet()) continue;
        if (affected.count(e.tie->href)) byCard[e.tie->href].push_back(i);
        else maker.Reserve(e.text, e);
    }

    const ChooseDateCallback chooser = list.Chooser();
    list.SetChooser([](const CString&, const CString&, const CString&, const CString&) { return DateChoice::B; });
    std::vector<int> drop;
    // An entry whose card no longer gives it: gone, unless the user made it their own.
    auto release = [&](int i) {
        BirthdayEntry e = list[i];
        if (e.ChangedSinceTie()) {
            e.tie = CardTie();
            list.SetAt(i, e);
        } else {
            drop.push_back(i);
            ++counts.removed;
        }
        counts.touched = true;
    };

    for (const FetchedCard& card : cards) {
        std::vector<VCardContact> contacts;
        if (IsVCardText(card.data)) ForEachVCard(card.data, [&](const VCardContact& c) { contacts.push_back(c); });
        std::vector<int>& own = byCard[card.href];
        if (contacts.empty()) {
            ++counts.malformed;
            continue;
        }
        std::vector<bool> used(own.size(), false);
        for (BirthdayEntry n : maker.Of(contacts.front())) {
            n.TieTo(card.href, card.etag);
            size_t k = 0;
            while (k < own.size() && (used[k] || !OfKind(list[own[k]], n.kind))) ++k;
            if (k < own.size()) {
                used[k] = true;
                const BirthdayEntry& mine = list[own[k]];
                BirthdayEntry merged = ThreeWay(mine, n);
                if (!merged.SameFields(mine)) ++counts.changed;
                if (!merged.SameFields(mine) || !(merged.tie == mine.tie)) {
                    list.SetAt(own[k], merged);
                    counts.touched = true;
                }
                continue;
            }
            // An entry that lost its tie (saved by an older program): the same person again.
            int found = list.FindByText(n.text);
            if (found >= 0 && !list[found].tie->IsSet() && list[found].kind == n.kind && SameDate(list[found], n)) {
                BirthdayEntry e = list[found];
                e.tie = n.tie;
                list.SetAt(found, e);
                counts.touched = true;
                continue;
            }
            if (found >= 0 && list[found].tie->IsSet()) {
                // Two cards of one person: the entry stays with the card it came from.
                continue;
            }
            const BirthdayEntry before = found >= 0 ? list[found] : BirthdayEntry();
            bool mergedInto = false;
            int i = list.AddOrMerge(n, mergedInto);
            if (!mergedInto) {
                ++counts.added;
            } else {
                // Merged into an entry made by hand: it stays the user's, without a tie.
                BirthdayEntry e = list[i];
                e.tie = CardTie();
                list.SetAt(i, e);
                if (!e.SameFields(before)) ++counts.changed;
            }
            counts.touched = true;
        }
        for (size_t k = 0; k < own.size(); ++k)
            if (!used[k]) release(own[k]);
    }
    for (const std::string& href : gone)
        for (int i : byCard[href]) release(i);
    list.SetChooser(chooser);

    std::sort(drop.begin(), drop.end());
    drop.erase(std::unique(drop.begin(), drop.end()), drop.end());
    for (auto it = drop.rbegin(); it != drop.rend(); ++it) list.RemoveAt(*it);
    if (counts.added || counts.changed) list.SortByDate();
    return counts;
}

void UpdateBookState(BookState& state, const BirthdayList& list, const CardListing& listing,
                     const std::vector<FetchedCard>& fetched, const FetchPlan& plan, const std::string& token)
{
    if (listing.complete) state.etags.clear();
    for (const auto& [href, etag] : listing.cards) state.etags[href] = etag;
    for (const FetchedCard& c : fetched) state.etags[c.href] = c.etag;
    for (const std::string& href : plan.gone) state.etags.erase(href);
    for (const std::string& href : listing.removed) state.etags.erase(href);
    state.token = token;
    state.ties = TiesHash(list, state.url);
}
