#include "text_file_checks.h"

#include "core/utf8.h"
#include "playback/text_file.h"
#include "writing/composition.h"

namespace sumimai::fuzz {
namespace {

void checkDecoded(std::string_view bytes, const TextFileRead& read, Problems& problems) {
  expect(problems, read.ok(), "decoding refused bytes");
  expect(problems, decodeUtf8(read.text).ok(), "the decoded text is not UTF-8");
  expect(problems, read.text.empty() || (read.text.back() != '\n' && read.text.back() != '\r'),
         "the decoded text ends in a line break");
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (!read.shiftJis) expect(problems, bytes.starts_with(read.text), "UTF-8 bytes came out changed");
}

void checkLaidOut(const std::string& text, const LayoutRequest& request, Problems& problems) {
  static const CharacterLookup punctuation = standardLookup(DataPlaces{});
  const Composed composed = composeText(text, punctuation, request);
  if (!composed.ok()) {
    expect(problems, decodeUtf8(composed.problem).ok(), "a refused layout's reason is not UTF-8");
    return;
  }
  const PictureSize picture = composed.composition.picture;
  expect(problems, picture.width > 0 && picture.height > 0, "a layout without pixels");
  for (const PlacedCharacter& c : composed.composition.characters) {
    const PixelRect& r = c.cell;
    if (r.empty()) continue;  // a line feed has no cell
    const bool inside = r.left >= 0 && r.top >= 0 && r.right <= picture.width && r.bottom <= picture.height;
    expect(problems, inside, "a cell outside the picture");
  }
}

}  // namespace

Problems checkTextFile(std::string_view bytes) {
  Problems problems;
  const TextFileRead read = decodeText(std::string(bytes));
  checkDecoded(bytes, read, problems);
  const std::optional<int> perLine =
      bytes.empty() ? std::nullopt : std::optional<int>(1 + static_cast<unsigned char>(bytes[0]) % 7);
  for (WritingDirection direction : {WritingDirection::Columns, WritingDirection::Rows}) {
    checkLaidOut(read.text, {direction, std::nullopt, std::nullopt}, problems);
    checkLaidOut(read.text, {direction, perLine, PictureSize{640, 480}}, problems);
  }
  return problems;
}

}  // namespace sumimai::fuzz
