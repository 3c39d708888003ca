#pragma once

#include <QImage>

namespace toolkit {

// An image that shows a packed RGB buffer (3 bytes a pixel, row 0 on top, no
// padding) without copying it: the buffer must outlive every copy of the
// image. Null when the size is empty or `data` is null.
QImage imageOverPackedRGB(const unsigned char* data, int width, int height);

// Copies the top-left width x height pixels of `image` into `strip` as packed RGB.
void copyToPackedRGB(const QImage& image, int width, int height, unsigned char* strip);

}  // namespace toolkit
