// One libFuzzer target; SUMIMAI_FUZZ_TARGET names the check it runs. A broken
// invariant prints what broke and aborts, so that libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "checks/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const sumimai::fuzz::Check check = sumimai::fuzz::checkNamed(SUMIMAI_FUZZ_TARGET);
  if (!check) {
    std::fprintf(stderr, "no fuzz check named %s\n", SUMIMAI_FUZZ_TARGET);
    std::abort();
  }
  sumimai::fuzz::Problems problems = check({reinterpret_cast<const char*>(data), size});
  if (problems.empty()) return 0;
  for (const std::string& p : problems) std::fprintf(stderr, "%s: %s\n", SUMIMAI_FUZZ_TARGET, p.c_str());
  std::abort();
}
