// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/ImportCommand.h"
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include "birthdays/FileBytes.h"
#include "birthdays/GedcomReader.h"
#include "platform/Archive.h"

namespace fs = std::filesystem;

namespace {

const char* kUsage = "usage: kinfold --import FILE.ged [--save OUT.kfd] [DOC.kfd]";

} // namespace

bool LoadKfdFile(const std::string& path, BirthdayList& list, std::string& error)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error)) return false;
    try {
        CArchive ar(std::move(bytes));
        list.Serialize(ar);
    } catch (const CArchiveException&) {
        error = "\"" + path + "\" is not a Kinfold document or is damaged.";
        return false;
    }
    return true;
}

bool SaveKfdFile(const std::string& path, BirthdayList& list, std::string& error)
{
    CArchive ar;
    list.Serialize(ar);
    std::string tmp = path + ".tmp" + std::to_string((long)getpid());
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (out) out.write(ar.Buffer().data(), (std::streamsize)ar.Buffer().size());
        if (out) out.flush();
        if (!out) {
            error = "Cannot write \"" + path + "\": " + std::strerror(errno) + ".";
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        error = "Cannot write \"" + path + "\": " + ec.message() + ".";
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

ImportCommandResult RunImportCommand(const std::vector<std::string>& args)
{
    ImportCommandResult r;
    std::string ged, save, doc;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--import" || a == "--save") && i + 1 < args.size()) {
            std::string& target = a == "--import" ? ged : save;
            if (!target.empty()) {
                r.exitCode = 2;
                r.error = a + " is given twice";
                return r;
            }
            target = args[++i];
        } else if (a.rfind("--", 0) == 0 || !doc.empty()) {
            r.exitCode = 2;
            r.error = "unexpected argument \"" + a + "\"";
            return r;
        } else {
            doc = a;
        }
    }
    return RunImportCommand(ged, save, doc);
}

ImportCommandResult RunImportCommand(const std::string& ged, const std::string& saveTo, const std::string& doc)
{
    ImportCommandResult r;
    if (ged.empty() || (saveTo.empty() && doc.empty())) {
        r.exitCode = 2;
        r.error = ged.empty() ? std::string(kUsage) : "no document to save to: give DOC.kfd or --save OUT.kfd";
        return r;
    }
    const std::string save = saveTo.empty() ? doc : saveTo;

    BirthdayList list;
    if (!doc.empty() && !LoadKfdFile(doc, list, r.error)) {
        r.exitCode = 1;
        return r;
    }
    std::string bytes;
    if (!ReadWholeFile(ged, bytes, r.error)) {
        r.exitCode = 1;
        return r;
    }
    // Conflicts keep the stored date.
    list.SetChooser([](const CString&, const CString&, const CString&, const CString&) { return DateChoice::B; });
    GedcomImportStats stats = ImportGedcom(bytes, list);
    list.SortByDate();
    if (!SaveKfdFile(save, list, r.error)) {
        r.exitCode = 1;
        return r;
    }
    r.output = std::to_string(stats.added) + " added, " + std::to_string(stats.merged) + " merged, " +
               std::to_string(stats.conflictsKept) + " conflicts kept (" + std::to_string(list.GetCount()) +
               " entries saved to " + save + ")";
    return r;
}
