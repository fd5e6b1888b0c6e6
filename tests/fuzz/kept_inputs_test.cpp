// Every seed of the fuzz corpus and every input a fuzzer once failed on runs
// through its target's invariant checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "test_files.h"

namespace sumimai::fuzz {
namespace {
namespace fs = std::filesystem;

std::vector<std::string> targetNames() {
  std::vector<std::string> names;
  for (const FuzzTarget& t : fuzzTargets()) names.emplace_back(t.name);
  return names;
}

// The files of folder/target, or none when it is not there.
std::vector<fs::path> inputsOf(const fs::path& folder, const std::string& target) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(folder / target, ec)) files.push_back(e.path());
  return files;
}

std::string joined(const Problems& problems) {
  std::string s;
  for (const std::string& p : problems) s += "\n  " + p;
  return s;
}

class KeptInputs : public ::testing::TestWithParam<std::string> {};

TEST_P(KeptInputs, KeepEveryInvariant) {
  Check check = checkNamed(GetParam());
  ASSERT_NE(check, nullptr);
  std::vector<fs::path> files = inputsOf(SUMIMAI_FUZZ_CORPUS, GetParam());
  EXPECT_FALSE(files.empty()) << "no seed corpus for " << GetParam();
  for (const fs::path& kept : inputsOf(SUMIMAI_FUZZ_KEPT_INPUTS, GetParam())) files.push_back(kept);
  for (const fs::path& file : files) {
    Problems problems = check(testing::readFile(file));
    EXPECT_TRUE(problems.empty()) << file.parent_path().filename().string() << "/" << file.filename().string()
                                  << joined(problems);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, KeptInputs, ::testing::ValuesIn(targetNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace sumimai::fuzz
