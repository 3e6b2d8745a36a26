// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SolarTime.h"

#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

double Normalised(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    if (degrees > 180.0) degrees -= 360.0;
    if (degrees < -180.0) degrees += 360.0;
    return degrees;
}

// "+DDMM", "+DDDMM", "+DDMMSS" or "+DDDMMSS" with `degreeDigits` digits of degrees.
bool Angle(std::string_view text, int degreeDigits, double& value)
{
    if (text.size() != (size_t)(1 + degreeDigits + 2) && text.size() != (size_t)(1 + degreeDigits + 4)) return false;
    if (text[0] != '+' && text[0] != '-') return false;
    int parts[3] = {0, 0, 0};
    size_t pos = 1;
    for (int i = 0; pos < text.size(); ++i) {
        int width = i == 0 ? degreeDigits : 2;
        for (int k = 0; k < width; ++k, ++pos) {
            if (text[pos] < '0' || text[pos] > '9') return false;
            parts[i] = parts[i] * 10 + (text[pos] - '0');
        }
    }
    if (parts[1] > 59 || parts[2] > 59) return false;
    value = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (text[0] == '-') value = -value;
    return true;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The part of a path after ".../zoneinfo/", or the path itself when it names no such folder.
std::string AfterZoneFolder(const std::string& path)
{
    const std::string folder = TzDataFolder() + '/';
    if (path.rfind(folder, 0) == 0) return path.substr(folder.size());
    size_t at = path.rfind("zoneinfo/");
    if (at != std::string::npos) return path.substr(at + 9);
    return path[0] == '/' ? std::string() : path;
}

// A zone's name, not a rule such as "CET-1CEST" (digits without an area) nor a way out of the folder.
bool LooksLikeZoneName(const std::string& name)
{
    if (name.empty() || name.size() > 200 || name.find("..") != std::string::npos) return false;
    for (char c : name)
        if (!(std::isalnum((unsigned char)c) || c == '/' || c == '_' || c == '-' || c == '+')) return false;
    return name.find('/') != std::string::npos || name.find_first_of("0123456789") == std::string::npos;
}

}  // namespace

double EquationOfTimeMinutes(int64_t utcSeconds)
{
    const double n = (double)utcSeconds / 86400.0 - 10957.5;   // days from 2000-01-01 12:00 UTC
    const double meanLongitude = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * kRad;
    const double lambda = (meanLongitude + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kRad;
    const double epsilon = (23.439 - 0.0000004 * n) * kRad;
    const double rightAscension = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda)) / kRad;
    return 4.0 * Normalised(meanLongitude - rightAscension);
}

double SolarOffsetSeconds(int64_t utcSeconds, double longitudeEast)
{
    return longitudeEast * 240.0 + EquationOfTimeMinutes(utcSeconds) * 60.0;
}

bool ZoneTableLongitude(std::string_view table, std::string_view zone, double& longitudeEast)
{
    size_t pos = 0;
    while (pos < table.size()) {
        size_t end = table.find('\n', pos);
        if (end == std::string_view::npos) end = table.size();
        std::string_view line = table.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty() || line[0] == '#') continue;
        size_t t1 = line.find('\t');
        size_t t2 = t1 == std::string_view::npos ? t1 : line.find('\t', t1 + 1);
        if (t2 == std::string_view::npos) continue;
        size_t t3 = line.find_first_of("\t\r", t2 + 1);
        if (line.substr(t2 + 1, t3 == std::string_view::npos ? std::string_view::npos : t3 - t2 - 1) != zone) continue;
        std::string_view coordinates = line.substr(t1 + 1, t2 - t1 - 1);
        size_t split = coordinates.find_first_of("+-", 1);
        if (split == std::string_view::npos) continue;
        double latitude = 0, longitude = 0;
        if (!Angle(coordinates.substr(0, split), 2, latitude) || !Angle(coordinates.substr(split), 3, longitude))
            continue;
        if (std::fabs(longitude) > 180.0) continue;
        longitudeEast = longitude;
        return true;
    }
    return false;
}

std::string TzDataFolder()
{
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? std::string(dir) : std::string("/usr/share/zoneinfo");
}

namespace {

std::string NamedZone()
{
    if (const char* tz = std::getenv("TZ")) {
        std::string name = *tz == ':' ? tz + 1 : tz;
        if (!name.empty() && name[0] == '/') name = AfterZoneFolder(name);
        return LooksLikeZoneName(name) ? name : std::string();
    }
    char link[4096];
    ssize_t n = readlink("/etc/localtime", link, sizeof link - 1);
    if (n > 0) {
        link[n] = 0;
        std::string name = AfterZoneFolder(link);
        if (LooksLikeZoneName(name)) return name;
    }
    std::string name = ReadFile("/etc/timezone");
    while (!name.empty() && std::isspace((unsigned char)name.back())) name.pop_back();
    return LooksLikeZoneName(name) ? name : std::string();
}

}  // namespace

std::string SystemZoneName()
{
    // The folder's "posix/" and "right/" copies hold the same zones under the same names.
    std::string name = NamedZone();
    for (const char* copy : {"posix/", "right/"})
        if (name.rfind(copy, 0) == 0) return name.substr(std::char_traits<char>::length(copy));
    return name;
}

bool SystemZoneLongitude(double& longitudeEast)
{
    // The tables are read again only when the zone or the folder changes, not ten times a second.
    static std::mutex lock;
    static std::string lastKey;
    static bool lastFound = false;
    static double lastLongitude = 0;
    const std::string zone = SystemZoneName(), folder = TzDataFolder();
    const std::string key = folder + '\n' + zone;
    std::lock_guard<std::mutex> guard(lock);
    if (key != lastKey) {
        lastKey = key;
        lastFound = !zone.empty() && (ZoneTableLongitude(ReadFile(folder + "/zone1970.tab"), zone, lastLongitude) ||
                                      ZoneTableLongitude(ReadFile(folder + "/zone.tab"), zone, lastLongitude));
    }
    longitudeEast = lastLongitude;
    return lastFound;
}
