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
  const int halfLength = depthOfField();
  const bool haveRays = buffer != nullptr && buffer2 != nullptr && rayBytes(width) > 0;
  if (haveRays) std::memcpy(buffer.get(), buffer2.get(), rayBytes(width));
  if (haveRays) {
    lightfield::takePhoto(buffer2.get(), width, width, photo_.get(), buffer.get(), halfLength,
                          steps.colStep, steps.rowStep);
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

void DrawView::changeOptics(QObject* sender) {
  const double aperture =
      lightfield::optics::apertureWidth(static_cast<double>(focusDegrees()), depthOfField());
  _camera.setWidth(static_cast<float>(aperture / 2));
  setNeedsDisplayInRect(bounds());
  takePhoto(sender);
}
