#include "tradition.h"

#include <algorithm>
#include <cctype>

#include "folder_files.h"

namespace sumimai {
namespace {

std::string lowered(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  std::replace(out.begin(), out.end(), '_', '-');
  return out;
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

std::string_view traditionName(Tradition tradition) {
  switch (tradition) {
    case Tradition::Japanese: return "ja";
    case Tradition::Mainland: return "zh-Hans";
    case Tradition::Taiwan: return "zh-Hant";
    case Tradition::Korean: return "ko";
  }
  return "ja";
}

std::optional<Tradition> traditionNamed(std::string_view name) {
  // A locale name: its language and region, without the encoding or modifier.
  const std::string n = lowered(name.substr(0, name.find_first_of(".@")));
  for (Tradition t : kTraditions) {
    if (n == lowered(traditionName(t))) return t;
  }
  if (n == "ja-jp") return Tradition::Japanese;
  if (n == "ko-kr") return Tradition::Korean;
  if (startsWith(n, "zh-hant") || n == "zh-tw" || n == "zh-hk" || n == "zh-mo") return Tradition::Taiwan;
  if (startsWith(n, "zh-hans") || n == "zh" || n == "zh-cn" || n == "zh-sg") return Tradition::Mainland;
  return std::nullopt;
}

std::string libraryFileName(Tradition tradition) {
  if (tradition == Tradition::Japanese) return kLibraryFileName;
  return "文字集-" + std::string(traditionName(tradition)) + ".smlib";
}

std::vector<Tradition> fallbackOrder(Tradition tradition) {
  using enum Tradition;
  switch (tradition) {
    case Japanese: return {Japanese, Mainland};
    case Mainland: return {Mainland, Japanese};
    case Taiwan: return {Taiwan, Mainland, Japanese};
    case Korean: return {Korean, Taiwan, Mainland, Japanese};
  }
  return {tradition};
}

}  // namespace sumimai
