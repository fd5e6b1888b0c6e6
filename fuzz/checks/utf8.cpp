#include "utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace sumimai::fuzz {
namespace {

bool isAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  if (isAscii(text)) return true;
  // One converter for the whole run; converting to UTF-32 rejects every
  // ill-formed sequence.
  static iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::fputs("isValidUtf8: the C library has no UTF-8 converter\n", stderr);
    std::abort();
  }
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) && errno != E2BIG) {
      return false;
    }
  }
  return true;
}

}  // namespace sumimai::fuzz
