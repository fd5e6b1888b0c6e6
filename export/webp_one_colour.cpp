#include "webp_one_colour.h"

namespace sumimai {
namespace {

constexpr int kSideBits = 14;
constexpr std::uint8_t kLosslessSignature = 0x2f;

// Bits packed from the least significant end of each byte, as the lossless
// format reads them.
class BitWriter {
 public:
  void put(std::uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i, ++used_) {
      if (used_ % 8 == 0) bytes_.push_back(0);
      bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | ((value >> i) & 1u) << (used_ % 8));
    }
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  int used_ = 0;
};

// A simple prefix code of one 8-bit symbol: it takes no bits to read.
void putSingleSymbolCode(BitWriter& bits, std::uint32_t symbol) {
  bits.put(1, 1);  // a simple code
  bits.put(0, 1);  // of one symbol
  bits.put(1, 1);  // written in 8 bits
  bits.put(symbol & 0xFFu, 8);
}

}  // namespace

std::vector<std::uint8_t> oneColourLosslessChunk(std::uint32_t pixel, int width, int height) {
  BitWriter bits;
  bits.put(kLosslessSignature, 8);
  bits.put(static_cast<std::uint32_t>(width - 1), kSideBits);
  bits.put(static_cast<std::uint32_t>(height - 1), kSideBits);
  const std::uint32_t alpha = pixel >> 24;
  bits.put(alpha != 0xFF ? 1 : 0, 1);  // whether alpha is used
  bits.put(0, 3);  // version 0
  bits.put(0, 1);  // no transform
  bits.put(0, 1);  // no colour cache
  bits.put(0, 1);  // one prefix code group for the whole image
  putSingleSymbolCode(bits, pixel >> 8);   // green
  putSingleSymbolCode(bits, pixel >> 16);  // red
  putSingleSymbolCode(bits, pixel);        // blue
  putSingleSymbolCode(bits, alpha);
  putSingleSymbolCode(bits, 0);            // distance, never used
  const std::vector<std::uint8_t>& data = bits.bytes();
  std::vector<std::uint8_t> chunk{'V', 'P', '8', 'L'};
  const auto size = static_cast<std::uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
  chunk.insert(chunk.end(), data.begin(), data.end());
  if (size % 2) chunk.push_back(0);
  return chunk;
}

}  // namespace sumimai
