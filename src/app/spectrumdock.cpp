#include "app/spectrumdock.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/depthwidgets.h"
#include "app/latestrun.h"
#include "session/session.h"

namespace spectrum = lightfield::spectrum;

namespace {

constexpr int kWidth = 300;
// Smaller than the image it shows, so both docks fit one above the other beside the window.
constexpr int kSpectrumSide = 240;
const QColor kSliceColour(255, 140, 0);
const QColor kFanColour(0, 170, 255);
// The slice's values take a darker shade of its colour: the line stays the one pure orange.
const QColor kValueColour(225, 110, 0);

// The fractions of the lowest and highest captured shape pixels: the scene's depth range.
std::optional<std::pair<double, double>> depthRange(const lightfield::LightField& field) {
  const std::vector<unsigned char>& strip = field.strip();
  const int h = field.stripHeight(), n = field.columns();
  if (strip.empty() || h <= 0 || n <= 0) return std::nullopt;
  const lightfield::RayGeometry& g = field.geometry();
  double lo = 2.0, hi = -1.0;
  for (int row = 0; row < h; ++row) {
    const unsigned char* line = strip.data() + 3 * static_cast<std::size_t>(row) * n;
    if (std::all_of(line, line + 3 * n, [](unsigned char c) { return c == 255; })) continue;
    const double lambda = g.fractionOfHeight(g.lowerLine + h - row - 0.5);
    lo = std::min(lo, lambda);
    hi = std::max(hi, lambda);
  }
  if (hi < lo) return std::nullopt;
  return std::pair{std::clamp(lo, 0.0, 1.0), std::clamp(hi, 0.0, 1.0)};
}

QPointF onWidget(double x, double y, QSize image, QSize size) {
  // Centred pixel coordinates name pixel centres.
  return {(x + 0.5) * size.width() / image.width(), (y + 0.5) * size.height() / image.height()};
}

}  // namespace

SpectrumDock::SpectrumDock(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("spectrum"));
  run_ = new LatestRun(this);
  dock_ = new QDockWidget(tr("Spectrum"), parts_.window);
  dock_->setObjectName(QStringLiteral("spectrumDock"));
  auto* body = new QWidget(dock_);
  auto* layout = new QVBoxLayout(body);
  title_ = new QLabel(body);
  title_->setObjectName(QStringLiteral("spectrumTitle"));
  title_->setWordWrap(true);
  layout->addWidget(title_);
  spectrumView_ = new PaintedWidget(
      "spectrumImage", QSize(kSpectrumSide, kSpectrumSide),
      [this](QPainter& painter, QSize size) { paintSpectrum(painter, size); }, body);
  layout->addWidget(spectrumView_);
  axes_ = new QLabel(body);
  axes_->setObjectName(QStringLiteral("spectrumAxes"));
  axes_->setWordWrap(true);
  layout->addWidget(axes_);
  // Says why the picture is empty when the current light field cannot be transformed.
  note_ = new QLabel(body);
  note_->setObjectName(QStringLiteral("spectrumNote"));
  note_->setWordWrap(true);
  note_->hide();
  layout->addWidget(note_);
  auto* photoTitle = new QLabel(tr("Photo |DFT| (black), slice values (orange)"), body);
  photoTitle->setToolTip(
      tr("Both on a log scale. They meet for a photo through the whole "
         "aperture, the projection the slice stands for."));
  layout->addWidget(photoTitle);
  photoView_ = new PaintedWidget(
      "photoSpectrum", QSize(kWidth, 90),
      [this](QPainter& painter, QSize size) { paintPhoto(painter, size); }, body);
  layout->addWidget(photoView_);
  layout->addStretch(1);
  describe(lightfield::Source::Canvas, 0, 0);
  installDock(parts_.window, dock_, body, "actionSpectrum", tr("Spectru&m"), parts_.viewMenu);

  connect(dock_, &QDockWidget::visibilityChanged, this,
          [this](bool visible) { visible ? recompute() : run_->cancel(); });
  connect(parts_.session, &Session::lightFieldChanged, this, [this] {
    if (isShown()) recompute();
  });
  connect(parts_.session, &Session::cameraChanged, this, [this] {
    if (isShown()) updateSlice();
  });
  connect(parts_.session, &Session::photoChanged, this, [this] {
    if (isShown()) updatePhoto();
  });
}

SpectrumDock::~SpectrumDock() = default;

bool SpectrumDock::isShown() const {
  return dock_->isVisible();
}

// One transform, made on a pool thread from its own copy of the light field.
struct SpectrumDock::Result {
  int rows = 0, cols = 0;
  QImage image;
  std::vector<spectrum::Complex> transforms;
  std::optional<std::pair<double, double>> fan;
};

QString SpectrumDock::note() const {
  return note_->isHidden() ? QString() : note_->text();
}

bool SpectrumDock::isPending() const {
  return run_->isPending();
}

void SpectrumDock::drop() {
  plan_.reset();
  rows_.clear();
  image_ = QImage();
  slice_ = {};
  fan_.reset();
  photoSpectrum_.clear();
  sliceValues_.clear();
  spectrumView_->update();
  photoView_->update();
}

void SpectrumDock::clear(const QString& reason) {
  // Never a stale picture: a transform still running for the previous light field is dropped.
  run_->cancel();
  drop();
  note_->setText(reason);
  note_->show();
}

void SpectrumDock::describe(lightfield::Source source, int rows, int cols) {
  if (source == lightfield::Source::File) {
    title_->setText(tr("log |DFT| of the epipolar-plane image: slice (orange)"));
    title_->setToolTip(
        tr("The slice is the line the focus angle selects. A real light field's depths are "
           "not known, so no fan is drawn."));
    axes_->setText(tr("Across: cycles along a view's %1 pixels, %2 to %3. Down: cycles across "
                      "the %4 views, %5 to %6. Zero frequency at the centre.")
                       .arg(cols)
                       .arg(-(cols / 2))
                       .arg(cols - 1 - cols / 2)
                       .arg(rows)
                       .arg(-(rows / 2))
                       .arg(rows - 1 - rows / 2));
  } else {
    title_->setText(tr("log |DFT| of ray space: slice (orange), fan (blue)"));
    title_->setToolTip(
        tr("The slice is the line the focus angle selects; the fan lies between the "
           "lines of the nearest and farthest shapes."));
    axes_->setText(
        tr("Across: k_u, cycles along the upper line. Down: k_r, cycles along the "
           "lower line. Zero frequency at the centre."));
  }
}

void SpectrumDock::recompute() {
  const lightfield::LightField& field = parts_.session->lightField();
  if (field.isEmpty()) {
    clear(tr("No light field to transform yet."));
    return;
  }
  const int rows = field.rows(), cols = field.columns();
  note_->hide();
  describe(field.source(), rows, cols);
  // A result of another shape belongs to another light field: gone until this one's lands.
  if (image_.size() != QSize(cols, rows)) drop();
  ++computations_;
  // The copy shares the pixels, which never change while shared.
  run_->start([this, field, rows, cols](const LatestRun::Stale& stale) -> LatestRun::Apply {
    // One plan serves both axes of a square image.
    const spectrum::Plan along(cols);
    std::optional<spectrum::Plan> ownDown;
    if (rows != cols) ownDown.emplace(rows);
    const spectrum::Plan& down = ownDown ? *ownDown : along;
    const auto cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    std::vector<spectrum::Complex> full(cells),
        scratch(static_cast<std::size_t>(std::max(rows, cols)));
    std::vector<double> lum(cells);
    std::vector<float> logMagnitude(cells);
    std::vector<unsigned char> grey(3 * cells);
    spectrum::raySpectrum(along, down, field.pixels(), full.data(), logMagnitude.data(),
                          grey.data(), lum.data(), scratch.data());
    if (stale()) return {};
    auto result = std::make_shared<Result>();
    result->rows = rows;
    result->cols = cols;
    result->image = QImage(grey.data(), cols, rows, 3 * cols, QImage::Format_RGB888).copy();
    // The slice reads the image as it is, without the window the picture uses.
    spectrum::luminance(field.pixels(), rows * cols, lum.data());
    result->transforms.resize(cells);
    spectrum::transformRows(along, rows, lum.data(), result->transforms.data(), scratch.data());
    // The fan needs the shapes' depths, which only a capture of the scene knows.
    if (field.source() == lightfield::Source::Canvas) result->fan = depthRange(field);
    return [this, result] { show(*result); };
  });
}

void SpectrumDock::show(Result& result) {
  const int cols = result.cols;
  if (!plan_ || plan_->size() != cols) plan_ = std::make_unique<spectrum::Plan>(cols);
  scratch_.resize(static_cast<std::size_t>(cols));
  shape_ = QSize(cols, result.rows);
  image_ = std::move(result.image);
  rows_ = std::move(result.transforms);
  fan_ = result.fan;
  updateSlice();
  updatePhoto();
  spectrumView_->update();
}

void SpectrumDock::updateSlice() {
  const int rows = shape_.height(), cols = shape_.width();
  if (!plan_ || rows <= 0 || rows_.size() != static_cast<std::size_t>(rows) * cols) return;
  const lightfield::optics::FocusSteps steps = parts_.session->camera().steps();
  slice_ = spectrum::sliceLine(rows, cols, steps.colStep, steps.rowStep);
  sliceValues_.resize(static_cast<std::size_t>(cols));
  spectrum::sliceValues(rows_.data(), rows, cols, steps.colStep, steps.rowStep,
                        sliceValues_.data());
  spectrumView_->update();
  photoView_->update();
}

void SpectrumDock::updatePhoto() {
  const int n = plan_ ? plan_->size() : 0;
  const std::vector<unsigned char>& photo = parts_.session->photo();
  if (n <= 0 || photo.size() != 3 * static_cast<std::size_t>(n)) {
    photoSpectrum_.clear();
  } else {
    photoSpectrum_.resize(static_cast<std::size_t>(n));
    std::vector<double> lum(static_cast<std::size_t>(n));
    std::vector<spectrum::Complex> out(static_cast<std::size_t>(n));
    spectrum::photoSpectrum(*plan_, photo.data(), n, photoSpectrum_.data(), lum.data(), out.data(),
                            scratch_.data());
  }
  photoView_->update();
}

void SpectrumDock::paintSpectrum(QPainter& painter, QSize size) const {
  if (image_.isNull()) return;
  const QSize image = image_.size();
  // Shrunk, the picture is smoothed; stretched, as a real light field's few views are, each
  // frequency bin stays a crisp block.
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        image.width() >= size.width() && image.height() >= size.height());
  painter.drawImage(QRect(QPoint(0, 0), size), image_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const int rows = image.height(), cols = image.width();
  if (fan_) {
    const spectrum::Segment a = spectrum::fractionLine(rows, cols, fan_->first);
    const spectrum::Segment b = spectrum::fractionLine(rows, cols, fan_->second);
    QColor fill = kFanColour;
    fill.setAlphaF(0.18);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    // The fan is the double wedge between the two lines through the zero frequency.
    const QPointF centre = onWidget(cols / 2, rows / 2, image, size);
    painter.drawPolygon(
        QPolygonF{centre, onWidget(a.x0, a.y0, image, size), onWidget(b.x0, b.y0, image, size)});
    painter.drawPolygon(
        QPolygonF{centre, onWidget(a.x1, a.y1, image, size), onWidget(b.x1, b.y1, image, size)});
    painter.setPen(QPen(kFanColour, 1.0));
    for (const spectrum::Segment& s : {a, b})
      painter.drawLine(onWidget(s.x0, s.y0, image, size), onWidget(s.x1, s.y1, image, size));
  }
  if (parts_.session->camera().steps().rowStep > 0.0f) {
    painter.setPen(QPen(kSliceColour, 2.0));
    painter.drawLine(onWidget(slice_.x0, slice_.y0, image, size),
                     onWidget(slice_.x1, slice_.y1, image, size));
  }
}

void SpectrumDock::paintPhoto(QPainter& painter, QSize size) const {
  const std::size_t n = photoSpectrum_.size();
  if (n == 0) return;
  // Log scale, as the picture beside it: the high frequencies stay visible.
  double top = 0.0;
  for (std::size_t k = 0; k < n; ++k) {
    top = std::max(top, std::log1p(photoSpectrum_[k]));
    if (k < sliceValues_.size()) top = std::max(top, std::log1p(sliceValues_[k]));
  }
  if (top <= 0.0) return;
  const double w = size.width(), h = size.height() - 2;
  const auto xOf = [&](std::size_t k) { return (k + 0.5) * w / static_cast<double>(n); };
  const auto yOf = [&](double value) { return 1.0 + h - h * std::log1p(value) / top; };
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath curve;
  curve.moveTo(xOf(0), yOf(photoSpectrum_[0]));
  for (std::size_t k = 1; k < n; ++k) curve.lineTo(xOf(k), yOf(photoSpectrum_[k]));
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawPath(curve);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kValueColour);
  if (parts_.session->camera().steps().rowStep > 0.0f) {
    for (std::size_t k = 0; k < sliceValues_.size(); ++k)
      painter.drawEllipse(QPointF(xOf(k), yOf(sliceValues_[k])), 1.3, 1.3);
  }
}
