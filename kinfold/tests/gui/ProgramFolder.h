// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built program (KQ_PROGRAM) run as a user runs it, in a folder of the test's own that is
// its home: made empty before each test, removed after it.
#include <gtest/gtest.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include "../../../platform/tests/RunProgram.h"

class ProgramFolder : public ::testing::Test {
protected:
    // `prefix` names the folder ("kinfold-cli-"), followed by the process and the test.
    explicit ProgramFolder(const char* prefix) : m_prefix(prefix) {}

    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              (m_prefix + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    runprogram::Result Run(const std::vector<std::string>& args) { return runprogram::Run(KQ_PROGRAM, args, dir); }
    std::filesystem::path SettingsFile() const { return dir / ".config" / "Quorvanth Software" / "Kinfold.conf"; }
    void StoreSettings(const std::string& text)
    {
        std::filesystem::create_directories(SettingsFile().parent_path());
        std::ofstream(SettingsFile(), std::ios::binary) << text;
    }
    std::string SettingsText() const
    {
        std::ifstream in(SettingsFile(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path dir;

private:
    std::string m_prefix;
};
