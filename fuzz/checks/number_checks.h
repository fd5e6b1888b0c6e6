// Checks of the number forms: reading a text as a number, rounding, and the
// print form.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Reads bytes as a text box and as a number item, and takes their first 8
// bytes as a double: every value read is finite; rounding is to the nearest
// integer, halves to even; colour components lie in 0..255; the print form
// is ASCII, reads back, and writing what it reads gives the same form.
Problems checkNumberForms(std::string_view bytes);

// The print-form rules for one value (any double, NaN and infinities included).
void checkPrintForm(double value, Problems& problems);

}  // namespace sumimai::fuzz
