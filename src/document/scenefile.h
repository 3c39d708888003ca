#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "document/scenecopy.h"

// The scene file: a versioned JSON document (extension .ombrel) holding each
// shape's kind, rectangle, colour and, when filled, its image as embedded PNG.
// Reading is separate from applying: a file is read and checked whole, and
// only a complete, sane scene comes back.
namespace scenefile {

inline constexpr int kVersion = 1;
inline constexpr const char* kExtension = "ombrel";
// Limits that keep a hostile or broken file from exhausting the machine.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
inline constexpr int kMaxShapes = 10000;
inline constexpr double kMaxCoordinate = 1e6;
// Pixels of all embedded images together (each is also held to the image
// reader's own limit): a few kilobytes of PNG can declare gigabytes.
inline constexpr qint64 kMaxTotalImagePixels = 32 * 1024 * 1024;

// Either the shapes of a scene or one message naming the file and the reason.
struct ReadResult {
  ShapeList shapes;
  QString error;
  bool ok() const { return error.isEmpty(); }
};

// Reads a scene from the bytes of a file; `fileName` only names it in messages.
ReadResult readScene(const QByteArray& bytes, const QString& fileName);
// Reads the file at `path`, refusing folders, special files, unreadable and
// oversized files before reading a byte of them.
ReadResult readSceneFile(const QString& path);

QByteArray writeScene(const ShapeList& shapes);
// Writes atomically: the file at `path` is replaced only once the whole scene
// is on disk. Empty on success, else a message naming the file and the reason.
std::optional<QString> writeSceneFile(const QString& path, const ShapeList& shapes);

}  // namespace scenefile
