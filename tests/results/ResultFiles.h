#pragma once
// Files for the results tests: a folder of the test's own and a file's bytes.
#include "../support/FileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

// A folder named after the process and the running test, removed afterwards (with a file system
// mounted on it, if the test mounted one).
struct TempDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("brevion-results-" + std::to_string(::getpid()) + "-" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() {
        if (mounted) ::umount2(path.c_str(), MNT_DETACH);
        std::filesystem::remove_all(path);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // A small file system of its own where the machine allows mounting one.
    bool mountTmpfs(const char* options) {
        mounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, options) == 0;
        return mounted;
    }
    bool mounted = false;
};
