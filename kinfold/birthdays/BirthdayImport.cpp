// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/BirthdayImport.h"
#include "platform/Translate.h"
#include "birthdays/FileBytes.h"
#include "birthdays/GedcomReader.h"
#include "birthdays/TextDecoding.h"
#include "birthdays/VCardImport.h"
#include "birthdays/VCardReader.h"

namespace {

// The start of the file as UTF-8 without a byte-order mark, enough to see its first line.
std::string Opening(std::string_view bytes)
{
    std::string_view head = bytes.substr(0, 4096);
    switch (DetectGedcomCharset(head)) {
    case GedcomCharset::Utf16LE:
    case GedcomCharset::Utf16BE: {
        bool be = DetectGedcomCharset(head) == GedcomCharset::Utf16BE;
        bool bom = head.size() >= 2 && ((unsigned char)head[0] == 0xFF || (unsigned char)head[0] == 0xFE);
        return Utf16ToUtf8(bom ? head.substr(2) : head, be);
    }
    default:
        if (head.size() >= 3 && head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
        return std::string(head);
    }
}

std::string NeitherMessage(const std::string& subject)
{
    return FillIn(TextTranslation::translate("BirthdayImport", "%1 is neither a GEDCOM file (\"0 HEAD\") nor a vCard file (\"BEGIN:VCARD\")."),
                            {subject});
}

} // namespace

ImportFormat DetectImportFormat(std::string_view bytes)
{
    if (IsVCardText(bytes)) return ImportFormat::VCard;
    std::string head = Opening(bytes);
    size_t i = 0;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n')) ++i;
    if (i + 1 < head.size() && head[i] == '0' && (head[i + 1] == ' ' || head[i + 1] == '\t')) return ImportFormat::Gedcom;
    return ImportFormat::Unknown;
}

bool ImportBirthdays(std::string_view bytes, BirthdayList& list, BirthdayImportStats& stats, std::string& error)
{
    stats = BirthdayImportStats();
    stats.format = DetectImportFormat(bytes);
    if (stats.format == ImportFormat::VCard) {
        static_cast<ImportCounts&>(stats) = ImportVCards(bytes, list);
        return true;
    }
    if (stats.format == ImportFormat::Gedcom) {
        static_cast<ImportCounts&>(stats) = ImportGedcom(bytes, list);
        return true;
    }
    error = NeitherMessage(TextTranslation::translate("BirthdayImport", "The file"));
    return false;
}

bool ReadImportFile(const std::string& path, std::string& bytes, std::string& error)
{
    if (!ReadWholeFile(path, bytes, error)) return false;
    if (DetectImportFormat(bytes) != ImportFormat::Unknown) return true;
    error = NeitherMessage("\"" + path + "\"");
    return false;
}

bool ImportBirthdayFile(const std::string& path, BirthdayList& list, BirthdayImportStats& stats, std::string& error)
{
    std::string bytes;
    return ReadImportFile(path, bytes, error) && ImportBirthdays(bytes, list, stats, error);
}
