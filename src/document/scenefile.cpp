#include "document/scenefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "toolkit/imagefile.h"

namespace scenefile {

namespace {

const QString kFormatName = QStringLiteral("Ombrel scene");

// Thrown inside the reader only; readScene turns it into the one message.
struct Refusal {
  QString reason;
};

[[noreturn]] void refuse(const QString& reason) {
  throw Refusal{reason};
}

QString quoted(const QString& text) {
  return QStringLiteral("“%1”").arg(text);
}

QJsonValue field(const QJsonObject& object, const char* name, const QString& where) {
  const QJsonValue value = object.value(QLatin1String(name));
  if (value.isUndefined())
    refuse(QCoreApplication::translate("SceneFile", "%1 has no %2").arg(where, quoted(name)));
  return value;
}

QJsonObject objectField(const QJsonObject& object, const char* name, const QString& where) {
  const QJsonValue value = field(object, name, where);
  if (!value.isObject()) {
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is not an object")
               .arg(where, quoted(name)));
  }
  return value.toObject();
}

double number(const QJsonObject& object, const char* name, const QString& where, double lo,
              double hi) {
  const QJsonValue value = field(object, name, where);
  if (!value.isDouble())
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is not a number")
               .arg(where, quoted(name)));
  const double v = value.toDouble();
  if (!std::isfinite(v) || v < lo || v > hi) {
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is %3, outside %4 to %5")
               .arg(where, quoted(name), QString::number(v), QString::number(lo),
                    QString::number(hi)));
  }
  return v;
}

CGRect readRect(const QJsonObject& shape, const QString& where) {
  const QJsonObject r = objectField(shape, "rect", where);
  const QString in = where + QCoreApplication::translate("SceneFile", ", rectangle");
  const double x = number(r, "x", in, -kMaxCoordinate, kMaxCoordinate);
  const double y = number(r, "y", in, -kMaxCoordinate, kMaxCoordinate);
  const double w = number(r, "width", in, 0, kMaxCoordinate);
  const double h = number(r, "height", in, 0, kMaxCoordinate);
  return CGRectMake(x, y, w, h);
}

toolkit::Color readColor(const QJsonObject& shape, const QString& where) {
  const QJsonObject c = objectField(shape, "color", where);
  const QString in = where + QCoreApplication::translate("SceneFile", ", colour");
  const double r = number(c, "red", in, 0, 1), g = number(c, "green", in, 0, 1);
  const double b = number(c, "blue", in, 0, 1), a = number(c, "alpha", in, 0, 1);
  return toolkit::Color::colorWithCalibratedRed(r, g, b, a);
}

QImage readImage(const QJsonValue& value, const QString& where, qint64& pixelBudget) {
  if (!value.isString())
    refuse(QCoreApplication::translate("SceneFile", "%1: the image is not a text of PNG data")
               .arg(where));
  const auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded)
    refuse(
        QCoreApplication::translate("SceneFile", "%1: the image is not valid base64").arg(where));
  QByteArray bytes = *decoded;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setAutoTransform(false);
  const QSize size = reader.size();
  if (!reader.canRead() || !size.isValid()) {
    refuse(QCoreApplication::translate("SceneFile", "%1: the embedded image is not a PNG image")
               .arg(where));
  }
  const qint64 pixels = qint64(size.width()) * size.height();
  if (pixels > toolkit::kMaxImagePixels || pixels > pixelBudget) {
    refuse(QCoreApplication::translate("SceneFile",
                                       "%1: the embedded image is too large (%2 x %3 pixels)")
               .arg(where)
               .arg(size.width())
               .arg(size.height()));
  }
  QImage image;
  if (!reader.read(&image) || image.isNull() || image.size() != size) {
    refuse(QCoreApplication::translate("SceneFile", "%1: the embedded image is damaged (%2)")
               .arg(where, reader.errorString()));
  }
  pixelBudget -= pixels;
  image.setDevicePixelRatio(1);
  return image;
}

std::unique_ptr<Shape> readShape(const QJsonValue& value, int index, qint64& pixelBudget) {
  const QString where = QCoreApplication::translate("SceneFile", "shape %1").arg(index + 1);
  if (!value.isObject())
    refuse(QCoreApplication::translate("SceneFile", "%1 is not an object").arg(where));
  const QJsonObject object = value.toObject();
  const QJsonValue kind = field(object, "kind", where);
  if (!kind.isString())
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is not a text")
               .arg(where, quoted("kind")));
  const CGRect rect = readRect(object, where);
  std::unique_ptr<Shape> shape = makeShapeOfKind(kind.toString(), rect);
  if (shape == nullptr) {
    refuse(QCoreApplication::translate("SceneFile", "%1 has an unknown kind %2")
               .arg(where, quoted(kind.toString().left(40))));
  }
  shape->setColor(readColor(object, where));
  const QJsonValue image = object.value(QLatin1String("image"));
  if (!image.isUndefined()) shape->setImage(readImage(image, where, pixelBudget));
  return shape;
}

int readVersion(const QJsonObject& root) {
  const QJsonValue value =
      field(root, "version", QCoreApplication::translate("SceneFile", "the scene"));
  const double v = value.toDouble(-1);
  if (!value.isDouble() || v < 1 || v != std::floor(v)) {
    refuse(QCoreApplication::translate("SceneFile",
                                       "its format version is not a whole number from 1 up"));
  }
  if (v > kVersion) {
    refuse(QCoreApplication::translate(
               "SceneFile",
               "it was written by a newer Ombrel (format version %1; this one reads "
               "version %2)")
               .arg(QString::number(v), QString::number(kVersion)));
  }
  return static_cast<int>(v);
}

bool flag(const QJsonObject& object, const char* name, const QString& where) {
  const QJsonValue value = field(object, name, where);
  if (!value.isBool())
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is not true or false")
               .arg(where, quoted(name)));
  return value.toBool();
}

// The lesson's names of the aperture profiles, in lightfield::Aperture's order.
const QString kApertureNames[] = {QStringLiteral("box"), QStringLiteral("tent"),
                                  QStringLiteral("gaussian"), QStringLiteral("twoSlits"),
                                  QStringLiteral("pinholes")};
// Viewpoints past the widest image a canvas makes are out of range there too.
constexpr int kMaxViewpoint = 100000;

int wholeNumber(const QJsonObject& object, const char* name, const QString& where, int lo, int hi) {
  const double v = number(object, name, where, lo, hi);
  if (v != std::floor(v))
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is not a whole number")
               .arg(where, quoted(name)));
  return static_cast<int>(v);
}

LessonSettings readSettings(const QJsonObject& root) {
  const QJsonObject lesson =
      objectField(root, "lesson", QCoreApplication::translate("SceneFile", "the scene"));
  const QString where = QCoreApplication::translate("SceneFile", "the lesson");
  LessonSettings settings;
  settings.focusDegrees = static_cast<float>(number(lesson, "focusAngle", where, 0.0, 90.0));
  const double d = number(lesson, "depthOfField", where, 0.0, kMaxHalfLength);
  if (d != std::floor(d)) {
    refuse(QCoreApplication::translate("SceneFile", "%1: %2 is not a whole number")
               .arg(where, quoted("depthOfField")));
  }
  settings.halfLength = static_cast<int>(d);
  settings.showFocusDepth = flag(lesson, "showFocusDepth", where);
  settings.linkViews = flag(lesson, "linkViews", where);
  // The camera came later: lessons written before it have none of its fields.
  lightfield::CameraChoice& camera = settings.camera;
  if (lesson.contains(QLatin1String("viewpoint")))
    camera.viewpoint = wholeNumber(lesson, "viewpoint", where, -1, kMaxViewpoint);
  if (lesson.contains(QLatin1String("aperture"))) {
    const QJsonValue name = lesson.value(QLatin1String("aperture"));
    const auto known =
        std::find(std::begin(kApertureNames), std::end(kApertureNames), name.toString());
    if (!name.isString() || known == std::end(kApertureNames))
      refuse(QCoreApplication::translate(
                 "SceneFile", "%1: %2 is not one of box, tent, gaussian, twoSlits, pinholes")
                 .arg(where, quoted("aperture")));
    camera.aperture = static_cast<lightfield::Aperture>(known - std::begin(kApertureNames));
  }
  if (lesson.contains(QLatin1String("pinholes")))
    camera.pinholes =
        wholeNumber(lesson, "pinholes", where, lightfield::kMinPinholes, lightfield::kMaxPinholes);
  if (lesson.contains(QLatin1String("keepApertureWidth")))
    camera.keepWidth = flag(lesson, "keepApertureWidth", where);
  // So did real light fields.
  if (lesson.contains(QLatin1String("lightField"))) {
    const QJsonObject lf = objectField(lesson, "lightField", where);
    const QString of = QStringLiteral("the lesson's light field");
    const QJsonValue path = lf.value(QLatin1String("path"));
    if (!path.isString() || path.toString().isEmpty())
      refuse(QStringLiteral("%1: %2 is not a file or folder name").arg(of, quoted("path")));
    settings.lightField = path.toString();
    if (lf.contains(QLatin1String("row")))
      settings.lightFieldRow = wholeNumber(lf, "row", of, -1, kMaxLightFieldRow);
    if (lf.contains(QLatin1String("scanline")))
      settings.lightFieldScanline = wholeNumber(lf, "scanline", of, -1, kMaxLightFieldScanline);
  }
  return settings;
}

ReadResult readDocument(const QByteArray& bytes) {
  if (bytes.isEmpty()) refuse(QCoreApplication::translate("SceneFile", "the file is empty"));
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    refuse(
        QCoreApplication::translate("SceneFile", "it is not a scene file (not JSON: %1 at byte %2)")
            .arg(parseError.errorString())
            .arg(parseError.offset));
  }
  const QJsonObject root = document.object();
  if (!document.isObject() || root.value(QLatin1String("format")).toString() != kFormatName) {
    refuse(QCoreApplication::translate("SceneFile", "it is JSON but not an Ombrel scene"));
  }
  const int version = readVersion(root);
  ReadResult result;
  // Version 1 keeps only shapes: opening one leaves the optics and aids as they are.
  if (version >= 2) result.settings = readSettings(root);
  const QJsonValue shapes =
      field(root, "shapes", QCoreApplication::translate("SceneFile", "the scene"));
  if (!shapes.isArray())
    refuse(QCoreApplication::translate("SceneFile", "its %1 are not a list").arg(quoted("shapes")));
  const QJsonArray list = shapes.toArray();
  if (list.size() > kMaxShapes) {
    refuse(QCoreApplication::translate("SceneFile",
                                       "it holds %1 shapes, more than the %2 Ombrel opens")
               .arg(list.size())
               .arg(kMaxShapes));
  }
  result.shapes.reserve(list.size());
  qint64 pixelBudget = kMaxTotalImagePixels;
  for (int i = 0; i < list.size(); ++i) {
    result.shapes.push_back(readShape(list.at(i), i, pixelBudget));
  }
  return result;
}

QString openMessage(const QString& fileName, const QString& reason) {
  return QCoreApplication::translate("SceneFile", "Could not open %1: %2.")
      .arg(quoted(fileName), reason);
}

QJsonObject colorObject(const toolkit::Color& color) {
  const QColor c = color.rgba();
  return {{QStringLiteral("red"), double(c.redF())},
          {QStringLiteral("green"), double(c.greenF())},
          {QStringLiteral("blue"), double(c.blueF())},
          {QStringLiteral("alpha"), double(c.alphaF())}};
}

QString pngBase64(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.write(image);
  return QString::fromLatin1(bytes.toBase64());
}

}  // namespace

ReadResult readScene(const QByteArray& bytes, const QString& fileName) {
  try {
    return readDocument(bytes);
  } catch (const Refusal& refusal) {
    ReadResult result;
    result.error = openMessage(fileName, refusal.reason);
    return result;
  }
}

ReadResult readSceneFile(const QString& path) {
  const QFileInfo info(path);
  const QString name = info.fileName().isEmpty() ? path : info.fileName();
  const auto refused = [&name](const QString& reason) {
    ReadResult result;
    result.error = openMessage(name, reason);
    return result;
  };
  if (!info.exists())
    return refused(QCoreApplication::translate("SceneFile", "there is no such file"));
  if (info.isDir())
    return refused(QCoreApplication::translate("SceneFile", "it is a folder, not a scene file"));
  if (!info.isFile())
    return refused(QCoreApplication::translate("SceneFile", "it is not a regular file"));
  const auto tooLarge = [&] {
    return refused(QCoreApplication::translate(
                       "SceneFile", "it is larger than any scene file Ombrel opens (%1 MB)")
                       .arg(kMaxFileBytes / (1024 * 1024)));
  };
  if (info.size() > kMaxFileBytes) return tooLarge();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return refused(file.errorString());
  const QByteArray bytes = file.read(kMaxFileBytes + 1);
  if (file.error() != QFileDevice::NoError) return refused(file.errorString());
  if (bytes.size() > kMaxFileBytes) return tooLarge();
  ReadResult result = readScene(bytes, name);
  // A light field named relative to the lesson is found beside it, wherever the two are moved.
  if (result.settings && !result.settings->lightField.isEmpty())
    result.settings->lightField =
        QDir::cleanPath(info.absoluteDir().absoluteFilePath(result.settings->lightField));
  return result;
}

QByteArray writeScene(const ShapeList& shapes, const std::optional<LessonSettings>& settings) {
  QJsonArray list;
  for (const auto& shape : shapes) {
    const CGRect r = shape->rect();
    QJsonObject object{
        {QStringLiteral("kind"), shape->kind()},
        {QStringLiteral("rect"), QJsonObject{{QStringLiteral("x"), r.origin.x},
                                             {QStringLiteral("y"), r.origin.y},
                                             {QStringLiteral("width"), r.size.width},
                                             {QStringLiteral("height"), r.size.height}}},
        {QStringLiteral("color"), colorObject(shape->color())}};
    if (shape->color().isPattern() && !shape->image().isNull()) {
      object.insert(QStringLiteral("image"), pngBase64(shape->image()));
    }
    list.append(object);
  }
  QJsonObject root{{QStringLiteral("format"), kFormatName},
                   {QStringLiteral("version"), settings ? kVersion : 1},
                   {QStringLiteral("shapes"), list}};
  if (settings) {
    const lightfield::CameraChoice& camera = settings->camera;
    QJsonObject lesson{{QStringLiteral("focusAngle"), double(settings->focusDegrees)},
                       {QStringLiteral("depthOfField"), settings->halfLength},
                       {QStringLiteral("showFocusDepth"), settings->showFocusDepth},
                       {QStringLiteral("linkViews"), settings->linkViews}};
    // The camera panel's choices only when one is made: a lesson with the
    // specified camera is written as it was before the panel.
    if (!(camera == lightfield::CameraChoice{})) {
      lesson.insert(QStringLiteral("viewpoint"), camera.viewpoint);
      lesson.insert(QStringLiteral("aperture"), kApertureNames[static_cast<int>(camera.aperture)]);
      lesson.insert(QStringLiteral("pinholes"), camera.pinholes);
      lesson.insert(QStringLiteral("keepApertureWidth"), camera.keepWidth);
    }
    if (!settings->lightField.isEmpty())
      lesson.insert(QStringLiteral("lightField"),
                    QJsonObject{{QStringLiteral("path"), settings->lightField},
                                {QStringLiteral("row"), settings->lightFieldRow},
                                {QStringLiteral("scanline"), settings->lightFieldScanline}});
    root.insert(QStringLiteral("lesson"), lesson);
  }
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<QString> writeSceneFile(const QString& path, const ShapeList& shapes,
                                      const std::optional<LessonSettings>& settings) {
  const QString name = QFileInfo(path).fileName();
  const auto failed = [&name](const QString& reason) {
    return QCoreApplication::translate(
               "SceneFile", "Could not save %1: %2. Any earlier file of that name is unchanged.")
        .arg(quoted(name), reason);
  };
  if (QFileInfo(path).isDir())
    return failed(QCoreApplication::translate("SceneFile", "a folder of that name is in the way"));
  std::optional<LessonSettings> written = settings;
  if (written && QDir::isAbsolutePath(written->lightField))
    written->lightField =
        QDir::cleanPath(QFileInfo(path).absoluteDir().relativeFilePath(written->lightField));
  const QByteArray bytes = writeScene(shapes, written);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  // QSaveFile::commit() ignores a failure of its own final flush (a full disk)
  // and would put a truncated file in place: flush first and check.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failed(reason);
  }
  if (!file.commit()) return failed(file.errorString());
  return std::nullopt;
}

}  // namespace scenefile
