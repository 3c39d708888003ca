// The overlays' colours against what they are drawn over, as accessibility guidelines count
// contrast: in high contrast every mark keeps 3:1 and every word 4.5:1, over white, over every
// colour a built-in scene holds, over the marks, the plane lines and each other, and over any
// colour a user may give a shape.
#include "views/overlaystyle.h"

#include <gtest/gtest.h>

#include <QColor>
#include <algorithm>
#include <utility>
#include <vector>

#include "document/builtinscenes.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

std::vector<std::pair<const char*, QRgb>> marksOf(const OverlayStyle& s) {
  return {{"focus", s.focus},        {"meeting", s.meeting},    {"depth marks", s.depthMarks},
          {"rays", s.rays},          {"dual line", s.dualLine}, {"samples", s.samples},
          {"highlighted row", s.row}};
}

// Everything a mark can lie over in the canvas or the ray-space view.
std::vector<QRgb> backgrounds(const OverlayStyle& s) {
  std::vector<QRgb> under = {kWhite, kBlack, qRgb(255, 0, 0), qRgb(240, 130, 0)};
  for (const BuiltInScene& scene : builtInScenes())
    for (quint32 seed = 1; seed <= (scene.random ? 30u : 1u); ++seed)
      for (const auto& shape : scene.make(seed)) under.push_back(shape->color().rgba().rgb());
  for (const auto& [name, colour] : marksOf(s)) under.push_back(colour);
  for (int r = 0; r < 256; r += 15)
    for (int g = 0; g < 256; g += 15)
      for (int b = 0; b < 256; b += 15) under.push_back(qRgb(r, g, b));
  return under;
}

}  // namespace

TEST(OverlayStyle, ContrastRatioIsTheGuidelinesFormula) {
  EXPECT_DOUBLE_EQ(contrastRatio(kBlack, kWhite), 21.0);
  EXPECT_DOUBLE_EQ(contrastRatio(kWhite, kBlack), 21.0);
  EXPECT_DOUBLE_EQ(contrastRatio(qRgb(90, 120, 30), qRgb(90, 120, 30)), 1.0);
  // Grey #767676 is the lightest that still reads as text on white; #777777 just fails.
  EXPECT_GE(contrastRatio(qRgb(0x76, 0x76, 0x76), kWhite), 4.5);
  EXPECT_LT(contrastRatio(qRgb(0x77, 0x77, 0x77), kWhite), 4.5);
  EXPECT_NEAR(contrastRatio(qRgb(255, 0, 0), kWhite), 4.0, 0.01);
}

TEST(OverlayStyle, HighContrastMarksStandOutFromEverythingTheyAreDrawnOver) {
  const OverlayStyle& hc = highContrastOverlayStyle();
  ASSERT_TRUE(hc.highContrast);
  ASSERT_TRUE(hc.hasHalo());
  EXPECT_GE(hc.widthScale, 1.5);
  const std::vector<QRgb> under = backgrounds(hc);
  EXPECT_GT(under.size(), 4000u);
  for (const auto& [name, core] : marksOf(hc)) {
    EXPECT_GE(contrastRatio(core, kWhite), 3.0) << name;
    EXPECT_GE(contrastRatio(core, hc.halo), 3.0) << name;
    // Where the core melts into a colour, its halo stands out from it, and the other way round.
    for (const QRgb b : under) {
      const double best = std::max(contrastRatio(core, b), contrastRatio(hc.halo, b));
      ASSERT_GE(best, 3.0) << name << " over #" << std::hex << b;
    }
  }
  EXPECT_GE(contrastRatio(hc.text, hc.textBackground), 4.5);
  EXPECT_GE(contrastRatio(hc.text, kWhite), 4.5);
}

TEST(OverlayStyle, ThePlainLookIsTheOneTheViewsStartWith) {
  EXPECT_EQ(&overlayStyle(), &plainOverlayStyle());
  const OverlayStyle& plain = plainOverlayStyle();
  EXPECT_FALSE(plain.highContrast);
  EXPECT_FALSE(plain.hasHalo());
  EXPECT_EQ(plain.width(1.5), 1.5);
  setHighContrastOverlays(true);
  EXPECT_EQ(&overlayStyle(), &highContrastOverlayStyle());
  setHighContrastOverlays(false);
  EXPECT_EQ(&overlayStyle(), &plainOverlayStyle());
  // Plain marks are light on purpose (cyan samples, the orange row): high contrast is the fix.
  EXPECT_LT(contrastRatio(plain.samples, kWhite), 3.0);
}
