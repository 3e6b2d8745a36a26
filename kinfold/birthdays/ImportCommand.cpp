// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/ImportCommand.h"
#include "platform/Translate.h"
#include "birthdays/BirthdayImport.h"
#include "birthdays/FileBytes.h"
#include "birthdays/GedcomReader.h"
#include "platform/Archive.h"
#include <filesystem>

namespace {

const char* kUsage = "usage: kinfold --import FILE [--save OUT.kfd] [DOC.kfd]";

} // namespace

bool LoadKfdFile(const std::string& path, BirthdayList& list, std::string& error)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error)) return false;
    try {
        CArchive ar(std::move(bytes));
        list.Serialize(ar);
    } catch (const CArchiveException&) {
        error = FillIn(TextTranslation::translate("ImportCommand", "\"%1\" is not a Kinfold document or is damaged."), {path});
        return false;
    }
    return true;
}

bool SaveKfdFile(const std::string& path, BirthdayList& list, std::string& error)
{
    CArchive ar;
    list.Serialize(ar);
    return WriteWholeFile(path, ar.Buffer(), error);
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
                r.error = FillIn(TextTranslation::translate("ImportCommand", "%1 is given twice"), {a});
                return r;
            }
            target = args[++i];
        } else if (a.rfind("--", 0) == 0 || !doc.empty()) {
            r.exitCode = 2;
            r.error = FillIn(TextTranslation::translate("ImportCommand", "unexpected argument \"%1\""), {a});
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
        r.error = ged.empty() ? std::string(kUsage)
                              : TextTranslation::translate("ImportCommand", "no document to save to: give DOC.kfd or --save OUT.kfd");
        return r;
    }
    const std::string save = saveTo.empty() ? doc : saveTo;
    // "--import family.ged --save family.ged" would put the list in place of the family tree.
    std::error_code same;
    if (std::filesystem::equivalent(ged, save, same)) {
        r.exitCode = 2;
        r.error = FillIn(TextTranslation::translate("ImportCommand", "%1 is the file being imported; --save needs another name"), {save});
        return r;
    }

    BirthdayList list;
    if (!doc.empty() && !LoadKfdFile(doc, list, r.error)) {
        r.exitCode = 1;
        return r;
    }
    std::string bytes;
    // A GEDCOM file is read a piece at a time: a big family tree is never held whole.
    if (!ReadFileHead(ged, 64 * 1024, bytes, r.error)) {
        r.exitCode = 1;
        return r;
    }
    const bool gedcom = DetectImportFormat(bytes) == ImportFormat::Gedcom;
    if (!gedcom && !ReadWholeFile(ged, bytes, r.error)) {
        r.exitCode = 1;
        return r;
    }
    // Conflicts keep the stored date.
    list.SetChooser([](const CString&, const CString&, const CString&, const CString&) { return DateChoice::B; });
    BirthdayImportStats stats;
    std::string why;
    if (gedcom) {
        GedcomImportStats g;
        if (!ImportGedcomFile(ged, list, g, r.error)) {
            r.exitCode = 1;
            return r;
        }
        static_cast<ImportCounts&>(stats) = g;
        stats.format = ImportFormat::Gedcom;
    } else if (!ImportBirthdays(bytes, list, stats, why)) {
        r.exitCode = 1;
        r.error = FillIn(TextTranslation::translate("ImportCommand", "\"%1\" is neither a GEDCOM file nor a vCard file"), {ged});
        return r;
    }
    // Saved in date order; the list itself goes no further, so its entries are not moved.
    CArchive ar;
    list.StoreSortedByDate(ar);
    if (!WriteWholeFile(save, ar.Buffer(), r.error)) {
        r.exitCode = 1;
        return r;
    }
    r.output = FillIn(TextTranslation::translate("ImportCommand", "%1 (%n entries saved to %2)", nullptr, list.GetCount()),
                                {ImportCountsText(stats), save});
    return r;
}
