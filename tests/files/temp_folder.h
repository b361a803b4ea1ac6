#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace zarvex1::test {

// A fresh folder per test, removed afterwards; tests never touch the user's real settings.
class TempFolder {
public:
    TempFolder() {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zarvex1-files-") + (info ? info->name() : "test") + "-" +
                           std::to_string(std::random_device{}());
        for (char &c : name)
            if (c == '/')
                c = '_';
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(const char *name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace zarvex1::test
