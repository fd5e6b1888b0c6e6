#include "progress_bar.h"

#include <algorithm>
#include <string>

namespace sumimai {
namespace {

constexpr int kWidth = 30;
constexpr auto kRedraw = std::chrono::milliseconds(100);

}  // namespace

ProgressBar::ProgressBar(std::FILE* out, std::int64_t total) : out_(out), total_(std::max<std::int64_t>(total, 1)) {}

void ProgressBar::update(std::int64_t index) {
  const Clock::time_point now = Clock::now();
  if (now - drawn_ < kRedraw && index + 1 < total_) return;
  drawn_ = now;
  draw(index + 1);
}

void ProgressBar::draw(std::int64_t done) {
  done = std::min(done, total_);
  const int filled = static_cast<int>(done * kWidth / total_);
  const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
  const double left = done > 0 ? elapsed * static_cast<double>(total_ - done) / static_cast<double>(done) : 0;
  std::fprintf(out_, "\r[%s%s] %3d%%  %lld/%lld frames  %.0f s left ", std::string(filled, '#').c_str(),
               std::string(kWidth - filled, '-').c_str(), static_cast<int>(done * 100 / total_),
               static_cast<long long>(done), static_cast<long long>(total_), left);
  std::fflush(out_);
  open_ = true;
}

void ProgressBar::close() {
  if (open_) std::fputc('\n', out_);
  open_ = false;
}

}  // namespace sumimai
