#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace toolkit {

// The largest image a file may declare; anything bigger is refused before
// any pixel memory is allocated.
inline constexpr qint64 kMaxImagePixels = 16 * 1024 * 1024;

// Reads the image at `path` at its natural pixel size (device pixel ratio 1).
// Empty for anything that is not a complete, readable image of a sane size:
// a missing path, a folder, an unreadable, empty, truncated or foreign file,
// or a header declaring more than kMaxImagePixels pixels.
std::optional<QImage> readImageFile(const QString& path);

}  // namespace toolkit
