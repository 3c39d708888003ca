#pragma once

#include <QPointF>
#include <QString>

#include "toolkit/geometry.h"

class QKeyEvent;
class QWidget;

namespace toolkit {

// Key codes of the arrow keys, as the first UTF-16 code unit of `characters`.
inline constexpr char16_t kUpArrowKey = 0xF700;
inline constexpr char16_t kDownArrowKey = 0xF701;
inline constexpr char16_t kLeftArrowKey = 0xF702;
inline constexpr char16_t kRightArrowKey = 0xF703;

// Modifier bits of `modifierFlags`.
inline constexpr unsigned long kShiftKeyMask = 0x20000;
inline constexpr unsigned long kControlKeyMask = 0x40000;
inline constexpr unsigned long kAlternateKeyMask = 0x80000;
inline constexpr unsigned long kCommandKeyMask = 0x100000;

// A mouse or key event as the views see it: y-up window coordinates, key
// characters as UTF-16, modifier flags as bits. Qt events are converted once,
// here, at the edge.
class Event {
 public:
  Event() = default;
  Event(CGPoint locationInWindow, QString characters, unsigned long modifierFlags)
      : location_(locationInWindow), characters_(std::move(characters)), flags_(modifierFlags) {}

  static Event mouse(CGPoint locationInWindow) { return Event(locationInWindow, {}, 0); }
  static Event fromKey(const QKeyEvent& key);
  // The y-up window point of a y-down position in `widget`'s coordinates.
  static CGPoint windowPoint(const QWidget& widget, QPointF position);

  CGPoint locationInWindow() const { return location_; }
  const QString& characters() const { return characters_; }
  unsigned long modifierFlags() const { return flags_; }

 private:
  CGPoint location_;
  QString characters_;
  unsigned long flags_ = 0;
};

}  // namespace toolkit
