// The writing traditions: the same code point is written in other forms and
// another stroke order in Japan, mainland China, Taiwan and Korea, and each
// has a character library of its own. A text is written in one tradition;
// where its library lacks a character, the libraries of the fallback order
// are asked in turn.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumimai {

enum class Tradition {
  Japanese,  // ja
  Mainland,  // zh-Hans: mainland China's forms (simplified, and traditional characters in mainland forms)
  Taiwan,    // zh-Hant: the Taiwan standard
  Korean,    // ko
};

inline constexpr std::array<Tradition, 4> kTraditions = {Tradition::Japanese, Tradition::Mainland, Tradition::Taiwan,
                                                         Tradition::Korean};

// ja, zh-Hans, zh-Hant, ko.
std::string_view traditionName(Tradition tradition);
// The tradition of a name (letter case aside; zh-CN/zh-SG and zh-TW/zh-HK/zh-MO
// and a locale name such as ko_KR.UTF-8 are taken too), or nothing.
std::optional<Tradition> traditionNamed(std::string_view name);

// The library file of the tradition: 文字集.smlib (Japanese), 文字集-zh-Hans.smlib, ...
std::string libraryFileName(Tradition tradition);

// The tradition itself, then where its missing characters are taken from:
// zh-Hant → zh-Hans → ja; ko → zh-Hant → zh-Hans → ja; ja → zh-Hans; zh-Hans → ja.
std::vector<Tradition> fallbackOrder(Tradition tradition);

}  // namespace sumimai
