#include "toolkit/imagefile.h"

#include <QFileInfo>
#include <QImageReader>

namespace toolkit {

std::optional<QImage> readImageFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || !info.isReadable()) return std::nullopt;

  QImageReader reader(path);
  reader.setAutoTransform(false);
  if (!reader.canRead()) return std::nullopt;
  const QSize declared = reader.size();
  if (declared.isValid() &&
      static_cast<qint64>(declared.width()) * declared.height() > kMaxImagePixels) {
    return std::nullopt;
  }
  QImage image;
  if (!reader.read(&image) || image.isNull()) return std::nullopt;
  if (static_cast<qint64>(image.width()) * image.height() > kMaxImagePixels) return std::nullopt;
  image.setDevicePixelRatio(1);
  return image;
}

}  // namespace toolkit
