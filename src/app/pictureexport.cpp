#include "app/pictureexport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>

#include "app/documentdialogs.h"
#include "app/focalstack.h"
#include "app/statusservice.h"
#include "canvas/aidoverlay.h"
#include "canvas/drawview.h"
#include "session/session.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace {

QString described(const PictureChoice& choice, bool lightField) {
  return QStringLiteral("%1 (%2×%3)")
      .arg(pictureTitle(choice.kind, lightField))
      .arg(choice.scale)
      .arg(choice.annotated ? QCoreApplication::translate("PictureExport", ", with title and axes")
                            : QString());
}

}  // namespace

PictureExport::PictureExport(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  QWidget* window = parts_.window;
  setObjectName(QStringLiteral("pictureExport"));
  auto* exportAction =
      new QAction(QCoreApplication::translate("PictureExport", "&Export…"), window);
  exportAction->setObjectName(QStringLiteral("actionExport"));
  exportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  auto* sheetAction = new QAction(
      QCoreApplication::translate("PictureExport", "Export Focal Stack &Sheet…"), window);
  sheetAction->setObjectName(QStringLiteral("actionExportFocalStack"));
  auto* copyAction =
      new QAction(QCoreApplication::translate("PictureExport", "Copy &Picture"), window);
  copyAction->setObjectName(QStringLiteral("actionCopyPicture"));
  // Ctrl+C copies shapes, and Ctrl+Shift+C is Colour….
  copyAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+C")));
  copyAction->setToolTip(QCoreApplication::translate(
      "PictureExport", "Copy the picture last chosen in Export (at first, the scene)"));

  parts_.fileMenu->insertActions(parts_.insertBefore, {exportAction, sheetAction});
  parts_.fileMenu->insertSeparator(parts_.insertBefore);
  parts_.editMenu->addSeparator();
  parts_.editMenu->addAction(copyAction);

  connect(exportAction, &QAction::triggered, this, [this] { exportPicture(); });
  connect(sheetAction, &QAction::triggered, this, [this] { exportFocalStack(); });
  connect(copyAction, &QAction::triggered, this, [this] { copy(last_); });
}

bool PictureExport::standingIn() const {
  return parts_.standIn.shown && parts_.standIn.shown();
}

QString PictureExport::unavailable(PictureKind kind) const {
  if (kind == PictureKind::FocalStackSheet && standingIn())
    return QCoreApplication::translate(
        "PictureExport",
        "The focal stack sheet is drawn from the scene's optics: close the light field (File ▸ "
        "Close Light Field) to export it.");
  return {};
}

QImage PictureExport::focalStackSheet(int scale) const {
  const lightfield::LightField& field = parts_.session->lightField();
  const int halfLength = parts_.session->camera().halfLength;
  const std::vector<FocalSlice> slices = focalStack(field, halfLength);
  if (slices.empty()) return {};
  const DepthPage depth = depthPage(field, halfLength);
  return ::focalStackSheet(scenePicture(*parts_.canvas), slices, halfLength,
                           field.geometry().lowerLine, field.geometry().upperLine, scale,
                           depth.allInFocus.empty() ? nullptr : &depth);
}

Annotation PictureExport::annotation(PictureKind kind) const {
  if (standingIn())
    return parts_.standIn.annotation ? parts_.standIn.annotation(kind) : Annotation{};
  const lightfield::CameraSettings& camera = parts_.session->camera();
  const QString optics =
      QCoreApplication::translate("PictureExport", "focus angle %L1°, depth of field %L2")
          .arg(camera.focusDegrees, 0, 'f', 1)
          .arg(camera.halfLength);
  const lightfield::RayGeometry& geometry = parts_.session->lightField().geometry();
  switch (kind) {
    case PictureKind::Scene:
      return {QCoreApplication::translate("PictureExport", "The scene (%L1)").arg(optics),
              QCoreApplication::translate("PictureExport", "x: position along the plane lines →"),
              QCoreApplication::translate("PictureExport", "y: height (lines at %L1 and %L2) →")
                  .arg(geometry.lowerLine, 0, 'f', 0)
                  .arg(geometry.upperLine, 0, 'f', 0)};
    case PictureKind::RaySpace:
    case PictureKind::RaySpaceAsShown:
      return {
          QCoreApplication::translate("PictureExport", "Ray space: one pixel per ray"),
          QCoreApplication::translate("PictureExport", "u: where the ray crosses the upper line →"),
          QCoreApplication::translate("PictureExport",
                                      "v: where the ray crosses the lower line →")};
    case PictureKind::Photo:
      return {
          QCoreApplication::translate("PictureExport", "The photo (%L1)").arg(optics),
          QCoreApplication::translate("PictureExport", "photo pixel: position on the upper line →"),
          {}};
    case PictureKind::Window:
    case PictureKind::FocalStackSheet:
      break;  // they carry their own titles and labels
  }
  return {};
}

QImage PictureExport::picture(const PictureChoice& choice) const {
  const DrawView& canvas = *parts_.canvas;
  // The focus line and band go only on an annotated scene, and only when shown.
  const AidOverlay* focus = choice.annotated ? &canvas.aidOverlay() : nullptr;
  if (!unavailable(choice.kind).isEmpty()) return {};
  const bool standIn = standingIn() && parts_.standIn.picture;
  QImage image;
  switch (choice.kind) {
    case PictureKind::Scene:
      image = standIn ? parts_.standIn.picture(choice.kind) : scenePicture(canvas, focus);
      break;
    case PictureKind::RaySpace:
      image = raySpacePicture(parts_.session->lightField());
      break;
    case PictureKind::RaySpaceAsShown:
      image = standIn ? parts_.standIn.picture(choice.kind) : raySpaceAsShown(*parts_.raySpace);
      break;
    case PictureKind::Photo:
      image = photoPicture(parts_.session->photo(), parts_.photo->size());
      break;
    case PictureKind::Window:
      image = windowPicture(*parts_.window);
      break;
    case PictureKind::FocalStackSheet:
      // Drawn at its scale, so that its text is sharp.
      return focalStackSheet(choice.scale);
  }
  image = crisp(image, choice.scale);
  if (!choice.annotated) return image;
  const Annotation words = annotation(choice.kind);
  if (words.title.isEmpty()) return image;
  return annotate(image, words, choice.scale);
}

QByteArray PictureExport::drawing(const PictureChoice& choice) const {
  // What stands in for the scene is a photograph, not shapes.
  if (standingIn()) return {};
  const DrawView& canvas = *parts_.canvas;
  const AidOverlay* focus = choice.annotated ? &canvas.aidOverlay() : nullptr;
  const QSize sceneSize(static_cast<int>(canvas.bounds().size.width),
                        static_cast<int>(canvas.bounds().size.height));
  auto paintTheScene = [&canvas, focus](QPainter& painter) { paintScene(painter, canvas, focus); };
  std::vector<FocalSlice> slices;
  DepthPage depth;
  FocalStackSheet sheet;
  const Annotation words = choice.annotated ? annotation(PictureKind::Scene) : Annotation{};
  QSize size = choice.annotated ? annotatedSize(sceneSize, words) : sceneSize;
  QString title = annotation(PictureKind::Scene).title;
  if (choice.kind == PictureKind::FocalStackSheet) {
    const lightfield::LightField& field = parts_.session->lightField();
    const int halfLength = parts_.session->camera().halfLength;
    slices = focalStack(field, halfLength);
    if (slices.empty()) return {};
    sheet = {sceneSize,
             paintTheScene,
             &slices,
             halfLength,
             field.geometry().lowerLine,
             field.geometry().upperLine};
    depth = depthPage(field, halfLength);
    if (!depth.allInFocus.empty()) sheet.depth = &depth;
    size = sheet.size();
    title = QCoreApplication::translate("PictureExport", "Focal stack");
  } else if (choice.kind != PictureKind::Scene) {
    return {};
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  // One unit a CSS pixel, so a browser shows the drawing at the picture's size.
  svg.setResolution(96);
  svg.setTitle(title);
  svg.setDescription(QStringLiteral("Made with Ombrel"));
  QPainter painter(&svg);
  if (choice.kind == PictureKind::FocalStackSheet) {
    sheet.paint(painter);
  } else {
    if (choice.annotated) {
      paintAnnotation(painter, sceneSize, words);
      painter.translate(annotatedOrigin(words, 1));
    }
    paintTheScene(painter);
  }
  painter.end();
  return bytes;
}

bool PictureExport::exportPicture() {
  const auto request = documentdialogs::pictureChoice(parts_.window, last_, standingIn());
  if (!request) return false;
  last_ = request->choice;
  if (request->copy) {
    copy(last_);
    return true;
  }
  const QString suggested = QStringLiteral("%1.png").arg(pictureFileStem(last_.kind, standingIn()));
  const std::optional<QString> path = documentdialogs::savePicture(
      parts_.window, suggested, hasDrawing(last_.kind) && !standingIn());
  return path && exportTo(last_, *path);
}

bool PictureExport::exportFocalStack() {
  const PictureChoice sheet{PictureKind::FocalStackSheet, 1};
  if (const QString why = unavailable(sheet.kind); !why.isEmpty()) {
    report(why);
    return false;
  }
  const std::optional<QString> path =
      documentdialogs::savePicture(parts_.window, QStringLiteral("focal-stack.png"), true);
  return path && exportTo(sheet, *path);
}

bool PictureExport::exportTo(const PictureChoice& choice, const QString& path) {
  std::optional<QString> error;
  if (const QString why = unavailable(choice.kind); !why.isEmpty()) {
    error = QCoreApplication::translate("PictureExport",
                                        "Could not export “%L1”: %L2 Nothing was written.")
                .arg(QFileInfo(path).fileName(), why);
  } else if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
    // A drawing keeps the shapes and the text as vectors, for slides.
    if (hasDrawing(choice.kind) && standingIn()) {
      error = QCoreApplication::translate(
                  "PictureExport",
                  "Could not export “%L1”: a light field's views are photographs, not "
                  "drawings; choose a PNG file. Nothing was written.")
                  .arg(QFileInfo(path).fileName());
    } else if (!hasDrawing(choice.kind)) {
      error = QCoreApplication::translate(
                  "PictureExport",
                  "Could not export “%L1”: only the scene and the focal stack sheet can be "
                  "drawings; choose a PNG file for %L2. Nothing was written.")
                  .arg(QFileInfo(path).fileName(), pictureTitle(choice.kind));
    } else {
      const QByteArray svg = drawing(choice);
      error = svg.isEmpty() ? writePicture(QImage(), path) : writeExport(svg, path);
    }
  } else {
    error = writePicture(picture(choice), path);
  }
  if (error) {
    report(*error);
    return false;
  }
  report(QCoreApplication::translate("PictureExport", "Exported %L1 to “%L2”.")
             .arg(described(choice, standingIn()), QFileInfo(path).fileName()));
  return true;
}

void PictureExport::copy(const PictureChoice& choice) {
  if (const QString why = unavailable(choice.kind); !why.isEmpty()) {
    report(why);
    return;
  }
  const QImage image = picture(choice);
  if (image.isNull()) {
    report(QCoreApplication::translate("PictureExport", "There is no picture to copy yet."));
    return;
  }
  QApplication::clipboard()->setImage(image);
  report(QCoreApplication::translate("PictureExport", "Copied %L1 to the clipboard.")
             .arg(described(choice, standingIn())));
}

void PictureExport::report(const QString& message) {
  parts_.status->post(message, StatusService::Kind::Report);
}
