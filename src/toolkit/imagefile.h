#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace toolkit {

// The largest image a file may declare; anything bigger is refused before
// any pixel memory is allocated.
inline constexpr qint64 kMaxImagePixels = 16 * 1024 * 1024;

// Why a file gave no image.
enum class ImageFileError {
  kNone,
  kCannotBeRead,  // missing, a folder, or not readable by this user
  kNotAnImage,    // empty, truncated, foreign or damaged content
  kTooLarge,      // declares more than kMaxImagePixels pixels
};

// The reason in a few words for the user: "cannot be read", "not an image", "too large".
QString describe(ImageFileError error);

// Reads the image at `path` at its natural pixel size (device pixel ratio 1).
// Empty for anything that is not a complete, readable image of a sane size:
// a missing path, a folder, an unreadable, empty, truncated or foreign file,
// or a header declaring more than kMaxImagePixels pixels; `error`, when
// given, then says which.
std::optional<QImage> readImageFile(const QString& path, ImageFileError* error = nullptr);

}  // namespace toolkit
