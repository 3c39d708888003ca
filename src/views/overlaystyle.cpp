#include "views/overlaystyle.h"

#include <algorithm>
#include <cmath>

namespace {

OverlayStyle makePlain() {
  OverlayStyle s;
  s.focus = qRgb(170, 0, 200);
  s.meeting = qRgb(255, 0, 255);
  s.depthMarks = qRgb(20, 20, 20);
  s.rays = qRgba(0, 0, 255, 102);  // 0.4 blue
  s.dualLine = qRgb(255, 0, 255);
  s.samples = qRgb(0, 230, 255);
  s.row = qRgb(255, 140, 0);
  s.text = qRgb(0, 0, 0);
  s.textBackground = qRgb(255, 255, 255);
  return s;
}

// Every core is darker than relative luminance 0.066, so it keeps 3:1 against any colour of
// luminance 0.3 or more, and the white halo keeps 3:1 against any colour below that.
OverlayStyle makeHighContrast() {
  OverlayStyle s;
  s.highContrast = true;
  s.widthScale = 2.0;
  s.halo = qRgb(255, 255, 255);
  s.focus = qRgb(90, 0, 160);
  s.meeting = qRgb(140, 0, 80);
  s.depthMarks = qRgb(0, 0, 0);
  s.rays = qRgb(0, 0, 190);
  s.dualLine = qRgb(140, 0, 80);
  s.samples = qRgb(0, 70, 140);
  s.row = qRgb(110, 55, 0);
  s.text = qRgb(0, 0, 0);
  s.textBackground = qRgb(255, 255, 255);
  return s;
}

bool highContrastOn = false;

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) {
  return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

}  // namespace

const OverlayStyle& plainOverlayStyle() {
  static const OverlayStyle style = makePlain();
  return style;
}

const OverlayStyle& highContrastOverlayStyle() {
  static const OverlayStyle style = makeHighContrast();
  return style;
}

const OverlayStyle& overlayStyle() {
  return highContrastOn ? highContrastOverlayStyle() : plainOverlayStyle();
}

void setHighContrastOverlays(bool on) {
  highContrastOn = on;
}

double contrastRatio(QRgb a, QRgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
