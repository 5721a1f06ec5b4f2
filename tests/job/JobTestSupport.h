#pragma once
// A reporter that records what the job logic tells the user, and a scratch folder per test.
#include "JobReporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

struct RecordingReporter : IJobReporter {
    std::vector<std::string> information, errors;
    int focusCount = 0;
    void Information(const std::string& m) override { information.push_back(m); }
    void Error(const std::string& m) override { errors.push_back(m); }
    void FocusInitialString() override { ++focusCount; }
};

class ScratchFolder : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("qubrin-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                  std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
        config = folder / "Qubrin.cfg";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string ReadBytes(const std::filesystem::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void WriteBytes(const std::filesystem::path& file, const std::string& bytes) const {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    std::filesystem::path folder, config;
};
