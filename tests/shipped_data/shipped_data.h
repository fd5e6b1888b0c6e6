// The shipped data folder of this source tree, read through the programs'
// own loaders, for the tests of the data.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data_files/character_list.h"
#include "data_files/stroke_table.h"

namespace sumimai::testing {

// data/ of the source tree this test was built from.
inline std::filesystem::path shippedData() { return std::filesystem::path(SUMIMAI_REPOSITORY) / "data"; }
inline std::filesystem::path shippedStrokes() { return shippedData() / "般若心経"; }

// The sutra's 276 characters from 文字2.csv, slots 1..276 (fails the test if unreadable).
SutraTextTable shippedSutra();

// The distinct characters' stroke file names in order of first appearance,
// then the sample's.
std::vector<std::string> shippedStrokeFileNames();

// The records of a stroke file, slots 1 up to the end mark (exclusive).
std::vector<StrokeRecord> shippedRecords(const std::string& fileName);

}  // namespace sumimai::testing
