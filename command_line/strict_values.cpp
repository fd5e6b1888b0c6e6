#include "strict_values.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/user_language.h"

namespace sumimai {
namespace {

constexpr char kContext[] = "StrictValues";

std::string number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}


std::vector<std::string_view> partsOf(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

}  // namespace

std::string notAValue(std::string_view option, const char* needs, std::string_view text) {
  return filledIn(userText(kContext, "%1 needs %2, not '%3'"), {option, userText(kContext, needs), text});
}

std::string outsideRange(std::string_view subject, double value, double low, double high) {
  return filledIn(userText(kContext, "%1 %2 is outside %3..%4"), {subject, number(value), number(low), number(high)});
}

std::optional<long long> strictWholeNumber(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || at != end) return std::nullopt;
  return value;
}

std::optional<double> strictRealNumber(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (text.empty() || error != std::errc() || at != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

ValueRead<int> wholeNumberIn(std::string_view option, std::string_view text, int low, int high) {
  const std::optional<long long> value = strictWholeNumber(text);
  if (!value) return {std::nullopt, notAValue(option, "a whole number", text)};
  if (*value < low || *value > high) return {std::nullopt, outsideRange(option, static_cast<double>(*value), low, high)};
  return {static_cast<int>(*value), ""};
}

ValueRead<double> realNumberIn(std::string_view option, std::string_view text, double low, double high) {
  const std::optional<double> value = strictRealNumber(text);
  if (!value) return {std::nullopt, notAValue(option, "a number", text)};
  if (*value < low || *value > high) return {std::nullopt, outsideRange(option, *value, low, high)};
  return {value, ""};
}

ValueRead<PictureSize> pictureSize(std::string_view option, std::string_view text) {
  const std::vector<std::string_view> parts = partsOf(text, 'x');
  std::optional<long long> w, h;
  if (parts.size() == 2) w = strictWholeNumber(parts[0]), h = strictWholeNumber(parts[1]);
  if (!w || !h) return {std::nullopt, notAValue(option, "WIDTHxHEIGHT in pixels", text)};
  if (*w < 1 || *h < 1) return {std::nullopt, filledIn(userText(kContext, "the size %1 has no pixels"), {text})};
  if (*w > kLargestSide || *h > kLargestSide) {
    return {std::nullopt, filledIn(userText(kContext, "the size %1 is too large (at most %2 a side)"),
                                   {text, std::to_string(kLargestSide)})};
  }
  return {PictureSize{static_cast<int>(*w), static_cast<int>(*h)}, ""};
}

ValueRead<Rgb> rgbColour(std::string_view option, std::string_view text) {
  const std::vector<std::string_view> parts = partsOf(text, ',');
  int c[3] = {-1, -1, -1};
  for (std::size_t i = 0; i < parts.size() && parts.size() == 3; ++i) {
    const std::optional<long long> v = strictWholeNumber(parts[i]);
    if (v && *v >= 0 && *v <= 255) c[i] = static_cast<int>(*v);
  }
  if (c[0] < 0 || c[1] < 0 || c[2] < 0) return {std::nullopt, notAValue(option, "R,G,B with each 0..255", text)};
  return {Rgb{c[0], c[1], c[2]}, ""};
}

}  // namespace sumimai
