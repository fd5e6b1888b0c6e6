// The layout of the character library file (文字集.smlib), shared by its
// writer (libraryBytes, library_writer.h) and its reader (CharacterLibrary).
// All numbers are unsigned 32-bit little-endian.
//
//   header, 16 bytes:
//     0  magic "SMLIB01\n" (8 bytes)
//     8  entry count N
//     12 CRC-32 of the index bytes
//   index, N entries of 16 bytes, sorted by code point, each code point once:
//     0  code point (at most U+10FFFF)
//     4  offset of the entry's data from the start of the file
//     8  length of the data
//     12 length of the stroke file text the data inflates to (at most 1 MiB)
//   data: each entry's stroke file text as one zlib stream (level 9), in
//     index order, back to back from the end of the index to the end of the
//     file.
//
// The writer's output depends only on the texts, so that a regenerated
// library can be compared with the shipped one byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sumimai::library {

inline constexpr char kMagic[8] = {'S', 'M', 'L', 'I', 'B', '0', '1', '\n'};
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kIndexEntrySize = 16;
inline constexpr std::uint32_t kMaxTextSize = 1u << 20;
inline constexpr std::uint32_t kMaxCodePoint = 0x10FFFF;

struct IndexEntry {
  std::uint32_t code = 0;
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
  std::uint32_t textLength = 0;
};

std::uint32_t readU32(const unsigned char* bytes);
void appendU32(std::string& out, std::uint32_t value);
std::uint32_t crc32Of(std::string_view bytes);

}  // namespace sumimai::library
