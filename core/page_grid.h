// The sutra page: its characters and the grid they are written in.
#pragma once

namespace sumimai {

// The characters of the sutra, numbered 1..276 in reading order, title first.
constexpr int kSutraCharacters = 276;

// The page grid: 28 columns of 10 cells, read in columns from right to left.
constexpr int kPageColumns = 28;
constexpr int kPageRows = 10;

}  // namespace sumimai
