#include "app/pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>
#include <cstring>

#include "canvas/aidoverlay.h"
#include "canvas/drawview.h"
#include "toolkit/bitmap.h"
#include "views/renderview.h"

QString pictureTitle(PictureKind kind, bool lightField) {
  if (lightField && kind == PictureKind::Scene)
    return QCoreApplication::translate("Pictures", "the central view");
  switch (kind) {
    case PictureKind::Scene:
      return QCoreApplication::translate("Pictures", "the scene");
    case PictureKind::RaySpace:
      return QCoreApplication::translate("Pictures", "the ray space");
    case PictureKind::RaySpaceAsShown:
      return QCoreApplication::translate("Pictures", "the ray space with marks and axes");
    case PictureKind::Photo:
      return QCoreApplication::translate("Pictures", "the photo");
    case PictureKind::Window:
      return QCoreApplication::translate("Pictures", "the whole window");
    case PictureKind::FocalStackSheet:
      return QCoreApplication::translate("Pictures", "the focal stack sheet");
  }
  return {};
}

// Names of their own: a translated title need not start with a three-letter article.
QString pictureListName(PictureKind kind, bool lightField) {
  if (lightField && kind == PictureKind::Scene)
    return QCoreApplication::translate("Pictures", "Central view");
  switch (kind) {
    case PictureKind::Scene:
      return QCoreApplication::translate("Pictures", "Scene");
    case PictureKind::RaySpace:
      return QCoreApplication::translate("Pictures", "Ray space");
    case PictureKind::RaySpaceAsShown:
      return QCoreApplication::translate("Pictures", "Ray space with marks and axes");
    case PictureKind::Photo:
      return QCoreApplication::translate("Pictures", "Photo");
    case PictureKind::Window:
      return QCoreApplication::translate("Pictures", "Whole window");
    case PictureKind::FocalStackSheet:
      return QCoreApplication::translate("Pictures", "Focal stack sheet");
  }
  return {};
}

QString pictureFileStem(PictureKind kind, bool lightField) {
  if (lightField && kind == PictureKind::Scene) return QStringLiteral("central-view");
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

void paintScene(QPainter& painter, const DrawView& canvas, const AidOverlay* focusAids) {
  const CGRect bounds = canvas.bounds();
  painter.save();
  painter.fillRect(QRectF(0, 0, bounds.size.width, bounds.size.height), Qt::white);
  painter.setTransform(QTransform(1, 0, 0, -1, 0, bounds.size.height), true);
  toolkit::GraphicsContext context(painter);
  // The canvas's own drawing order, minus the knobs and the ray overlay.
  for (const auto& shape : canvas.shapes()) shape->drawRect(context, bounds);
  canvas.lowerLine().drawRect(context, bounds);
  canvas.upperLine().drawRect(context, bounds);
  canvas.camera().drawRect(context, bounds);
  if (focusAids != nullptr && focusAids->showFocusDepth) {
    // Only the focus line and band: what a hover draws belongs to the moment.
    AidOverlay focus;
    focus.showFocusDepth = true;
    focus.focusY = focusAids->focusY;
    focus.bandLowY = focusAids->bandLowY;
    focus.bandHighY = focusAids->bandHighY;
    drawCanvasAids(context, focus, bounds.size.width);
  }
  painter.restore();
}

QImage scenePicture(const DrawView& canvas, const AidOverlay* focusAids) {
  const CGRect bounds = canvas.bounds();
  QImage image(static_cast<int>(bounds.size.width), static_cast<int>(bounds.size.height),
               QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  paintScene(painter, canvas, focusAids);
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

namespace {

QString exportFailure(const QString& path, const QString& reason) {
  return QCoreApplication::translate("Pictures", "Could not export “%1”: %2. Nothing was written.")
      .arg(QFileInfo(path).fileName(), reason);
}

}  // namespace

std::optional<QString> writePicture(const QImage& image, const QString& path) {
  if (image.isNull())
    return exportFailure(path, QCoreApplication::translate("Pictures", "there is no picture yet"));
  // Encoded in memory first: the PNG encoder cannot then meet a failing disk
  // half-way (where it leaks), and the file gets all of the bytes or none.
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return exportFailure(path, writer.errorString());
  }
  return writeExport(png, path);
}

std::optional<QString> writeExport(const QByteArray& bytes, const QString& path) {
  if (QFileInfo(path).isDir())
    return exportFailure(
        path, QCoreApplication::translate("Pictures", "a folder of that name is in the way"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return exportFailure(path, file.errorString());
  // Flushed here: QSaveFile::commit() would ignore a failing final flush.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return exportFailure(path, reason);
  }
  if (!file.commit()) return exportFailure(path, file.errorString());
  return std::nullopt;
}

bool hasDrawing(PictureKind kind) {
  return kind == PictureKind::Scene || kind == PictureKind::FocalStackSheet;
}

namespace {

constexpr int kAnnotationMargin = 8;
constexpr int kTitleBand = 26;
constexpr int kAxisBand = 20;
constexpr int kTextPixels = 13;

}  // namespace

QPoint annotatedOrigin(const Annotation& annotation, int scale) {
  const int left = kAnnotationMargin + (annotation.vertical.isEmpty() ? 0 : kAxisBand);
  const int top = kAnnotationMargin + (annotation.title.isEmpty() ? 0 : kTitleBand);
  return QPoint(left, top) * std::max(scale, 1);
}

namespace {

QFont annotationFont(bool bold) {
  QFont font;
  font.setPixelSize(kTextPixels);
  font.setBold(bold);
  return font;
}

}  // namespace

QSize annotatedSize(QSize picture, const Annotation& annotation) {
  const QPoint origin = annotatedOrigin(annotation, 1);
  const int bottom = kAnnotationMargin + (annotation.horizontal.isEmpty() ? 0 : kAxisBand);
  // Wide enough for the title at its natural width.
  const int title = QFontMetrics(annotationFont(true)).horizontalAdvance(annotation.title);
  return {std::max(origin.x() + picture.width(), title + kAnnotationMargin) + kAnnotationMargin,
          origin.y() + picture.height() + bottom};
}

void paintAnnotation(QPainter& painter, QSize picture, const Annotation& annotation) {
  const QSize whole = annotatedSize(picture, annotation);
  const QPoint origin = annotatedOrigin(annotation, 1);
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
  painter.setPen(Qt::black);
  painter.setFont(annotationFont(true));
  painter.drawText(QRect(kAnnotationMargin, kAnnotationMargin,
                         whole.width() - 2 * kAnnotationMargin, kTitleBand),
                   Qt::AlignLeft | Qt::AlignTop, annotation.title);
  const QFont font = annotationFont(false);
  const QFontMetrics metrics(font);
  painter.setFont(font);
  // An axis name longer than its side is shortened with an ellipsis, never cut.
  painter.drawText(QRect(origin.x(), origin.y() + picture.height(), picture.width(), kAxisBand),
                   Qt::AlignHCenter | Qt::AlignVCenter,
                   metrics.elidedText(annotation.horizontal, Qt::ElideMiddle, picture.width()));
  if (!annotation.vertical.isEmpty()) {
    // Read upwards, centred on the picture's height.
    painter.translate(kAnnotationMargin, origin.y() + picture.height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, picture.height(), kAxisBand), Qt::AlignHCenter | Qt::AlignVCenter,
                     metrics.elidedText(annotation.vertical, Qt::ElideMiddle, picture.height()));
  }
  painter.restore();
}

QImage annotate(const QImage& picture, const Annotation& annotation, int scale) {
  if (picture.isNull()) return picture;
  scale = std::max(scale, 1);
  const QSize units = picture.size() / scale;
  QImage image(annotatedSize(units, annotation) * scale, QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  // The words at the full resolution, the picture's pixels as they are.
  painter.scale(scale, scale);
  paintAnnotation(painter, units, annotation);
  painter.resetTransform();
  painter.drawImage(annotatedOrigin(annotation, scale), picture);
  return image;
}
