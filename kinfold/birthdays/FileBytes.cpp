// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/FileBytes.h"
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include "platform/DurableFile.h"

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "Cannot read \"" + path + "\": it is a folder.";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Cannot open \"" + path + "\": " + std::strerror(errno) + ".";
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        error = "Cannot read \"" + path + "\".";
        return false;
    }
    bytes = buffer.str();
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error)
{
    std::string why;
    if (!ReplaceFileDurably(path, bytes, why)) {
        error = "Cannot write \"" + path + "\": " + why + ".";
        return false;
    }
    return true;
}
