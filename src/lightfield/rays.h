#pragma once

#include <cstdint>
#include <cstring>

// The strategies behind processImage. Each takes n >= 1 and h >= 1 and, when it runs, writes
// every byte of the n x n image.
namespace lightfield::detail {

// Exact for every size and content; matches 64 rays at a time along diagonals.
void raysByDiagonal(const unsigned char* strip, int h, int n, unsigned char* rays);

// Writes the image one ray-space row at a time from the strip's coloured runs and returns true,
// or returns false having written nothing when the strip is too wide, too tall or has too many
// runs for its fixed scratch.
bool raysByRow(const unsigned char* strip, int h, int n, unsigned char* rays);

// True when the eight packed RGB pixels at p are all white: they are three whole 64-bit words,
// so a white stretch costs one test.
inline bool eightWhite(const unsigned char* p) {
  std::uint64_t a, b, c;
  std::memcpy(&a, p, 8);
  std::memcpy(&b, p + 8, 8);
  std::memcpy(&c, p + 16, 8);
  return (a & b & c) == ~std::uint64_t{0};
}

}  // namespace lightfield::detail
