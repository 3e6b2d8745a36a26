// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Address books in: which cards a sync reads, and what the cards it read do to the list.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>
#include "birthdays/BirthdayList.h"

// What a sync keeps of one address book until the next (in the settings, not the document).
struct BookState {
    std::string url;     // the collection, ending in '/'
    std::string token;   // sync-collection token; "" when none
    uint64_t ties = 0;   // TiesHash of the document when the state was kept
    std::map<std::string, std::string> etags;  // card address -> ETag of every card seen
    std::string ctag;    // the book's CS:getctag when the state was kept; kept apart (StoreCollectionTags)

    // The state serves a document only when that document's ties are the ones it was kept with
    // (an older program or another document loses them: everything is read again).
    bool Serves(const BirthdayList& list) const;
};

std::string StoreBookStates(const std::vector<BookState>& states);
std::vector<BookState> LoadBookStates(std::string_view text);

// A hash of the (address, ETag) pairs of the list's ties to cards in the collection `book`.
uint64_t TiesHash(const BirthdayList& list, std::string_view book);
// True when `href` lies in the collection `book` (an address ending in '/').
bool InCollection(std::string_view href, std::string_view book);

// What the server says is in, or changed in, the collection.
struct CardListing {
    bool complete = true;  // every card (else only the changes since the token)
    std::vector<std::pair<std::string, std::string>> cards;  // address, ETag
    std::vector<std::string> removed;                        // addresses gone (changes only)
};

struct FetchPlan {
    std::vector<std::string> fetch;  // cards to read
    std::vector<std::string> gone;   // cards deleted on the server
};

// The cards whose ETag is not the one last seen, and the ones gone. `state` must serve the list
// (else pass an empty one): the ETags of cards that gave no entry are only in the state.
FetchPlan PlanFetch(const BirthdayList& list, const BookState& state, const CardListing& listing);

struct FetchedCard {
    std::string href, etag;
    std::string data;  // the vCard text
};

struct CardSyncCounts {
    int added = 0, changed = 0, removed = 0;
    int malformed = 0;      // cards that could not be read; their entries stay
    bool touched = false;   // the list (entries or ties) changed: the document needs saving

    CardSyncCounts& operator+=(const CardSyncCounts& o)
    {
        added += o.added;
        changed += o.changed;
        removed += o.removed;
        malformed += o.malformed;
        touched |= o.touched;
        return *this;
    }
};

// Cards read become entries by the vCard import's rules. An entry tied to a changed card takes
// the card's new values wherever the user has not changed it since; a new card ties an entry
// of the same text, kind and date that lost its tie, else merges like the import (stored dates
// kept, no question) or adds an entry. Entries of a gone card go, unless the user changed them
// since, which leaves them as the user's own. Entries without ties are never changed except by
// such a merge. Sorted by date when anything changed.
CardSyncCounts ApplyCards(BirthdayList& list, const std::vector<FetchedCard>& cards, const std::vector<std::string>& gone);

// The state after the changes of `plan` were applied from `listing` (the new token given).
void UpdateBookState(BookState& state, const BirthdayList& list, const CardListing& listing,
                     const std::vector<FetchedCard>& fetched, const FetchPlan& plan, const std::string& token);
