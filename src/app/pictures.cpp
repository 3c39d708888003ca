#include "app/pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>
#include <cstring>

#include "canvas/drawview.h"
#include "toolkit/bitmap.h"
#include "views/renderview.h"

QString pictureTitle(PictureKind kind) {
  switch (kind) {
    case PictureKind::Scene:
      return QStringLiteral("the scene");
    case PictureKind::RaySpace:
      return QStringLiteral("the ray space");
    case PictureKind::RaySpaceAsShown:
      return QStringLiteral("the ray space with marks and axes");
    case PictureKind::Photo:
      return QStringLiteral("the photo");
    case PictureKind::Window:
      return QStringLiteral("the whole window");
    case PictureKind::FocalStackSheet:
      return QStringLiteral("the focal stack sheet");
  }
  return {};
}

QString pictureFileStem(PictureKind kind) {
  switch (kind) {
    case PictureKind::Scene:
      return QStringLiteral("scene");
    case PictureKind::RaySpace:
      return QStringLiteral("ray-space");
    case PictureKind::RaySpaceAsShown:
      return QStringLiteral("ray-space-marked");
    case PictureKind::Photo:
      return QStringLiteral("photo");
    case PictureKind::Window:
      return QStringLiteral("window");
    case PictureKind::FocalStackSheet:
      return QStringLiteral("focal-stack");
  }
  return {};
}

QImage scenePicture(const DrawView& canvas) {
  const CGRect bounds = canvas.bounds();
  QImage image(static_cast<int>(bounds.size.width), static_cast<int>(bounds.size.height),
               QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setTransform(QTransform(1, 0, 0, -1, 0, image.height()));
  toolkit::GraphicsContext context(painter);
  // The canvas's own drawing order, minus the knobs and the ray overlay.
  for (const auto& shape : canvas.shapes()) shape->drawRect(context, bounds);
  canvas.lowerLine().drawRect(context, bounds);
  canvas.upperLine().drawRect(context, bounds);
  canvas.camera().drawRect(context, bounds);
  return image;
}

QImage raySpacePicture(const lightfield::LightField& field) {
  if (field.isEmpty()) return {};
  // A deep copy: the light field's pixels go with the last copy of it.
  return toolkit::imageOverPackedRGB(field.pixels(), field.columns(), field.rows())
      .convertToFormat(QImage::Format_RGB32);
}

QImage raySpaceAsShown(RenderView& view) {
  return view.bitmapOfRect(view.bounds());
}

QImage photoPicture(const std::vector<unsigned char>& photo, QSize shown) {
  const int n = static_cast<int>(photo.size() / 3);
  if (n <= 0 || shown.isEmpty()) return {};
  return toolkit::imageOverPackedRGB(photo.data(), n, 1)
      .scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

QImage windowPicture(QWidget& window) {
  QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1);
  return image;
}

QImage crisp(const QImage& image, int scale) {
  if (image.isNull() || scale <= 1) return image;
  return image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

std::optional<QString> writePicture(const QImage& image, const QString& path) {
  const auto failed = [&path](const QString& reason) {
    return QStringLiteral("Could not export “%1”: %2. Nothing was written.")
        .arg(QFileInfo(path).fileName(), reason);
  };
  if (image.isNull()) return failed(QStringLiteral("there is no picture yet"));
  if (QFileInfo(path).isDir()) return failed(QStringLiteral("a folder of that name is in the way"));
  // Encoded in memory first: the PNG encoder cannot then meet a failing disk
  // half-way (where it leaks), and the file gets all of the bytes or none.
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return failed(writer.errorString());
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  // Flushed here: QSaveFile::commit() would ignore a failing final flush.
  if (file.write(png) != png.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failed(reason);
  }
  if (!file.commit()) return failed(file.errorString());
  return std::nullopt;
}
