// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/FileBytes.h"
#include "platform/Translate.h"
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include "platform/DurableFile.h"

std::FILE* OpenForReading(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = FillIn(TextTranslation::translate("FileBytes", "Cannot read \"%1\": it is a folder."), {path});
        return nullptr;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) error = FillIn(TextTranslation::translate("FileBytes", "Cannot open \"%1\": %2."), {path, std::strerror(errno)});
    return f;
}

namespace {

bool ReadUpTo(const std::string& path, size_t count, std::string& bytes, std::string& error)
{
    std::FILE* f = OpenForReading(path, error);
    if (!f) return false;
    std::string out;
    // A file's size, where it has one, spares the copies of a growing buffer.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) out.reserve((size_t)std::min<uintmax_t>(size, count));
    char buffer[1 << 16];
    size_t n;
    while (out.size() < count && (n = std::fread(buffer, 1, std::min(sizeof buffer, count - out.size()), f)) > 0)
        out.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = FillIn(TextTranslation::translate("FileBytes", "Cannot read \"%1\"."), {path});
        return false;
    }
    bytes = std::move(out);
    return true;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error)
{
    return ReadUpTo(path, SIZE_MAX, bytes, error);
}

bool ReadFileHead(const std::string& path, size_t count, std::string& bytes, std::string& error)
{
    return ReadUpTo(path, count, bytes, error);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error)
{
    std::string why;
    if (!ReplaceFileDurably(path, bytes, why)) {
        error = FillIn(TextTranslation::translate("FileBytes", "Cannot write \"%1\": %2."), {path, why});
        return false;
    }
    return true;
}
