#pragma once

// Photos of a thin shape, and where their spots lie: shared by the camera's tests and its
// benchmark, which prints the measurements beside the predictions.

#include <cstddef>
#include <vector>

#include "lightfield/camera.h"
#include "lightfield/lightfield.h"
#include "lightfield/strips.h"

namespace lightfield::spots {

inline constexpr int kHeight = 280;

// The fraction of the way up from the lower line of strip row r, as processImage() samples it:
// a ray crosses row r at t = r / (h - 1) of the way down from the upper line.
inline double fractionOfRow(int row) {
  return 1.0 - double(row) / (kHeight - 1);
}

// The camera's photo (n wide) of a strip n x kHeight, white but for black points at the given
// columns of one row.
inline std::vector<unsigned char> photoOfPoints(int n, int row, const std::vector<int>& columns,
                                                const Camera& camera) {
  auto strip = strips::white(n, kHeight);
  for (int x : columns) strips::fillRect(strip, n, kHeight, x, row, 1, 1, {0, 0, 0});
  std::vector<unsigned char> rays(std::size_t(3) * n * n), photo(std::size_t(3) * n);
  std::vector<unsigned char> marks = rays;
  processImage(strip.data(), kHeight, n, rays.data());
  static CameraScratch scratch;
  cameraPhoto(rays.data(), n, n, camera, photo.data(), marks.data(), scratch);
  return photo;
}

// Runs of photo pixels that are not white: where some weighted sample meets a point.
struct Run {
  int first = 0;
  int last = 0;
  double middle() const { return 0.5 * (first + last); }
  int length() const { return last - first + 1; }
};

inline std::vector<Run> darkRuns(const std::vector<unsigned char>& photo) {
  std::vector<Run> runs;
  const int n = int(photo.size() / 3);
  for (int i = 0; i < n; ++i) {
    const unsigned char* p = &photo[std::size_t(3) * i];
    if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;
    if (!runs.empty() && runs.back().last == i - 1)
      runs.back().last = i;
    else
      runs.push_back({i, i});
  }
  return runs;
}

// From the first dark pixel to the last.
inline Run extent(const std::vector<Run>& runs) {
  return runs.empty() ? Run{0, -1} : Run{runs.front().first, runs.back().last};
}

}  // namespace lightfield::spots
