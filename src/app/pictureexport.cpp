#include "app/pictureexport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "app/documentdialogs.h"
#include "app/focalstack.h"
#include "app/mainwindow.h"
#include "canvas/drawview.h"
#include "toolkit/controls.h"
#include "views/photoview.h"

namespace {

constexpr int kMessageMs = 15000;

QString described(const PictureChoice& choice) {
  return QStringLiteral("%1 (%2×)").arg(pictureTitle(choice.kind)).arg(choice.scale);
}

}  // namespace

PictureExport::PictureExport(MainWindow* window) : QObject(window), window_(window) {
  setObjectName(QStringLiteral("pictureExport"));
  auto* exportAction = new QAction(QStringLiteral("&Export…"), window);
  exportAction->setObjectName(QStringLiteral("actionExport"));
  exportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  auto* sheetAction = new QAction(QStringLiteral("Export Focal Stack &Sheet…"), window);
  sheetAction->setObjectName(QStringLiteral("actionExportFocalStack"));
  auto* copyAction = new QAction(QStringLiteral("&Copy"), window);
  copyAction->setObjectName(QStringLiteral("actionCopy"));
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setToolTip(
      QStringLiteral("Copy the picture last chosen in Export (at first, the scene)"));

  QAction* quit = window->findChild<QAction*>(QStringLiteral("actionQuit"));
  window->fileMenu()->insertActions(quit, {exportAction, sheetAction});
  window->fileMenu()->insertSeparator(quit);
  window->editMenu()->addSeparator();
  window->editMenu()->addAction(copyAction);

  connect(exportAction, &QAction::triggered, this, [this] { exportPicture(); });
  connect(sheetAction, &QAction::triggered, this, [this] { exportFocalStack(); });
  connect(copyAction, &QAction::triggered, this, [this] { copy(last_); });
}

QImage PictureExport::focalStackSheet() const {
  const DrawView& canvas = *window_->drawView();
  auto* dof = window_->findChild<toolkit::Slider*>(QStringLiteral("dofSlider"));
  const int halfLength = dof != nullptr ? dof->intValue() : 0;
  const std::vector<FocalSlice> slices =
      focalStack(canvas.cleanRays(), canvas.stripWidth(), halfLength);
  if (slices.empty()) return {};
  return ::focalStackSheet(scenePicture(canvas), slices, halfLength,
                           canvas.lowerLine().getLocation(), canvas.upperLine().getLocation());
}

QImage PictureExport::picture(const PictureChoice& choice) const {
  const DrawView& canvas = *window_->drawView();
  QImage image;
  switch (choice.kind) {
    case PictureKind::Scene:
      image = scenePicture(canvas);
      break;
    case PictureKind::RaySpace:
      image = raySpacePicture(canvas);
      break;
    case PictureKind::RaySpaceAsShown:
      image = raySpaceAsShown(*window_->renderView());
      break;
    case PictureKind::Photo:
      image = photoPicture(canvas, window_->photoView()->size());
      break;
    case PictureKind::Window:
      image = windowPicture(*window_);
      break;
    case PictureKind::FocalStackSheet:
      image = focalStackSheet();
      break;
  }
  return crisp(image, choice.scale);
}

bool PictureExport::exportPicture() {
  const auto request = documentdialogs::pictureChoice(window_, last_);
  if (!request) return false;
  last_ = request->choice;
  if (request->copy) {
    copy(last_);
    return true;
  }
  const QString suggested = QStringLiteral("%1.png").arg(pictureFileStem(last_.kind));
  const std::optional<QString> path = documentdialogs::savePicture(window_, suggested);
  return path && exportTo(last_, *path);
}

bool PictureExport::exportFocalStack() {
  const PictureChoice sheet{PictureKind::FocalStackSheet, 1};
  const std::optional<QString> path =
      documentdialogs::savePicture(window_, QStringLiteral("focal-stack.png"));
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
  window_->statusBar()->showMessage(message, kMessageMs);
}
