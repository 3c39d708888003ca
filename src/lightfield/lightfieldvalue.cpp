#include "lightfield/lightfieldvalue.h"

#include <algorithm>
#include <cassert>

namespace lightfield {

LightField::LightField(int rows, int columns, std::vector<unsigned char> pixels,
                       RayGeometry geometry, Source source, std::vector<unsigned char> strip,
                       int stripHeight)
    : rows_(rows > 0 && columns > 0 ? rows : 0),
      columns_(rows > 0 && columns > 0 ? columns : 0),
      geometry_(geometry),
      source_(source),
      stripHeight_(strip.empty() ? 0 : stripHeight),
      data_(std::make_shared<Data>(Data{std::move(pixels), std::move(strip)})) {
  assert(data_->pixels.size() >= 3 * static_cast<std::size_t>(rows_) * columns_);
  assert(data_->strip.size() >= 3 * static_cast<std::size_t>(columns_) * stripHeight_);
}

void LightField::assign(int rows, int columns, const unsigned char* pixels, RayGeometry geometry,
                        Source source, const unsigned char* strip, int stripHeight) {
  if (data_ == nullptr || data_.use_count() > 1) data_ = std::make_shared<Data>();
  const bool empty = rows <= 0 || columns <= 0 || pixels == nullptr;
  rows_ = empty ? 0 : rows;
  columns_ = empty ? 0 : columns;
  geometry_ = geometry;
  source_ = source;
  stripHeight_ = strip != nullptr && !empty && stripHeight > 0 ? stripHeight : 0;
  const std::size_t pixelBytes = 3 * static_cast<std::size_t>(rows_) * columns_;
  data_->pixels.assign(pixels, pixels + (empty ? 0 : pixelBytes));
  const std::size_t stripBytes = 3 * static_cast<std::size_t>(columns_) * stripHeight_;
  if (stripHeight_ > 0) {
    data_->strip.assign(strip, strip + stripBytes);
  } else {
    data_->strip.clear();
  }
}

const unsigned char* LightField::pixels() const {
  return isEmpty() ? nullptr : data_->pixels.data();
}

const std::vector<unsigned char>& LightField::strip() const {
  static const std::vector<unsigned char> kNone;
  return data_ ? data_->strip : kNone;
}

Camera CameraSettings::cameraFor(int n) const {
  const optics::FocusSteps s = steps();
  return {viewpointIn(n), halfLength, s.colStep, s.rowStep, choice.aperture, choice.pinholes};
}

CameraSettings cameraFromControls(float focusDegrees, int sliderValue, const CameraChoice& choice,
                                  int n) {
  CameraSettings camera{focusDegrees, sliderValue, choice};
  if (choice.keepWidth) {
    const FixedWidth fixed =
        halfLengthForWidth(sliderValue, optics::focusSteps(focusDegrees).rowStep, std::max(n, 1));
    camera.halfLength = fixed.halfLength;
    camera.width = sliderValue;
    camera.capped = fixed.capped;
  }
  return camera;
}

}  // namespace lightfield
