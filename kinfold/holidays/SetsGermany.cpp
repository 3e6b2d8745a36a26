// SPDX-License-Identifier: GPL-3.0-or-later
// Germany and its Länder.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> GermanySets() {
    return {
        // Einigungsvertrag Art. 2 (3 October from 1990, and no 17 June after 1990) and the
        // Feiertagsgesetze of all sixteen Länder (the Day of Repentance kept by all until 1994, and
        // 31 October 2017 by all for the five hundredth year of the Reformation).
        {"DE", "Germany", {
            "00101Neujahr",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+39Christi Himmelfahrt",
            "3+50Pfingstmontag",
            "Y00001990" "00617Tag der deutschen Einheit",
            "Y19900000" "01003Tag der Deutschen Einheit",
            "920171031Reformationstag",
            "Y00001994" "811223Buß- und Bettag",
            "012251. Weihnachtstag",
            "012262. Weihnachtstag",
        }},
    };
}
