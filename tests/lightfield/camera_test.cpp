// The camera's photo against its literal reference and against the specified photo.
#include "lightfield/camera.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "lightfield/lightfield.h"
#include "lightfield/reference.h"
#include "lightfield/strips.h"

namespace lightfield {
namespace {

using Bytes = std::vector<unsigned char>;
using strips::Rng;

constexpr Aperture kApertures[] = {Aperture::Box, Aperture::Tent, Aperture::Gaussian,
                                   Aperture::TwoSlits, Aperture::Pinholes};

Bytes noise(int rows, int cols, std::uint64_t seed) {
  Rng rng(seed);
  Bytes image(std::size_t(3) * rows * cols);
  for (auto& byte : image) byte = (unsigned char)rng.range(0, 255);
  return image;
}

std::string describe(const Camera& c, int rows, int cols) {
  return std::to_string(rows) + "x" + std::to_string(cols) + " p=" + std::to_string(c.viewpoint) +
         " d=" + std::to_string(c.halfLength) + " steps " + std::to_string(c.colStep) + "," +
         std::to_string(c.rowStep) + " aperture " + std::to_string(int(c.aperture)) +
         " K=" + std::to_string(c.pinholes);
}

struct Shot {
  Bytes photo, marks;
};

Shot shoot(const Bytes& rays, int rows, int cols, const Camera& camera, bool literal = false) {
  static CameraScratch scratch;
  Shot out{Bytes(std::size_t(3) * cols, 7), noise(rows, cols, 77)};
  if (literal)
    reference::cameraPhoto(rays.data(), rows, cols, camera, out.photo.data(), out.marks.data());
  else
    cameraPhoto(rays.data(), rows, cols, camera, out.photo.data(), out.marks.data(), scratch);
  return out;
}

void expectSameShot(const Bytes& rays, int rows, int cols, const Camera& camera) {
  const Shot got = shoot(rays, rows, cols, camera), want = shoot(rays, rows, cols, camera, true);
  ASSERT_TRUE(got.photo == want.photo) << describe(camera, rows, cols);
  ASSERT_TRUE(got.marks == want.marks) << describe(camera, rows, cols);
}

std::pair<float, float> canvasSteps(double degrees) {
  const auto angle = static_cast<float>(degrees * 0.017453292500000002);
  return {std::cos(angle), std::sin(angle)};
}

TEST(CameraPhoto, EqualsReferenceOnRandomImagesCamerasAndProfiles) {
  Rng rng(18);
  const std::pair<float, float> special[] = {
      {1, 0}, {0, 1}, {0, 0}, {1.0f - 0x1p-24f, 0}, {0, 1.0f - 0x1p-24f}, {-0.7f, 2.5f}};
  for (int round = 0; round < 1500; ++round) {
    const int rows = rng.range(1, 50), cols = rng.range(1, 50);
    Camera camera;
    camera.aperture = kApertures[rng.range(0, 4)];
    camera.pinholes = rng.range(0, 18);
    const int dChoices[] = {-1, 0, 1, 2, 3, 5, 7, 12, 30, 61};
    camera.halfLength = dChoices[rng.range(0, 9)];
    camera.viewpoint = rng.range(0, 3) == 0 ? centreViewpoint(rows) : rng.range(-5, rows + 5);
    if (rng.range(0, 3) == 0) {
      std::tie(camera.colStep, camera.rowStep) = special[rng.range(0, 5)];
    } else {
      std::tie(camera.colStep, camera.rowStep) = canvasSteps(rng.unit() * 90.0);
    }
    expectSameShot(noise(rows, cols, rng.next()), rows, cols, camera);
  }
}

// The canvas's sizes: ray-space images of real strips, every profile, wide apertures.
TEST(CameraPhoto, EqualsReferenceOnRaySpaceImagesOfStrips) {
  const int n = 300;
  const Bytes strip = strips::denseRects(n, 280, 5);
  Bytes rays(std::size_t(3) * n * n);
  processImage(strip.data(), 280, n, rays.data());
  Rng rng(3);
  for (const Aperture aperture : kApertures)
    for (const double degrees : {0.0, 5.0, 33.3, 45.0, 71.0, 90.0}) {
      Camera camera;
      camera.aperture = aperture;
      camera.pinholes = rng.range(2, 16);
      camera.halfLength = rng.range(0, 120);
      camera.viewpoint = rng.range(0, n - 1);
      std::tie(camera.colStep, camera.rowStep) = canvasSteps(degrees);
      expectSameShot(rays, n, n, camera);
    }
}

// The specified camera is the box at the centre: photo and marks are takePhoto()'s.
TEST(CameraPhoto, BoxAtTheCentreIsTheSpecifiedPhoto) {
  Rng rng(7);
  const auto check = [](const Bytes& rays, int rows, int cols, int d, float a, float b) {
    const Camera camera = centredBox(rows, d, a, b);
    const Shot got = shoot(rays, rows, cols, camera);
    Shot want{Bytes(std::size_t(3) * cols, 7), noise(rows, cols, 77)};
    takePhoto(rays.data(), rows, cols, want.photo.data(), want.marks.data(), d, a, b);
    EXPECT_TRUE(got.photo == want.photo) << describe(camera, rows, cols);
    EXPECT_TRUE(got.marks == want.marks) << describe(camera, rows, cols);
  };
  for (int round = 0; round < 300; ++round) {
    const int rows = rng.range(1, 60), cols = rng.range(1, 60);
    const int d = rng.range(-2, 80);
    const auto [a, b] = rng.range(0, 4) == 0 ? std::pair{rng.unit() * 6 - 3, rng.unit() * 6 - 3}
                                             : canvasSteps(rng.unit() * 90.0);
    check(noise(rows, cols, rng.next()), rows, cols, d, a, b);
  }
  // The canvas's image at every slider landmark, and half-lengths past the camera's limit.
  const int n = 300;
  const Bytes bars = strips::defaultBars(n);
  Bytes rays(std::size_t(3) * n * n);
  processImage(bars.data(), 280, n, rays.data());
  for (const double degrees : {0.0, 1.0, 30.0, 45.0, 60.0, 89.0, 90.0})
    for (const int d : {0, 1, 25, 50, 300, 5000, INT_MAX}) {
      const auto [a, b] = canvasSteps(degrees);
      check(rays, n, n, d, a, b);
    }
}

// Depth of field 0: a pinhole at p sees one row of ray space, the row of lower-line position p.
TEST(CameraPhoto, PinholePhotoIsTheRayRowOfItsViewpoint) {
  const int n = 37;
  const Bytes rays = noise(n, n, 4);
  for (const Aperture aperture : kApertures)
    for (const int p : {0, 1, 18, 35, 36})
      for (const double degrees : {0.0, 20.0, 90.0}) {
        Camera camera{p, 0, 0, 0, aperture, 16};
        std::tie(camera.colStep, camera.rowStep) = canvasSteps(degrees);
        const Shot got = shoot(rays, n, n, camera);
        const int row = n - 1 - p;
        const Bytes want(rays.begin() + 3 * row * n, rays.begin() + 3 * (row + 1) * n);
        EXPECT_TRUE(got.photo == want) << describe(camera, n, n);
        Bytes marks = noise(n, n, 77);
        for (int i = 0; i < n; i += 10) std::fill_n(marks.begin() + 3 * (row * n + i), 3, 0);
        EXPECT_TRUE(got.marks == marks) << describe(camera, n, n);
      }
}

TEST(CameraPhoto, ProfileWeights) {
  const auto weights = [](Aperture aperture, int d, int k = 2) {
    std::vector<int> out;
    for (int j = -d - 1; j <= d + 1; ++j)
      out.push_back(apertureWeight(Camera{0, d, 1, 0, aperture, k}, j));
    return out;
  };
  using V = std::vector<int>;
  EXPECT_EQ(weights(Aperture::Box, 2), (V{0, 1, 1, 1, 1, 1, 0}));
  EXPECT_EQ(weights(Aperture::Tent, 3), (V{0, 1, 2, 3, 4, 3, 2, 1, 0}));
  EXPECT_EQ(weights(Aperture::TwoSlits, 6), (V{0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0}));
  EXPECT_EQ(weights(Aperture::TwoSlits, 1), (V{0, 1, 0, 1, 0}));
  EXPECT_EQ(weights(Aperture::TwoSlits, 0), (V{0, 1, 0}));
  // sigma = d / 2: e^-2 of the centre at the ends, e^-1/2 at sigma.
  EXPECT_EQ(weights(Aperture::Gaussian, 4),
            (V{0, 8869, 21276, 39750, 57835, 65536, 57835, 39750, 21276, 8869, 0}));
  EXPECT_EQ(weights(Aperture::Gaussian, 0), (V{0, 65536, 0}));
  // Four pinholes over -5..5 at -5, -5/3, 5/3 and 5, rounded; three at the ends and the middle.
  EXPECT_EQ(weights(Aperture::Pinholes, 5, 4), (V{0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0}));
  EXPECT_EQ(weights(Aperture::Pinholes, 5, 3), (V{0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}));
  // Sixteen pinholes at (2 j - 15) / 5 on seven samples pile up; K is clamped to 2 .. 16.
  EXPECT_EQ(weights(Aperture::Pinholes, 3, 16), (V{0, 2, 2, 3, 2, 3, 2, 2, 0}));
  EXPECT_EQ(weights(Aperture::Pinholes, 3, 40), weights(Aperture::Pinholes, 3, 16));
  EXPECT_EQ(weights(Aperture::Pinholes, 3, 0), weights(Aperture::Pinholes, 3, 2));
  EXPECT_EQ(weights(Aperture::Pinholes, 0, 7), (V{0, 7, 0}));
  for (const Aperture aperture : kApertures)
    for (int d : {0, 1, 6, 49, 50})
      for (int k = 2; k <= 16; ++k) {
        const V w = weights(aperture, d, k);
        EXPECT_EQ(w, V(w.rbegin(), w.rend())) << "symmetric: " << int(aperture) << " d=" << d;
        if (aperture == Aperture::Pinholes) {
          int sum = 0;
          for (int x : w) sum += x;
          EXPECT_EQ(sum, k) << "d=" << d;
        }
      }
}

TEST(CameraPhoto, KeepApertureWidth) {
  struct Case {
    double width, degrees;
    int cap, halfLength;
    bool capped;
  };
  const Case cases[] = {{50, 30, 300, 50, false}, {50, 90, 300, 25, false},
                        {50, 5, 300, 287, false}, {50, 0.5, 300, 300, true},
                        {50, 0, 300, 300, true},  {20, 45, 300, 14, false},
                        {0, 45, 300, 0, false},   {-3, 0, 300, 0, false},
                        {1, 90, 300, 1, false},   {600, 90, 300, 300, false}};
  for (const Case& c : cases) {
    const FixedWidth got = halfLengthForWidth(c.width, canvasSteps(c.degrees).second, c.cap);
    EXPECT_EQ(got.halfLength, c.halfLength) << c.width << " at " << c.degrees;
    EXPECT_EQ(got.capped, c.capped) << c.width << " at " << c.degrees;
  }
  // The aperture it gives spans the width on the lower line, to within one sample's share.
  for (double degrees = 3; degrees <= 90; degrees += 0.7) {
    const float sine = canvasSteps(degrees).second;
    const FixedWidth got = halfLengthForWidth(40, sine, 1000);
    EXPECT_NEAR(2 * got.halfLength * sine, 40, sine) << degrees;
  }
  EXPECT_TRUE(halfLengthForWidth(1, std::nanf(""), 300).capped);
}

}  // namespace
}  // namespace lightfield
