// Checks of the learner's trace reader and the grader behind it on
// arbitrary bytes.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Reads bytes as a trace. A trace that is refused says why, in UTF-8, and
// gives nothing. One that is read has one character (valid UTF-8) and
// strokes of at least one point each, every coordinate finite and near the
// box; judged against a small model character it gets one judgement per
// stroke, each taken for a stroke of the model or for none as its problem
// says, no model stroke taken twice, the strokes
// missing in increasing order only when fewer were written, and a score
// of 0..100.
Problems checkTrace(std::string_view bytes);

}  // namespace sumimai::fuzz
