// A plane of 32-bit pixels that starts all zero, taken from the system as
// zeroed memory rather than written zero: a large plane's pages are mapped
// only where pixels are first touched, so the rows and columns a drawing
// never reaches (a character's margins) cost no memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace sumimai::raster {

class ZeroedPlane {
 public:
  ZeroedPlane() = default;
  ZeroedPlane(ZeroedPlane&&) noexcept = default;
  ZeroedPlane& operator=(ZeroedPlane&&) noexcept = default;
  ZeroedPlane(const ZeroedPlane& other) { *this = other; }
  ZeroedPlane& operator=(const ZeroedPlane& other) {
    if (this == &other) return *this;
    reset(other.size_);
    if (size_) std::memcpy(pixels_.get(), other.pixels_.get(), size_ * sizeof(std::uint32_t));
    return *this;
  }

  // Drops the pixels for `count` new zero ones (0: none).
  void reset(std::size_t count) {
    pixels_.reset();
    size_ = 0;
    if (count == 0) return;
    pixels_.reset(static_cast<std::uint32_t*>(std::calloc(count, sizeof(std::uint32_t))));
    if (!pixels_) throw std::bad_alloc();
    size_ = count;
  }
  // Sets every pixel to zero, handing the old pages back.
  void zero() { reset(size_); }

  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  std::uint32_t* data() { return pixels_.get(); }
  const std::uint32_t* data() const { return pixels_.get(); }
  std::uint32_t& operator[](std::size_t i) { return pixels_[i]; }
  std::uint32_t operator[](std::size_t i) const { return pixels_[i]; }

 private:
  struct Free {
    void operator()(std::uint32_t* p) const { std::free(p); }
  };
  std::unique_ptr<std::uint32_t[], Free> pixels_;
  std::size_t size_ = 0;
};

}  // namespace sumimai::raster
