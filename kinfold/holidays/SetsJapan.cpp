// SPDX-License-Identifier: GPL-3.0-or-later
// Japan.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> JapanSets() {
    return {
        // 国民の祝日に関する法律 (Act No. 178 of 1948) as amended, and the Cabinet Office's list
        // of national holidays (内閣府「国民の祝日について」): the equinox days on the day of the
        // equinox in Japan time; a holiday on a Sunday gives the next day that is no holiday
        // (Art. 3(2): from 12 April 1973, so 1973 has only its 30 April); a day between two
        // holidays is a holiday (Art. 3(3): from 1986, on a Sunday only from 2007). Days of one
        // year: the funeral of 1989, the enthronements of 1990 and 2019, the wedding of 1993, and
        // the Olympic moves of 2020 and 2021 (平成30年法律第57号, 令和2年法律第68号).
        {"JP", QT_TRANSLATE_NOOP("CountrySets", "Japan"), {
            "00101元日",
            "Y00001999" "00115成人の日",
            "Y20000000" "10121成人の日",
            "00211建国記念の日",
            "Y20200000" "00223天皇誕生日",
            "C03+09春分の日",
            "Y00001988" "00429天皇誕生日",
            "Y19892006" "00429みどりの日",
            "Y20070000" "00429昭和の日",
            "00503憲法記念日",
            "Y20070000" "00504みどりの日",
            "00505こどもの日",
            "Y19962002" "00720海の日",
            "Y20030000" "10731海の日",
            "Y20160000" "00811山の日",
            "Y00002002" "00915敬老の日",
            "Y20030000" "10931敬老の日",
            "C09+09秋分の日",
            "Y00001999" "01010体育の日",
            "Y20002019" "11021体育の日",
            "Y20200000" "11021スポーツの日",
            "01103文化の日",
            "01123勤労感謝の日",
            "Y19892018" "01223天皇誕生日",
            "919890224大喪の礼",
            "919901112即位礼正殿の儀",
            "919930609結婚の儀",
            "920190501天皇の即位の日",
            "920191022即位礼正殿の儀",
            "F20200720海の日",
            "920200723海の日",
            "F20201012スポーツの日",
            "920200724スポーツの日",
            "F20200811山の日",
            "920200810山の日",
            "F20210719海の日",
            "920210722海の日",
            "F20211011スポーツの日",
            "920210723スポーツの日",
            "F20210811山の日",
            "920210808山の日",
            "919730430休日",
            "Y19740000" "D休日",
            "Y19862006" "E7休日",
            "Y20070000" "E0休日",
        }},
    };
}
