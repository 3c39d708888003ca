#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "document/scenecopy.h"
#include "lightfield/lightfieldvalue.h"

// The scene file: a versioned JSON document (extension .ombrel) holding each
// shape's kind, rectangle, colour and, when filled, its image as embedded PNG.
// From version 2 on it is a whole lesson: it also keeps the focus angle, the
// depth of field and which teaching aids are shown. Reading is separate from
// applying: a file is read and checked whole, and only a complete, sane scene
// comes back.
namespace scenefile {

inline constexpr int kVersion = 2;
inline constexpr const char* kExtension = "ombrel";
// Limits that keep a hostile or broken file from exhausting the machine.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
inline constexpr int kMaxShapes = 10000;
inline constexpr double kMaxCoordinate = 1e6;
// Pixels of all embedded images together (each is also held to the image
// reader's own limit): a few kilobytes of PNG can declare gigabytes.
inline constexpr qint64 kMaxTotalImagePixels = 32 * 1024 * 1024;

// What a lesson keeps besides its shapes.
struct LessonSettings {
  float focusDegrees = 45.0f;
  int halfLength = 10;
  bool showFocusDepth = false;
  bool linkViews = false;
  // The camera panel's choices; lessons without them get the specified camera.
  lightfield::CameraChoice camera;
  // A real light field shown with the lesson (empty: the scene): its folder or image, relative
  // to the lesson's folder in the file and absolute once read from a file; the grid row (-1: a
  // plain row or an epipolar image) and the scanline (-1: the middle).
  QString lightField;
  int lightFieldRow = -1;
  int lightFieldScanline = -1;
  friend bool operator==(const LessonSettings&, const LessonSettings&) = default;
};
inline constexpr int kMaxHalfLength = 1000;
inline constexpr int kMaxLightFieldRow = 1000000;
inline constexpr int kMaxLightFieldScanline = 8191;

// Either the shapes of a scene (and, from version 2 on, the lesson's
// settings) or one message naming the file and the reason.
struct ReadResult {
  ShapeList shapes;
  std::optional<LessonSettings> settings;
  QString error;
  bool ok() const { return error.isEmpty(); }
};

// Reads a scene from the bytes of a file; `fileName` only names it in messages.
ReadResult readScene(const QByteArray& bytes, const QString& fileName);
// Reads the file at `path`, refusing folders, special files, unreadable and
// oversized files before reading a byte of them.
ReadResult readSceneFile(const QString& path);

// A version 2 lesson with `settings`; without them, the version 1 scene
// (shapes only) that older Ombrels read too.
QByteArray writeScene(const ShapeList& shapes,
                      const std::optional<LessonSettings>& settings = std::nullopt);
// Writes atomically: the file at `path` is replaced only once the whole scene
// is on disk. Empty on success, else a message naming the file and the reason.
std::optional<QString> writeSceneFile(const QString& path, const ShapeList& shapes,
                                      const std::optional<LessonSettings>& settings = std::nullopt);

}  // namespace scenefile
