#include "app/lightfielddocument.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressDialog>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/statusservice.h"
#include "lightfield/refocus.h"
#include "session/session.h"
#include "toolkit/controls.h"
#include "toolkit/view.h"
#include "toolkit/window.h"

namespace rf = lightfield::refocus;

namespace lightfieldviews {

namespace {

// Room for the ray-space view's axis names and end numbers, and their type, at 1x.
constexpr int kLabelMargin = 16;
constexpr int kLabelPixels = 10;

QImage packedImage(const unsigned char* rgb, int width, int height) {
  return QImage(rgb, width, height, 3 * width, QImage::Format_RGB888).copy();
}

}  // namespace

CentralView::CentralView(QWidget* parent) : QWidget(parent) {
  // Pictures of the views' own: never mirrored, whatever the language's direction (their words
  // and numbers would swap ends over an image that does not).
  setLayoutDirection(Qt::LeftToRight);
  setObjectName(QStringLiteral("lightFieldCanvas"));
  setAccessibleName(QCoreApplication::translate("LightFieldDocument", "Central view"));
  setToolTip(QCoreApplication::translate(
      "LightFieldDocument",
      "The central camera view. Drag the red scanline, or press the up and down arrow keys, to "
      "cut the ray space at another row."));
  setCursor(Qt::SizeVerCursor);
}

void CentralView::setView(const QImage& view) {
  view_ = view;
  update();
}

void CentralView::setScanline(int y) {
  scanline_ = y;
  update();
}

QRect CentralView::imageRect() const {
  if (view_.isNull()) return {};
  const QSize shown = view_.size().scaled(size(), Qt::KeepAspectRatio);
  return {(width() - shown.width()) / 2, (height() - shown.height()) / 2, shown.width(),
          shown.height()};
}

QImage CentralView::picture() const {
  if (view_.isNull()) return {};
  QImage image = view_.convertToFormat(QImage::Format_RGB32);
  if (scanline_ >= 0 && scanline_ < image.height())
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, scanline_, qRgb(255, 0, 0));
  return image;
}

void CentralView::setZoom(double zoom) {
  if (!(zoom > 0) || zoom == zoom_) return;
  zoom_ = zoom;
  update();
}

void CentralView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (view_.isNull()) return;
  const QRect r = imageRect();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(r, view_);
  const double y = r.top() + (scanline_ + 0.5) * r.height() / view_.height();
  // As thick as the zoom makes the scene's lines: one pixel at 1x.
  painter.setPen(QPen(Qt::red, std::max(1, static_cast<int>(std::lround(zoom_)))));
  painter.drawLine(QPointF(r.left(), y), QPointF(r.right() + 1, y));
}

void CentralView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pick(event->position().y());
}

void CentralView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) pick(event->position().y());
}

void CentralView::pick(double widgetY) {
  const QRect r = imageRect();
  if (r.isEmpty()) return;
  const int y = static_cast<int>(std::floor((widgetY - r.top()) * view_.height() / r.height()));
  emit scanlinePicked(std::clamp(y, 0, view_.height() - 1));
}

EpiView::EpiView(QWidget* parent) : QWidget(parent) {
  // Pictures of the views' own: never mirrored, whatever the language's direction (their words
  // and numbers would swap ends over an image that does not).
  setLayoutDirection(Qt::LeftToRight);
  setObjectName(QStringLiteral("lightFieldRaySpace"));
  setAccessibleName(QCoreApplication::translate("LightFieldDocument", "Ray space of the scanline"));
  setToolTip(QCoreApplication::translate(
      "LightFieldDocument",
      "The ray space of the scanline: one row per camera view (view 0 at the bottom), one column "
      "per pixel. A point at one depth is a line."));
}

void EpiView::setImage(const QImage& epi) {
  epi_ = epi;
  update();
}

void EpiView::setWeights(std::vector<int> weights) {
  weights_ = std::move(weights);
  update();
}

void EpiView::setSamples(std::vector<double> samples) {
  samples_ = std::move(samples);
  update();
}

void EpiView::setZoom(double zoom) {
  if (!(zoom > 0) || zoom == zoom_) return;
  zoom_ = zoom;
  update();
}

QFont EpiView::labelFont() const {
  return labelFontAt(zoom_);
}

QFont EpiView::labelFontAt(double zoom) const {
  QFont font = this->font();
  font.setPixelSize(static_cast<int>(std::lround(kLabelPixels * zoom)));
  return font;
}

void EpiView::setOverlay(const QImage& overlay) {
  overlay_ = overlay;
  update();
}

QRect EpiView::imageRect() const {
  return imageRectIn(size(), zoom_);
}

QRect EpiView::imageRectIn(QSize size, double zoom) {
  const int margin = static_cast<int>(std::lround(kLabelMargin * zoom));
  return QRect(QPoint(0, 0), size).adjusted(0, 0, 0, -margin);
}

QImage EpiView::picture() const {
  // One pixel per unit, as the scene's ray-space view gives its picture at any zoom.
  const QSize atOne = (QSizeF(size()) / zoom_).toSize();
  const int axis = viewAxisWidth(1.0);
  QImage image(atOne + QSize(axis, 0), QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  paint(painter, atOne, 1.0);
  const QRect r = imageRectIn(atOne, 1.0);
  painter.fillRect(QRect(atOne.width(), 0, axis, atOne.height()), palette().window());
  paintViewAxis(painter, QRect(atOne.width(), r.top(), axis, r.height()), 1.0);
  return image;
}

void EpiView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint(painter, size(), zoom_);
}

void EpiView::paint(QPainter& painter, QSize size, double zoom) const {
  // A painter takes the application's direction, not the widget's: the numbers keep their ends.
  painter.setLayoutDirection(Qt::LeftToRight);
  painter.fillRect(QRect(QPoint(0, 0), size), palette().window());
  const QRect r = imageRectIn(size, zoom);
  painter.fillRect(r, Qt::white);
  if (epi_.isNull()) return;
  const int views = epi_.height(), width = epi_.width();
  // Nearest neighbour: each view stays a band of its own colour.
  painter.drawImage(r, epi_);
  if (!overlay_.isNull()) painter.drawImage(r, overlay_);
  const double rowHeight = double(r.height()) / views;
  auto rowTop = [&](int view) { return r.top() + rf::rowOfView(views, view) * rowHeight; };
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 170));
  for (int v = 0; v < views; ++v)
    if (v >= int(weights_.size()) || weights_[std::size_t(v)] == 0)
      painter.drawRect(QRectF(r.left(), rowTop(v), r.width(), rowHeight));
  if (!samples_.empty()) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor link(0xff, 0x00, 0xff);
    QPolygonF line;
    for (int v = 0; v < int(samples_.size()) && v < views; ++v) {
      if (!std::isfinite(samples_[std::size_t(v)])) continue;
      line << QPointF(r.left() + (samples_[std::size_t(v)] + 0.5) * r.width() / width,
                      rowTop(v) + rowHeight / 2);
    }
    painter.setPen(QPen(link, zoom));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    painter.setBrush(link);
    painter.setPen(Qt::NoPen);
    for (const QPointF& p : line) painter.drawEllipse(p, 2.0 * zoom, 2.0 * zoom);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  // The axes' words grow with the view, so they read as well at 2x or 3x on a projector.
  painter.setFont(labelFontAt(zoom));
  painter.setPen(palette().color(QPalette::WindowText));
  const int margin = size.height() - 1 - r.bottom(), gap = static_cast<int>(std::lround(2 * zoom));
  const QRect below(r.left(), r.bottom() + gap, r.width(), margin - gap);
  const QLocale locale;
  painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, locale.toString(0));
  painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, tr("pixel →"));
  painter.drawText(below, Qt::AlignRight | Qt::AlignTop, locale.toString(width - 1));
  painter.save();
  painter.translate(0, r.bottom() + 1);
  painter.rotate(-90);
  painter.restore();
}

int EpiView::viewAxisWidth(double zoom) const {
  return QFontMetrics(labelFontAt(zoom)).height() + static_cast<int>(std::lround(4 * zoom));
}

void EpiView::paintViewAxis(QPainter& painter, QRect area, double zoom) const {
  painter.save();
  painter.setLayoutDirection(Qt::LeftToRight);
  painter.fillRect(area, palette().window());
  if (!epi_.isNull()) {
    painter.setFont(labelFontAt(zoom));
    painter.setPen(palette().color(QPalette::WindowText));
    const QLocale locale;
    painter.translate(area.left(), area.bottom() + 1);
    painter.rotate(-90);
    const QRect upward(0, 0, area.height(), area.width());
    painter.drawText(upward, Qt::AlignLeft | Qt::AlignVCenter, locale.toString(0));
    painter.drawText(upward, Qt::AlignHCenter | Qt::AlignVCenter, tr("view →"));
    painter.drawText(upward, Qt::AlignRight | Qt::AlignVCenter, locale.toString(views() - 1));
  }
  painter.restore();
}

ViewAxis::ViewAxis(const EpiView* epi, QWidget* parent) : QWidget(parent), epi_(epi) {
  setObjectName(QStringLiteral("lightFieldViewAxis"));
  setLayoutDirection(Qt::LeftToRight);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize ViewAxis::sizeHint() const {
  return {epi_->viewAxisWidth(epi_->zoom()), 0};
}

void ViewAxis::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Level with the image, not with the pixel axis beneath it.
  const QRect image = epi_->imageRect();
  painter.fillRect(rect(), palette().window());
  epi_->paintViewAxis(painter, QRect(0, image.top(), width(), image.height()), epi_->zoom());
}

PhotoStrip::PhotoStrip(QWidget* parent) : QWidget(parent) {
  // Pictures of the views' own: never mirrored, whatever the language's direction (their words
  // and numbers would swap ends over an image that does not).
  setLayoutDirection(Qt::LeftToRight);
  setObjectName(QStringLiteral("lightFieldPhoto"));
  setAccessibleName(QCoreApplication::translate("LightFieldDocument", "Refocused scanline"));
  setToolTip(QCoreApplication::translate(
      "LightFieldDocument",
      "The scanline refocused by shifting and averaging the views. Hover a pixel to see its "
      "samples in ray space; click it to focus there."));
  setMouseTracking(true);
}

void PhotoStrip::setImage(const QImage& photo) {
  photo_ = photo;
  update();
}

int PhotoStrip::pixelAt(double widgetX) const {
  if (photo_.isNull() || width() <= 0) return -1;
  const int x = static_cast<int>(std::floor(widgetX * photo_.width() / width()));
  return x >= 0 && x < photo_.width() ? x : -1;
}

void PhotoStrip::setMarked(int pixel) {
  if (pixel == marked_) return;
  marked_ = pixel;
  update();
}

void PhotoStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (photo_.isNull()) return;
  painter.drawImage(rect(), photo_);
  if (marked_ < 0 || marked_ >= photo_.width()) return;
  // The pixel being read, framed in the samples' colour over a white edge.
  const double left = double(marked_) * width() / photo_.width();
  const double right = double(marked_ + 1) * width() / photo_.width();
  const QRectF frame(left - 1.5, 0.5, right - left + 2.0, height() - 1.0);
  painter.setPen(QPen(Qt::white, 3));
  painter.drawRect(frame);
  painter.setPen(QPen(QColor(0xff, 0x00, 0xff), 1));
  painter.drawRect(frame);
}

void PhotoStrip::mouseMoveEvent(QMouseEvent* event) {
  emit hovered(pixelAt(event->position().x()));
}

void PhotoStrip::mousePressEvent(QMouseEvent* event) {
  const int x = pixelAt(event->position().x());
  if (event->button() == Qt::LeftButton && x >= 0) emit clicked(x);
}

void PhotoStrip::leaveEvent(QEvent*) {
  emit hovered(-1);
}

}  // namespace lightfieldviews

namespace {

LightFieldDocument::Dialogs& installed() {
  static LightFieldDocument::Dialogs dialogs;
  return dialogs;
}

// One dialog for both kinds: Open on a folder (or with nothing chosen, on the folder shown)
// takes the folder as a row of views; Open on an image takes it as an epipolar-plane image.
// Double-clicking a folder still goes into it.
class LightFieldChooser : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;
  QString chosen;

  void accept() override {
    const QStringList files = selectedFiles();
    const QFileInfo info(files.isEmpty() ? directory().absolutePath() : files.first());
    if (files.size() <= 1 && info.exists()) {
      chosen = info.absoluteFilePath();
      QDialog::accept();
      return;
    }
    QFileDialog::accept();
  }
};

std::optional<QString> chooseLightField(QWidget* parent) {
  if (installed().chooseLightField) return installed().chooseLightField(parent);
  LightFieldChooser dialog(parent,
                           QCoreApplication::translate("LightFieldDocument", "Open Light Field"));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({QCoreApplication::translate("LightFieldDocument",
                                                     "Views or epipolar image (*.png *.jpg *.jpeg "
                                                     "*.bmp *.ppm *.tif *.tiff *.webp)"),
                         QCoreApplication::translate("LightFieldDocument", "All files (*)")});
  dialog.setLabelText(QFileDialog::Accept,
                      QCoreApplication::translate("LightFieldDocument", "Open"));
  if (dialog.exec() != QDialog::Accepted || dialog.chosen.isEmpty()) return std::nullopt;
  return dialog.chosen;
}

std::optional<int> chooseRow(QWidget* parent, const QList<int>& rows, int suggested) {
  if (installed().chooseRow) return installed().chooseRow(parent, rows, suggested);
  QStringList items;
  for (int row : rows)
    items << QCoreApplication::translate("LightFieldDocument", "Row %L1").arg(row);
  bool ok = false;
  const QString item = QInputDialog::getItem(
      parent, QCoreApplication::translate("LightFieldDocument", "Open Light Field"),
      QCoreApplication::translate("LightFieldDocument", "The views form a grid. Open which row?"),
      items, std::max(0, int(rows.indexOf(suggested))), false, &ok);
  if (!ok) return std::nullopt;
  return rows.value(int(items.indexOf(item)), suggested);
}

// Puts `added` where `widget` is: just before it in a box layout (so what is put after the widget
// stays after both), in its cell of a grid.
bool placeBeside(QLayout* layout, QWidget* widget, QWidget* added) {
  if (layout == nullptr) return false;
  const int index = layout->indexOf(widget);
  if (index >= 0) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
      int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
      grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
      grid->addWidget(added, row, column, rowSpan, columnSpan);
      return true;
    }
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
      box->insertWidget(index, added);
      return true;
    }
    return false;
  }
  for (int i = 0; i < layout->count(); ++i)
    if (placeBeside(layout->itemAt(i)->layout(), widget, added)) return true;
  return false;
}

// `added` goes where `widget` is, at its size: a toolkit view tells each new size (a zoom) even
// while it is hidden, when it gets no resize event.
void takePlaceOf(QWidget* widget, QWidget* added) {
  added->setFixedSize(widget->minimumSize());
  if (auto* view = qobject_cast<toolkit::View*>(widget))
    QObject::connect(view, &toolkit::View::sizeFixed, added,
                     [added](QSize size) { added->setFixedSize(size); });
  added->hide();
  QWidget* parent = widget->parentWidget();
  if (parent != nullptr && placeBeside(parent->layout(), widget, added)) return;
  added->setParent(parent);
}

// The widest disparity click-to-focus tries, in pixels per view (wider than the rectified sets'
// nearest objects; a wider reach lets a regular texture line up with itself a period away), its
// step, and how many pixels on each side of the clicked one join the fit (flat bands of colour
// are common in real scenes). Ties go to the smaller shift.
constexpr double kFitReach = 8.0;
constexpr int kFitStepsPerPixel = 40;
constexpr int kFitRadius = 4;

}  // namespace

void LightFieldDocument::setDialogs(Dialogs dialogs) {
  installed() = std::move(dialogs);
}

LightFieldDocument::LightFieldDocument(const Parts& parts, QObject* parent)
    : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("lightFieldDocument"));
  open_ = new QAction(QCoreApplication::translate("LightFieldDocument", "Open &Light Field…"),
                      parts_.window);
  open_->setObjectName(QStringLiteral("actionOpenLightField"));
  open_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")));
  open_->setStatusTip(QCoreApplication::translate(
      "LightFieldDocument", "Open a row of camera views (a folder) or one epipolar-plane image"));
  close_ = new QAction(QCoreApplication::translate("LightFieldDocument", "&Close Light Field"),
                       parts_.window);
  close_->setObjectName(QStringLiteral("actionCloseLightField"));
  close_->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
  close_->setEnabled(false);
  close_->setStatusTip(QCoreApplication::translate("LightFieldDocument", "Go back to the scene"));
  parts_.fileMenu->insertAction(parts_.insertBefore, open_);
  parts_.fileMenu->insertAction(parts_.insertBefore, close_);
  parts_.fileMenu->insertSeparator(parts_.insertBefore);
  connect(open_, &QAction::triggered, this, [this] { open(); });
  connect(close_, &QAction::triggered, this, &LightFieldDocument::close);

  central_ = new lightfieldviews::CentralView;
  epiView_ = new lightfieldviews::EpiView;
  photoStrip_ = new lightfieldviews::PhotoStrip;
  takePlaceOf(parts_.canvas, central_);
  takePlaceOf(parts_.raySpace, epiView_);
  takePlaceOf(parts_.photo, photoStrip_);
  // The view axis goes where the scene's ray space has its own, in the cell to its right.
  viewAxis_ = new lightfieldviews::ViewAxis(epiView_, parts_.raySpace->parentWidget());
  viewAxis_->hide();
  if (auto* grid = qobject_cast<QGridLayout*>(parts_.raySpace->parentWidget()->layout())) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    const int index = grid->indexOf(parts_.raySpace);
    if (index >= 0) {
      grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
      grid->addWidget(viewAxis_, row, column + columnSpan);
    }
  }
  if (auto* view = qobject_cast<toolkit::View*>(parts_.raySpace)) {
    epiView_->setZoom(view->zoom());
    connect(view, &toolkit::View::sizeFixed, epiView_, [this, view] {
      epiView_->setZoom(view->zoom());
      viewAxis_->updateGeometry();
      viewAxis_->update();
    });
  }
  if (auto* view = qobject_cast<toolkit::View*>(parts_.canvas)) {
    central_->setZoom(view->zoom());
    connect(view, &toolkit::View::sizeFixed, central_,
            [this, view] { central_->setZoom(view->zoom()); });
  }
  connect(central_, &lightfieldviews::CentralView::scanlinePicked, this,
          &LightFieldDocument::setScanline);
  connect(photoStrip_, &lightfieldviews::PhotoStrip::hovered, this,
          &LightFieldDocument::hoverPhotoPixel);
  connect(photoStrip_, &lightfieldviews::PhotoStrip::clicked, this,
          &LightFieldDocument::focusOnPixel);
  // The session's camera follows the focus and depth-of-field sliders and the camera panel's
  // viewpoint and profile: one refocus for each change of any of them.
  connect(parts_.session, &Session::cameraChanged, this, [this] {
    if (isOpen()) refocus();
  });
  // Before the window's routing of keys to the scene canvas, which is installed earlier.
  qApp->installEventFilter(this);
}

double LightFieldDocument::focusDegrees() const {
  return static_cast<double>(parts_.focus->floatValue());
}

double LightFieldDocument::disparity() const {
  return rf::disparityForDegrees(focusDegrees());
}

int LightFieldDocument::halfCount() const {
  return parts_.dof->value();
}

rf::ViewCamera LightFieldDocument::camera() const {
  const lightfield::CameraChoice& choice = parts_.session->camera().choice;
  const int n = views_.count();
  const int viewpoint =
      choice.viewpoint >= 0 && choice.viewpoint < n ? choice.viewpoint : rf::centreView(n);
  return {viewpoint, halfCount(), choice.aperture, choice.pinholes};
}

std::vector<int> LightFieldDocument::weights() const {
  const int n = views_.count();
  const rf::ViewCamera chosen = camera();
  std::vector<int> weights(std::size_t(n), 0);
  for (int v = 0; v < n; ++v) weights[std::size_t(v)] = rf::viewWeight(chosen, n, v);
  return weights;
}

QString LightFieldDocument::focusReadout() const {
  const double s = disparity();
  // Numbers in the language's own way, as the scene's readout gives them.
  return tr("%L1° — disparity %2 px per view")
      .arg(static_cast<double>(parts_.focus->floatValue()), 0, 'f', 1)
      .arg(std::isfinite(s) ? QLocale().toString(s, 'f', 2) : QStringLiteral("−∞"));
}

QString LightFieldDocument::depthReadout() const {
  const std::vector<int> taking = weights();
  const auto weighed = [](int w) { return w != 0; };
  const auto first = std::find_if(taking.begin(), taking.end(), weighed);
  if (first == taking.end()) return tr("no view takes part");
  const auto last = std::find_if(taking.rbegin(), taking.rend(), weighed);
  const int count = static_cast<int>(std::count_if(taking.begin(), taking.end(), weighed));
  const int from = static_cast<int>(first - taking.begin());
  const int to = static_cast<int>(taking.rend() - last) - 1;
  if (count == to - from + 1)
    return tr("views %L1 to %L2 (%L3 of %L4)").arg(from).arg(to).arg(count).arg(taking.size());
  return tr("%L1 of the views %L2 to %L3 (%L4 in all)")
      .arg(count)
      .arg(from)
      .arg(to)
      .arg(taking.size());
}

bool LightFieldDocument::open() {
  const std::optional<QString> path = chooseLightField(parts_.window);
  return path && openPath(*path);
}

bool LightFieldDocument::openPath(const QString& path, int row, int scanline) {
  const QFileInfo info(path);
  if (info.isDir() && row < 0) {
    const lightfieldloader::Listing listing = lightfieldloader::listFolder(path);
    if (!listing.ok()) {
      report(listing.error);
      return false;
    }
    if (listing.grid && listing.rows.size() > 1) {
      const std::optional<int> chosen =
          chooseRow(parts_.window, listing.rows, listing.rows.at(listing.rows.size() / 2));
      if (!chosen) return false;
      row = *chosen;
    }
  }
  QProgressDialog progress(tr("Opening the light field…"), tr("Cancel"), 0, 0, parts_.window);
  progress.setWindowTitle(tr("Open Light Field"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  progress.setAutoReset(false);
  lightfieldloader::Result result =
      lightfieldloader::open(path, row, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
      });
  progress.close();
  if (result.cancelled) {
    report(tr("Opening the light field was cancelled; nothing changed."));
    return false;
  }
  if (!result.ok()) {
    report(result.error);
    return false;
  }
  if (!isOpen()) {
    if (parts_.leavingScene) parts_.leavingScene();
    saved_.focus = parts_.focus->value();
    saved_.dof = parts_.dof->value();
  }
  const bool wasOpen = isOpen();
  views_ = std::move(result.views);
  path_ = info.absoluteFilePath();
  row_ = row;
  hovered_ = -1;
  epiView_->setSamples({});
  const int c = rf::centreView(views_.count());
  central_->setView(
      lightfieldviews::packedImage(views_.scanline(c, 0), views_.width(), views_.height()));
  if (!wasOpen) showLightField(true);
  scanline_ = -1;
  setScanline(scanline >= 0 ? scanline : views_.height() / 2);
  parts_.window->setWindowTitle(tr("%1 — Light Field — Ombrel").arg(info.fileName()));
  report(tr("Opened the light field “%1”: %L2 views of %L3 × %L4 pixels.")
             .arg(info.fileName())
             .arg(views_.count())
             .arg(views_.width())
             .arg(views_.height()));
  emit opened();
  return true;
}

void LightFieldDocument::close() {
  if (!isOpen()) return;
  views_ = {};
  path_.clear();
  row_ = -1;
  epi_.clear();
  photo_.clear();
  hovered_ = -1;
  showLightField(false);
  parts_.focus->setValue(saved_.focus);
  parts_.dof->setValue(saved_.dof);
  // The scene's title, image and photo come back.
  if (parts_.backToScene) parts_.backToScene();
  report(tr("Closed the light field; back to the scene."));
  emit closed();
}

void LightFieldDocument::setScanline(int y) {
  if (!isOpen()) return;
  y = std::clamp(y, 0, views_.height() - 1);
  if (y == scanline_) return;
  scanline_ = y;
  central_->setScanline(y);
  rebuildRaySpace();
  refocus();
}

void LightFieldDocument::rebuildRaySpace() {
  const int n = views_.count(), w = views_.width();
  epi_.resize(std::size_t{3} * std::size_t(n) * std::size_t(w));
  views_.epipolarImage(scanline_, epi_.data());
  parts_.session->publishLightField(n, w, epi_.data(), lightfield::RayGeometry{},
                                    lightfield::Source::File);
  epiView_->setImage(lightfieldviews::packedImage(epi_.data(), w, n));
  viewAxis_->update();
}

void LightFieldDocument::refocus() {
  const int n = views_.count(), w = views_.width();
  photo_.resize(std::size_t{3} * std::size_t(w));
  rf::refocus(epi_.data(), n, w, camera(), disparity(), photo_.data());
  parts_.session->setPhoto(photo_.data(), w);
  photoStrip_->setImage(lightfieldviews::packedImage(photo_.data(), w, 1));
  epiView_->setWeights(weights());
  hoverPhotoPixel(hovered_);
}

void LightFieldDocument::hoverPhotoPixel(int x) {
  hovered_ = isOpen() && x >= 0 && x < views_.width() ? x : -1;
  photoStrip_->setMarked(hovered_);
  if (hovered_ < 0) {
    epiView_->setSamples({});
    if (isOpen()) parts_.status->setReading({});
    return;
  }
  // Where refocus() reads each weighed view for this pixel.
  const int n = views_.count(), w = views_.width();
  const rf::ViewCamera chosen = camera();
  const double s = disparity();
  rf::ViewReads reads;
  rf::viewReads(epi_.data(), n, w, chosen, s, reads);
  std::vector<double> samples(std::size_t(n), std::numeric_limits<double>::quiet_NaN());
  int first = -1, last = -1;
  double rgb[3];
  for (int j = 0; j < reads.count; ++j) {
    const rf::ViewRead& read = reads.read[j];
    if (!rf::readAt(read, x, static_cast<float>(w - 1), rgb)) continue;
    samples[std::size_t(read.view)] = static_cast<float>(x) + read.shift;
    if (first < 0) first = read.view;
    last = read.view;
  }
  epiView_->setSamples(std::move(samples));
  const QString note = pixelNote_ ? pixelNote_(x) : QString();
  const QString more = note.isEmpty() ? QString() : QStringLiteral("; ") + note;
  if (first < 0) {
    parts_.status->setReading(tr("Photo pixel %L1: no view sees it; it is white").arg(x) + more);
    return;
  }
  const bool plain = chosen.aperture == lightfield::Aperture::Box;
  parts_.status->setReading(
      (plain ? tr("Photo pixel %L1: the mean of views %L2 to %L3 along disparity %L4 px per view")
             : tr("Photo pixel %L1: the weighted mean of views %L2 to %L3 along disparity %L4 px "
                  "per view"))
          .arg(x)
          .arg(first)
          .arg(last)
          .arg(s, 0, 'f', 2) +
      more);
}

void LightFieldDocument::setPixelNote(std::function<QString(int x)> note) {
  pixelNote_ = std::move(note);
  hoverPhotoPixel(hovered_);
}

bool LightFieldDocument::focusOnPixel(int x) {
  if (!isOpen()) return false;
  const int n = views_.count();
  const double s = rf::fitDisparity(epi_.data(), n, views_.width(), x, n, 0.0, -kFitReach,
                                    static_cast<int>(kFitReach) * kFitStepsPerPixel + 1, kFitRadius,
                                    camera().viewpoint);
  if (!std::isfinite(s)) {
    report(tr("Too few views see pixel %L1 to find its depth.").arg(x));
    return false;
  }
  const double degrees = rf::degreesForDisparity(s);
  parts_.focus->setValue(static_cast<int>(std::lround(degrees * parts_.focus->valueScale())));
  report(tr("Focused on pixel %L1: its samples fit best at disparity %L2 px per view (%L3°).")
             .arg(x)
             .arg(s, 0, 'f', 2)
             .arg(degrees, 0, 'f', 1));
  return true;
}

void LightFieldDocument::showLightField(bool shown) {
  for (QWidget* widget : {parts_.canvas, parts_.raySpace, parts_.photo}) widget->setVisible(!shown);
  for (QWidget* widget : {static_cast<QWidget*>(central_), static_cast<QWidget*>(epiView_),
                          static_cast<QWidget*>(photoStrip_), static_cast<QWidget*>(viewAxis_)})
    widget->setVisible(shown);
  close_->setEnabled(shown);
  const QString why =
      tr("Works on the scene: close the light field (File ▸ Close Light Field) to use it. A real "
         "light field has no shapes or planes to act on.");
  const QString fromOptics =
      tr("Drawn from the scene's optics: close the light field (File ▸ Close Light Field) to "
         "use it.");
  if (parts_.canvasTitle != nullptr) {
    if (shown) saved_.canvasTitle = parts_.canvasTitle->text();
    parts_.canvasTitle->setText(shown ? tr("Central view") : saved_.canvasTitle);
  }
  if (shown) {
    saved_.visible.clear();
    saved_.controls.clear();
    saved_.actions.clear();
    saved_.sceneActions.clear();
    saved_.menuTips.clear();
    if (parts_.sceneOnly)
      for (QWidget* widget : parts_.sceneOnly()) {
        saved_.visible.append({widget, widget->isVisible()});
        // Their room stays, so nothing else in the window moves.
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widget->hide();
      }
    for (QWidget* widget : parts_.sceneControls) {
      saved_.controls.append({widget, widget->toolTip(), widget->isEnabled()});
      widget->setEnabled(false);
      widget->setToolTip(why);
    }
    // A document just opened takes the keys, as a click on its views would give them. (Disabling
    // a focused control passes focus on as Tab does, which alone would hand them to a slider.)
    toolkit::Window::of(parts_.window)->returnKeysToFirstResponder();
    const QList<QAction*> keep = {open_, close_, parts_.insertBefore};
    for (QMenu* menu : parts_.sceneMenus)
      for (QAction* action : menu->actions()) {
        const bool picture = action->objectName() == QLatin1String("actionCopyPicture");
        if (action->isSeparator() || keep.contains(action) || picture ||
            parts_.sceneActions.contains(action))
          continue;
        saved_.actions.append({action, action->isEnabled()});
        action->setEnabled(false);
      }
    for (QAction* action : parts_.sceneViewActions) {
      saved_.actions.append({action, action->isEnabled()});
      action->setEnabled(false);
    }
    for (QAction* action : parts_.sceneActions) {
      saved_.sceneActions.append({action, action->toolTip(), action->isEnabled()});
      action->setEnabled(false);
      action->setToolTip(fromOptics);
      // A menu shows an action's tooltip only when asked to.
      for (QObject* object : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(object); menu && !menu->toolTipsVisible()) {
          saved_.menuTips.append({menu, false});
          menu->setToolTipsVisible(true);
        }
    }
  } else {
    for (const auto& [widget, visible] : saved_.visible)
      if (widget) widget->setVisible(visible);
    for (const auto& [widget, tip, enabled] : saved_.controls)
      if (widget) {
        widget->setEnabled(enabled);
        widget->setToolTip(tip);
      }
    for (const auto& [action, enabled] : saved_.actions)
      if (action) action->setEnabled(enabled);
    for (const auto& [action, tip, enabled] : saved_.sceneActions)
      if (action) {
        action->setEnabled(enabled);
        action->setToolTip(tip);
      }
    for (const auto& [menu, visible] : saved_.menuTips)
      if (menu) menu->setToolTipsVisible(visible);
  }
}

bool LightFieldDocument::eventFilter(QObject* watched, QEvent* event) {
  if (!isOpen() || parts_.window->windowHandle() == nullptr ||
      watched != parts_.window->windowHandle())
    return false;
  toolkit::Window* routing = toolkit::Window::of(parts_.window);
  if (event->type() == QEvent::MouseButtonPress) {
    // A click on one of the light field's views gives it the keys, as one on a scene view does.
    const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
    for (QWidget* w = parts_.window->childAt(p); w != nullptr; w = w->parentWidget())
      if (w == central_ || w == epiView_ || w == photoStrip_) {
        routing->returnKeysToFirstResponder();
        break;
      }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  // A control the user gave the keys to keeps them, and Tab routes as it always does.
  if (routing->controlHasFocus() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
    return false;
  const int step = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
  const int width = views_.width();
  // The scene is not shown: no other key reaches its canvas.
  switch (key->key()) {
    case Qt::Key_Up:
      setScanline(scanline_ - step);
      break;
    case Qt::Key_Down:
      setScanline(scanline_ + step);
      break;
    case Qt::Key_PageUp:
      setScanline(scanline_ - 10);
      break;
    case Qt::Key_PageDown:
      setScanline(scanline_ + 10);
      break;
    // A photo pixel for the keyboard, read out and drawn as the mouse's is.
    case Qt::Key_Left:
      hoverPhotoPixel(std::clamp(hovered_ < 0 ? width / 2 : hovered_ - step, 0, width - 1));
      break;
    case Qt::Key_Right:
      hoverPhotoPixel(std::clamp(hovered_ < 0 ? width / 2 : hovered_ + step, 0, width - 1));
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (hovered_ >= 0) focusOnPixel(hovered_);
      break;
    default:
      break;
  }
  return true;
}

void LightFieldDocument::report(const QString& message) {
  parts_.status->post(message, StatusService::Kind::Report);
}
