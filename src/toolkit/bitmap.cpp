#include "toolkit/bitmap.h"

#include <cassert>

namespace toolkit {

QImage imageOverPackedRGB(const unsigned char* data, int width, int height) {
  if (data == nullptr || width <= 0 || height <= 0) return QImage();
  return QImage(data, width, height, 3 * width, QImage::Format_RGB888);
}

void copyToPackedRGB(const QImage& image, int width, int height, unsigned char* strip) {
  assert(width <= image.width() && height <= image.height());
  const QImage rgb =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    unsigned char* out = strip + 3 * static_cast<long>(y) * width;
    for (int x = 0; x < width; ++x) {
      out[3 * x] = static_cast<unsigned char>(qRed(row[x]));
      out[3 * x + 1] = static_cast<unsigned char>(qGreen(row[x]));
      out[3 * x + 2] = static_cast<unsigned char>(qBlue(row[x]));
    }
  }
}

}  // namespace toolkit
