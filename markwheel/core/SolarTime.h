// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Apparent solar time: noon when the sun crosses the meridian of a place, found from the place's
// longitude and the equation of time. The place is the principal city of the system's time zone,
// as the tz database's zone tables give it.
#include <cstdint>
#include <string>
#include <string_view>

// Minutes by which apparent solar time runs ahead of mean solar time at that UTC moment
// (the low-precision solar coordinates of the astronomical almanacs; within seconds for
// centuries around 2000).
double EquationOfTimeMinutes(int64_t utcSeconds);
// Seconds by which apparent solar time at `longitudeEast` (degrees, west negative) runs ahead of UTC.
double SolarOffsetSeconds(int64_t utcSeconds, double longitudeEast);

// The longitude of `zone` ("Europe/Paris") in the text of a zone table (zone1970.tab or zone.tab:
// countries, "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS", zone name, comment); false when it is not listed.
bool ZoneTableLongitude(std::string_view table, std::string_view zone, double& longitudeEast);

// The name of the system's zone: from TZ (":Europe/Paris", a path into the zone folder), else the
// link /etc/localtime, else /etc/timezone; "" when none names a zone.
std::string SystemZoneName();
// The folder of the tz database: TZDIR, else /usr/share/zoneinfo.
std::string TzDataFolder();
// The longitude of the system zone from TzDataFolder()'s zone1970.tab, then zone.tab for zones
// that table folds into another; false when the zone is unknown.
bool SystemZoneLongitude(double& longitudeEast);
