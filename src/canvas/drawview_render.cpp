// The pipeline from scene to pictures: capture, ray-space image, photo.
#include <QElapsedTimer>
#include <cmath>
#include <cstring>

#include "canvas/drawview.h"
#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
#include "toolkit/bitmap.h"
#include "toolkit/controls.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace {

std::size_t rayBytes(int n) {
  return n > 0 ? 3 * static_cast<std::size_t>(n) * n : 0;
}

}  // namespace

float DrawView::focusDegrees() const {
  return _focus != nullptr ? _focus->floatValue() : 0.0f;
}

int DrawView::depthOfField() const {
  return _dof != nullptr ? _dof->intValue() : 0;
}

int DrawView::halfLength() const {
  return choice_.keepWidth ? cameraSettings().halfLength : depthOfField();
}

lightfield::CameraSettings DrawView::cameraSettings() const {
  return lightfield::cameraFromControls(focusDegrees(), depthOfField(), choice_, width);
}

int DrawView::viewpointShift() const {
  const int n = width;
  return n > 0 ? cameraSettings().viewpointIn(n) - lightfield::centreViewpoint(n) : 0;
}

double DrawView::cameraMarkerX() const {
  return bounds().size.width * 0.5 + viewpointShift();
}

void DrawView::setCameraChoice(const lightfield::CameraChoice& choice) {
  if (choice == choice_) return;
  choice_ = choice;
  changeOptics(nullptr);
}

void DrawView::doRender(QObject*) {
  QElapsedTimer timer;
  timer.start();
  ++renderCount_;
  const float lower = _xAxis.getLocation();
  const float upper = _yAxis.getLocation();
  _rect.size.height = static_cast<double>(upper - lower);
  _rect.origin.y = static_cast<double>(lower);
  height = static_cast<int>(_rect.size.height);
  width = static_cast<int>(_rect.size.width);
  // The viewpoint and a kept aperture width place the marker by the strip's width: a camera
  // chosen before the first render (a lesson opened at start) is placed only now.
  placeCameraMarker();

  hideAxes();
  const QImage capture = bitmapOfRect(_rect);
  showAxes();

  const int w = std::max(width, 0), h = std::max(height, 0);
  strip_.assign(3 * static_cast<std::size_t>(w) * h, 255);
  if (!capture.isNull()) toolkit::copyToPackedRGB(capture, w, h, strip_.data());

  // The views still show images over the old blocks until the photo pass
  // below hands them new ones, so the old blocks are freed only after it.
  std::unique_ptr<unsigned char[]> oldBuffer = std::move(buffer);
  std::unique_ptr<unsigned char[]> oldBuffer2 = std::move(buffer2);
  buffer = std::make_unique<unsigned char[]>(rayBytes(width));
  buffer2 = std::make_unique<unsigned char[]>(rayBytes(width));
  lightfield::processImage(strip_.data(), height, width, buffer.get());
  if (rayBytes(width) > 0) std::memcpy(buffer2.get(), buffer.get(), rayBytes(width));
  takePhoto(nullptr);
  setStale(false);
  emit rendered(static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

void DrawView::takePhoto(QObject*) {
  QElapsedTimer timer;
  timer.start();
  std::unique_ptr<unsigned char[]> oldPhoto = std::move(photo_);
  photo_ = std::make_unique<unsigned char[]>(3 * static_cast<std::size_t>(std::max(width, 0)));
  const lightfield::optics::FocusSteps steps = lightfield::optics::focusSteps(focusDegrees());
  const lightfield::CameraSettings camera = cameraSettings();
  const bool haveRays = buffer != nullptr && buffer2 != nullptr && rayBytes(width) > 0;
  if (haveRays) std::memcpy(buffer.get(), buffer2.get(), rayBytes(width));
  if (haveRays && camera.isSpecified(width)) {
    lightfield::takePhoto(buffer2.get(), width, width, photo_.get(), buffer.get(),
                          camera.halfLength, steps.colStep, steps.rowStep);
  } else if (haveRays) {
    if (cameraScratch_ == nullptr) cameraScratch_ = std::make_unique<lightfield::CameraScratch>();
    lightfield::cameraPhoto(buffer2.get(), width, width, camera.cameraFor(width), photo_.get(),
                            buffer.get(), *cameraScratch_);
  }
  if (_photoView != nullptr)
    _photoView->setImage(toolkit::imageOverPackedRGB(photo_.get(), width, 1));
  pushRenderView();
  emit photoTaken(static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

void DrawView::pushRenderView() {
  if (_renderView != nullptr) {
    _renderView->setImage(toolkit::imageOverPackedRGB(buffer.get(), width, width));
  }
}

void DrawView::placeCameraMarker() {
  const double aperture =
      lightfield::optics::apertureWidth(static_cast<double>(focusDegrees()), halfLength());
  const float half = static_cast<float>(aperture / 2);
  if (_camera.location().x != cameraMarkerX()) {
    _camera.initAtPoint({cameraMarkerX(), _camera.location().y}, half);
  } else {
    _camera.setWidth(half);
  }
}

void DrawView::changeOptics(QObject* sender) {
  placeCameraMarker();
  setNeedsDisplayInRect(bounds());
  takePhoto(sender);
}
