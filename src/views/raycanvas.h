#pragma once

#include <QObject>
#include <QPointer>

#include "toolkit/event.h"
#include "toolkit/geometry.h"

// The few calls the result views make of the scene canvas: key-downs go on to
// it, and hovers draw a ray (ray space) or a bundle of rays (photo) on it. The
// canvas implements this, so the views need not know the canvas.
class RayCanvas {
 public:
  virtual void keyDown(const toolkit::Event& event) = 0;
  virtual void setRay(CGPoint point) = 0;
  virtual void setSensorRay(double x) = 0;
  virtual void clearRay() = 0;

 protected:
  ~RayCanvas() = default;
};

// An outlet to a RayCanvas that reads as null once the object behind it is
// destroyed, as QPointer does: the window destroys its views in an order of
// its own. An implementation that is no QObject is held as is.
class RayCanvasOutlet {
 public:
  RayCanvasOutlet() = default;
  RayCanvasOutlet(RayCanvas* canvas)  // NOLINT: an outlet is set from a plain pointer
      : canvas_(canvas), object_(dynamic_cast<QObject*>(canvas)), guarded_(object_ != nullptr) {}

  RayCanvas* get() const { return guarded_ && object_.isNull() ? nullptr : canvas_; }
  RayCanvas* operator->() const { return get(); }
  friend bool operator==(const RayCanvasOutlet& outlet, std::nullptr_t) {
    return outlet.get() == nullptr;
  }

 private:
  RayCanvas* canvas_ = nullptr;
  QPointer<QObject> object_;
  bool guarded_ = false;
};
