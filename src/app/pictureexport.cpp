#include "app/pictureexport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>

#include "app/documentdialogs.h"
#include "app/focalstack.h"
#include "app/statusservice.h"
#include "canvas/drawview.h"
#include "session/session.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace {

QString described(const PictureChoice& choice) {
  return QStringLiteral("%1 (%2×)").arg(pictureTitle(choice.kind)).arg(choice.scale);
}

}  // namespace

PictureExport::PictureExport(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  QWidget* window = parts_.window;
  setObjectName(QStringLiteral("pictureExport"));
  auto* exportAction = new QAction(QStringLiteral("&Export…"), window);
  exportAction->setObjectName(QStringLiteral("actionExport"));
  exportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  auto* sheetAction = new QAction(QStringLiteral("Export Focal Stack &Sheet…"), window);
  sheetAction->setObjectName(QStringLiteral("actionExportFocalStack"));
  auto* copyAction = new QAction(QStringLiteral("Copy &Picture"), window);
  copyAction->setObjectName(QStringLiteral("actionCopyPicture"));
  // Ctrl+C copies shapes, and Ctrl+Shift+C is Colour….
  copyAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+C")));
  copyAction->setToolTip(
      QStringLiteral("Copy the picture last chosen in Export (at first, the scene)"));

  parts_.fileMenu->insertActions(parts_.insertBefore, {exportAction, sheetAction});
  parts_.fileMenu->insertSeparator(parts_.insertBefore);
  parts_.editMenu->addSeparator();
  parts_.editMenu->addAction(copyAction);

  connect(exportAction, &QAction::triggered, this, [this] { exportPicture(); });
  connect(sheetAction, &QAction::triggered, this, [this] { exportFocalStack(); });
  connect(copyAction, &QAction::triggered, this, [this] { copy(last_); });
}

QImage PictureExport::focalStackSheet() const {
  const lightfield::LightField& field = parts_.session->lightField();
  const int halfLength = parts_.session->camera().halfLength;
  const std::vector<FocalSlice> slices = focalStack(field, halfLength);
  if (slices.empty()) return {};
  return ::focalStackSheet(scenePicture(*parts_.canvas), slices, halfLength,
                           field.geometry().lowerLine, field.geometry().upperLine);
}

QImage PictureExport::picture(const PictureChoice& choice) const {
  const DrawView& canvas = *parts_.canvas;
  QImage image;
  switch (choice.kind) {
    case PictureKind::Scene:
      image = scenePicture(canvas);
      break;
    case PictureKind::RaySpace:
      image = raySpacePicture(parts_.session->lightField());
      break;
    case PictureKind::RaySpaceAsShown:
      image = raySpaceAsShown(*parts_.raySpace);
      break;
    case PictureKind::Photo:
      image = photoPicture(parts_.session->photo(), parts_.photo->size());
      break;
    case PictureKind::Window:
      image = windowPicture(*parts_.window);
      break;
    case PictureKind::FocalStackSheet:
      image = focalStackSheet();
      break;
  }
  return crisp(image, choice.scale);
}

bool PictureExport::exportPicture() {
  const auto request = documentdialogs::pictureChoice(parts_.window, last_);
  if (!request) return false;
  last_ = request->choice;
  if (request->copy) {
    copy(last_);
    return true;
  }
  const QString suggested = QStringLiteral("%1.png").arg(pictureFileStem(last_.kind));
  const std::optional<QString> path = documentdialogs::savePicture(parts_.window, suggested);
  return path && exportTo(last_, *path);
}

bool PictureExport::exportFocalStack() {
  const PictureChoice sheet{PictureKind::FocalStackSheet, 1};
  const std::optional<QString> path =
      documentdialogs::savePicture(parts_.window, QStringLiteral("focal-stack.png"));
  return path && exportTo(sheet, *path);
}

bool PictureExport::exportTo(const PictureChoice& choice, const QString& path) {
  if (const auto error = writePicture(picture(choice), path)) {
    report(*error);
    return false;
  }
  report(QStringLiteral("Exported %1 to “%2”.").arg(described(choice), QFileInfo(path).fileName()));
  return true;
}

void PictureExport::copy(const PictureChoice& choice) {
  const QImage image = picture(choice);
  if (image.isNull()) {
    report(QStringLiteral("There is no picture to copy yet."));
    return;
  }
  QApplication::clipboard()->setImage(image);
  report(QStringLiteral("Copied %1 to the clipboard.").arg(described(choice)));
}

void PictureExport::report(const QString& message) {
  parts_.status->post(message, StatusService::Kind::Report);
}
