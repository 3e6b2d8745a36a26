// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saves that survive a kill and a power cut. The new bytes go to a file beside the target and
// reach the disk before that file takes the target's name; then the folder, which holds the
// name, reaches the disk too. Until the rename the old file is untouched.
#include <string>

// Replaces the file at path with bytes; a symbolic link at path stays, and the file it names is
// replaced. The new file keeps the old one's permissions. On failure the old file is whole, nothing is left
// beside it, and error (and errno) hold the system's reason.
bool ReplaceFileDurably(const std::string& path, const std::string& bytes, std::string& error);

// Appends bytes to the file at path (made when missing) and brings them to the disk.
bool AppendFileDurably(const std::string& path, const std::string& bytes, std::string& error);

// Brings the folder that holds path to the disk, so that a name just made or renamed in it
// outlives a power cut.
bool SyncFolderOf(const std::string& path);
