#include "checks.h"

#include "library_checks.h"
#include "number_checks.h"
#include "settings_checks.h"
#include "stroke_checks.h"
#include "text_checks.h"
#include "text_file_checks.h"
#include "trace_checks.h"

namespace sumimai::fuzz {

std::span<const FuzzTarget> fuzzTargets() {
  static constexpr FuzzTarget kTargets[] = {
      {"text_items", checkTextItems}, {"number_forms", checkNumberForms},   {"stroke_file", checkStrokeFile},
      {"page_file", checkPageFile},   {"settings_file", checkSettingsFile}, {"library", checkLibrary},
      {"trace", checkTrace},          {"text_file", checkTextFile},
  };
  return kTargets;
}

Check checkNamed(std::string_view name) {
  for (const FuzzTarget& t : fuzzTargets()) {
    if (t.name == name) return t.check;
  }
  return nullptr;
}

}  // namespace sumimai::fuzz
