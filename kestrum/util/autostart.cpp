// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/autostart.h"
#include "platform/Translate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The value of `key` in the [Desktop Entry] group; "" when absent.
std::string EntryValue(const std::string& text, const std::string& key)
{
    std::istringstream in(text);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inGroup || line.compare(0, key.size(), key) != 0) continue;
        size_t i = key.size();
        while (i < line.size() && line[i] == ' ') ++i;
        if (i >= line.size() || line[i] != '=') continue;
        ++i;
        while (i < line.size() && line[i] == ' ') ++i;
        return line.substr(i);
    }
    return std::string();
}

bool ReadText(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

bool Enabled(const std::string& text)
{
    return EntryValue(text, "Hidden") != "true" && EntryValue(text, "X-GNOME-Autostart-enabled") != "false";
}

// The first enabled-or-not system entry: found tells whether there is one at all.
bool SystemEntry(const AutostartPlaces& places, const std::string& entry, std::string& text)
{
    for (const std::string& dir : places.system)
        if (ReadText(fs::path(dir) / entry, text)) return true;
    return false;
}

// A program path as the Exec key takes it: quoted when it holds anything but plain characters.
std::string ExecArgument(const std::string& program)
{
    if (program.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos) return program;
    std::string q = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') q += "\\\\";
        if (c == '%') q += '%';
        q += c;
    }
    return q + '"';
}

// The Comment lines of the package's own entry (dialwake-autostart.desktop), so that the session
// settings describe the user's entry in the user's language as they do the package's.
const char kComment[] =
    "Comment=Brings back the world clocks that were open\n"
    "Comment[cs]=Obnoví světové hodiny, které byly otevřené\n"
    "Comment[da]=Henter de verdensure tilbage, der var åbne\n"
    "Comment[de]=Holt die Weltuhren zurück, die offen waren\n"
    "Comment[el]=Επαναφέρει τα ρολόγια του κόσμου που ήταν ανοιχτά\n"
    "Comment[es]=Recupera los relojes mundiales que estaban abiertos\n"
    "Comment[fi]=Palauttaa auki olleet maailmankellot\n"
    "Comment[fr]=Rouvre les horloges mondiales qui étaient ouvertes\n"
    "Comment[it]=Riapre gli orologi del mondo che erano aperti\n"
    "Comment[ja]=開いていた世界時計を元に戻します\n"
    "Comment[nb]=Henter tilbake verdensklokkene som var åpne\n"
    "Comment[nl]=Brengt de wereldklokken terug die open waren\n"
    "Comment[pl]=Przywraca zegary świata, które były otwarte\n"
    "Comment[pt]=Reabre os relógios mundiais que estavam abertos\n"
    "Comment[sv]=Återställer världsklockorna som var öppna\n";

bool WriteEntry(const fs::path& path, const std::string& text, std::string& error)
{
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    const fs::path temp = path.string() + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            error = FillIn(TextTranslation::translate("Kestrum", "cannot write %1: %2"), {temp.string(), std::strerror(errno)});
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        error = FillIn(TextTranslation::translate("Kestrum", "cannot write %1: %2"), {path.string(), ec.message()});
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace

AutostartPlaces AutostartPlacesOfUser()
{
    AutostartPlaces p;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (config && *config == '/') p.user = std::string(config) + "/autostart";
    else p.user = std::string(home ? home : "") + "/.config/autostart";
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string list = dirs && *dirs ? dirs : "/etc/xdg";
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(':', pos);
        if (end == std::string::npos) end = list.size();
        if (end > pos && list[pos] == '/') p.system.push_back(list.substr(pos, end - pos) + "/autostart");
        pos = end + 1;
    }
    return p;
}

bool StartsAtLogin(const AutostartPlaces& places, const std::string& entry)
{
    std::string text;
    if (ReadText(fs::path(places.user) / entry, text)) return Enabled(text);
    return SystemEntry(places, entry, text) && Enabled(text);
}

bool SetStartAtLogin(const AutostartPlaces& places, const std::string& entry, bool on, const std::string& program,
                     std::string& error)
{
    const fs::path user = fs::path(places.user) / entry;
    const std::string head = std::string("[Desktop Entry]\nType=Application\nName=Dialwake\n") + kComment +
                             "Exec=" + ExecArgument(program) + "\nIcon=dialwake\nTerminal=false\nNoDisplay=true\n";
    if (!on) return WriteEntry(user, head + "Hidden=true\n", error);
    std::string system;
    if (SystemEntry(places, entry, system) && Enabled(system)) {
        std::error_code ec;
        if (fs::remove(user, ec) || !ec) return true;
        error = FillIn(TextTranslation::translate("Kestrum", "cannot remove %1: %2"), {user.string(), ec.message()});
        return false;
    }
    return WriteEntry(user, head, error);
}
