// The sharp band of the focus-depth aid against real photos: a wide bar is
// rendered at many heights, and the width of its left edge is measured in the
// photo row the canvas takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "app/teachingaids.h"
#include "lightfield/optics.h"
#include "support/window_fixture.h"

using fixture::CanvasRig;
using lightfield::Aperture;
namespace optics = lightfield::optics;

namespace {

const QRgb kBar = qRgb(40, 90, 200) & 0xffffff;

// Photo pixels that are neither background nor bar: the edge's width.
int edgeWidth(const DrawView& canvas) {
  int mixed = 0;
  for (int i = 0; i < canvas.stripWidth(); ++i) {
    const QRgb c = fixture::rgb(canvas.photoRow() + 3 * i);
    mixed += c != kBar && c != 0xffffffu;
  }
  return mixed;
}

// A bar 3 pixels high with its bottom row at canvas row y, from x = 140 to the
// right edge: only its left edge shows in the photo, whatever the height.
int edgeWidthAt(CanvasRig& rig, int y) {
  auto bar = makeShape<Rectangle>(CGRectMake(140, y, 161, 4));
  bar->setColor(toolkit::Color::colorWithCalibratedRed(40 / 255.0, 90 / 255.0, 200 / 255.0, 1));
  std::vector<std::unique_ptr<Shape>> shapes;
  shapes.push_back(std::move(bar));
  rig.canvas.replaceShapes(std::move(shapes));
  rig.canvas.doRender(nullptr);
  return edgeWidth(rig.canvas);
}

}  // namespace

TEST(FocusBand, MeasuredEdgesFollowTheSamplesAndStaySharpInsideTheBand) {
  const struct {
    double degrees;
    int dof;
    std::vector<int> heights;
    // The camera panel's choices: the band and readout follow the camera that takes the photo.
    lightfield::CameraChoice choice = {};
  } settings[] = {
      {45.0,
       10,
       {40, 80, 110, 130, 138, 142, 144, 146, 148, 150, 152, 154, 156, 160, 170, 200, 260}},
      {60.0, 5, {100, 150, 165, 172, 176, 180, 184, 188, 192, 196, 200, 206, 215, 240, 280}},
      {20.0, 3, {30, 50, 60, 70, 80, 90, 100, 110, 130, 180, 280}},
      // The readout's landmarks: edge-on, low, middle and straight up, wide and narrow. Not
      // right over the lower line, where the photo sees too little of the strip to show the edge.
      {0.0, 10, {30, 60, 100, 150, 200, 250, 288}},
      {5.0, 10, {30, 40, 60, 100, 150, 200, 288}},
      {20.0, 10, {50, 70, 80, 90, 100, 110, 130, 180, 280}},
      {90.0, 10, {100, 200, 250, 265, 270, 275, 278, 282, 286, 288}},
      {0.0, 25, {40, 60, 150, 288}},
      {5.0, 3, {30, 60, 150, 288}},
      {45.0, 3, {60, 120, 134, 138, 142, 146, 150, 154, 158, 162, 166, 170, 200}},
      {90.0, 3, {60, 200, 240, 246, 250, 256, 262, 270, 280, 288}},
      // Off the centre, with each profile, and with a kept aperture width (its d from the angle).
      {45.0, 10, {130, 140, 144, 148, 152, 156, 170, 220}, {190, Aperture::Box}},
      {20.0, 3, {60, 80, 90, 100, 103, 110, 130, 200}, {110, Aperture::Box}},
      {5.0, 10, {100, 150, 200, 288}, {200, Aperture::Box}},
      {60.0, 8, {120, 165, 176, 184, 186, 187, 192, 200, 215, 260}, {120, Aperture::Tent}},
      {45.0, 6, {90, 134, 140, 146, 152, 158, 200}, {-1, Aperture::Gaussian}},
      {30.0, 12, {90, 100, 106, 112, 118, 130, 180}, {170, Aperture::TwoSlits}},
      {45.0, 9, {100, 136, 142, 148, 154, 200}, {-1, Aperture::Pinholes, 3}},
      {10.0, 12, {40, 50, 58, 59, 60, 61, 80, 150}, {130, Aperture::Pinholes, 2}},
      {30.0, 10, {60, 90, 100, 106, 112, 118, 130, 180}, {-1, Aperture::Box, 2, true}},
      {70.0, 10, {150, 190, 200, 206, 212, 230, 280}, {180, Aperture::Tent, 2, true}},
  };
  for (const auto& s : settings) {
    CanvasRig rig;
    rig.canvas.setCameraChoice(s.choice);
    rig.setOptics(s.degrees, s.dof);
    // A kept width takes its half-length from the strip's width, known after a render.
    rig.canvas.doRender(nullptr);
    // The band as the window draws it: from a middle pixel's real samples.
    const lightfield::CameraSettings camera = rig.canvas.cameraSettings();
    const int viewpoint = camera.viewpointIn(300);
    std::vector<optics::Pixel> samples;
    const TeachingAids::Sharpness sharpness = TeachingAids::sharpness(camera, 300, samples);
    const optics::Band band = sharpness.band;
    const double low = optics::heightOfFraction(band.low);
    const double high = optics::heightOfFraction(band.high);
    const QString readout = TeachingAids::focusReadout(camera, 300);
    std::printf(
        "focus %.0f deg, depth of field %d (d = %d, viewpoint %d, profile %d): line at y = %.1f, "
        "band y = %.1f .. %.1f\n",
        s.degrees, s.dof, camera.halfLength, viewpoint, static_cast<int>(s.choice.aperture),
        optics::heightOfFraction(optics::focusFraction(s.degrees)), low, high);
    std::printf("  readout: %s\n", qPrintable(readout));
    std::printf("  %6s %8s %8s %9s %8s\n", "y", "formula", "samples", "measured", "in band");
    int insideCount = 0, narrowest = 1 << 20;
    const bool sparse = s.choice.aperture == Aperture::Pinholes;
    std::pair<int, int> slants{1 << 20, -(1 << 20)};  // u - v over the samples
    for (const optics::Pixel& p : samples) {
      const int slant = p.column - (300 - 1 - p.row);
      slants = {std::min(slants.first, slant), std::max(slants.second, slant)};
    }
    for (int height : s.heights) {
      // The edge is the bar's lowest pixel row, centred half a unit above y.
      const double y = height + 0.5;
      const double lambda = optics::fractionOfHeight(y);
      const double formula = optics::edgeBlur(s.degrees, camera.halfLength, lambda);
      const double predicted = optics::sampledBlur(samples, 300, lambda);
      // Off the centre the edge's image moves by parallax: measure it only whole in the photo.
      const double image = (140.0 - (1.0 - lambda) * viewpoint) / lambda;
      if (image - predicted / 2 < 1.0 || image + predicted / 2 > 298.0) {
        ADD_FAILURE() << "edge outside the photo: " << s.degrees << " deg, y " << y;
        continue;
      }
      const int width = edgeWidthAt(rig, height);
      narrowest = std::min(narrowest, width);
      const bool inside = y >= low && y <= high;
      std::printf("  %6.1f %8.2f %8.2f %9d %8s\n", y, formula, predicted, width,
                  inside ? "yes" : "");
      // The engine's samples predict the measured width to a pixel or so. With few samples
      // (pinholes) the bar's three rows above its edge row count too: each sample's ray crosses
      // them 3 / 280 of its slant further along, and no sample in between evens that out.
      const double tilt = sparse ? 3.0 / 280.0 * (slants.second - slants.first) / lambda : 0.0;
      EXPECT_LE(std::abs(width - predicted), 1.0 + 0.05 * predicted + tilt)
          << s.degrees << " deg, y " << y;
      // Inside the band the blur is at most one pixel. Counting mixed pixels,
      // a spread of b pixels straddles the edge in floor(b) + 1 of them at
      // most, depending on where the edge falls: two for b <= 1.
      if (inside) {
        EXPECT_LE(width, 2) << s.degrees << " deg, d " << s.dof << ", viewpoint " << viewpoint
                            << ", y " << y;
        ++insideCount;
      }
      // Outside, a blur that is plain to see measures wider than anything inside.
      if (!inside && predicted >= 3.0) {
        EXPECT_GE(width, 3) << s.degrees << " deg, d " << s.dof << ", y " << y;
      }
    }
    if (sharpness.nothingSharp()) {
      // No band, and the readout says so with a least blur every height shows.
      EXPECT_TRUE(readout.contains(QStringLiteral("nothing is sharp"))) << qPrintable(readout);
      EXPECT_GT(sharpness.sharpestBlur, 1.0);
      const auto at = readout.indexOf(QStringLiteral("blur ≥ "));
      ASSERT_GE(at, 0) << qPrintable(readout);
      const double least = readout.mid(at + 7).section(' ', 0, 0).toDouble();
      EXPECT_LE(least, sharpness.sharpestBlur + 1e-6) << qPrintable(readout);
      EXPECT_GT(least, sharpness.sharpestBlur - 0.1) << qPrintable(readout);
      EXPECT_GE(narrowest + 1.0, least) << s.degrees << " deg, d " << s.dof;
    } else {
      EXPECT_FALSE(readout.contains(QStringLiteral("nothing"))) << qPrintable(readout);
      // A band that is a single height (blurred exactly one pixel) holds no bar's edge.
      if (high - low >= 1.0) {
        EXPECT_GT(insideCount, 0) << s.degrees << " deg, d " << s.dof;
      }
    }
  }
  // Edge-on with any aperture nothing is sharp; a pinhole keeps everything sharp.
  std::vector<optics::Pixel> samples;
  for (int d : {1, 10, 50})
    EXPECT_TRUE(TeachingAids::sharpness({0.0f, d}, 300, samples).nothingSharp()) << d;
  EXPECT_FALSE(TeachingAids::sharpness({0.0f, 0}, 300, samples).nothingSharp());
}
