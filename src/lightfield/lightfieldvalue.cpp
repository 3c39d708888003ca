#include "lightfield/lightfieldvalue.h"

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
      data_(std::make_shared<const Data>(Data{std::move(pixels), std::move(strip)})) {
  assert(data_->pixels.size() >= 3 * static_cast<std::size_t>(rows_) * columns_);
  assert(data_->strip.size() >= 3 * static_cast<std::size_t>(columns_) * stripHeight_);
}

const unsigned char* LightField::pixels() const {
  return isEmpty() ? nullptr : data_->pixels.data();
}

const std::vector<unsigned char>& LightField::strip() const {
  static const std::vector<unsigned char> kNone;
  return data_ ? data_->strip : kNone;
}

}  // namespace lightfield
