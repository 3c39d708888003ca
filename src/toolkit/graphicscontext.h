#pragma once

#include <QPainter>

#include "toolkit/color.h"
#include "toolkit/geometry.h"

namespace toolkit {

// The drawing state of one pass over a y-up painter. Settings persist until
// changed again within the pass; nothing restores them.
class GraphicsContext {
 public:
  explicit GraphicsContext(QPainter& painter) : painter_(painter) {}

  QPainter& painter() const { return painter_; }

  void setShouldAntialias(bool on) { painter_.setRenderHint(QPainter::Antialiasing, on); }
  bool shouldAntialias() const { return painter_.testRenderHint(QPainter::Antialiasing); }

  // Where pattern colours lay their tiles, in the coordinates of the pass.
  void setPatternPhase(CGPoint phase) { phase_ = phase; }
  CGPoint patternPhase() const { return phase_; }

  void setColor(const Color& color) { color_ = color; }
  const Color& color() const { return color_; }
  QBrush currentBrush() const { return color_.brush(phase_); }

 private:
  QPainter& painter_;
  CGPoint phase_;
  Color color_ = Color::blackColor();
};

}  // namespace toolkit
