#include "library_writer.h"

#include <zlib.h>

#include <stdexcept>

#include "library_format.h"

namespace sumimai {
namespace {

std::string deflated(const std::string& text) {
  uLongf length = compressBound(static_cast<uLong>(text.size()));
  std::string data(length, '\0');
  if (compress2(reinterpret_cast<Bytef*>(data.data()), &length, reinterpret_cast<const Bytef*>(text.data()),
                static_cast<uLong>(text.size()), 9) != Z_OK)
    throw std::runtime_error("zlib cannot compress a stroke file");
  data.resize(length);
  return data;
}

}  // namespace

std::string libraryBytes(const std::map<char32_t, std::string>& texts) {
  using namespace library;
  std::string index, data;
  std::uint32_t offset = static_cast<std::uint32_t>(kHeaderSize + texts.size() * kIndexEntrySize);
  for (const auto& [code, text] : texts) {
    std::string d = deflated(text);
    for (std::uint32_t v : {static_cast<std::uint32_t>(code), offset, static_cast<std::uint32_t>(d.size()),
                            static_cast<std::uint32_t>(text.size())})
      appendU32(index, v);
    offset += static_cast<std::uint32_t>(d.size());
    data += d;
  }
  std::string bytes(kMagic, sizeof kMagic);
  appendU32(bytes, static_cast<std::uint32_t>(texts.size()));
  appendU32(bytes, crc32Of(index));
  return bytes + index + data;
}

}  // namespace sumimai
