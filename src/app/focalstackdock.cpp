#include "app/focalstackdock.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "app/depthslopes.h"
#include "app/depthwidgets.h"
#include "app/latestrun.h"
#include "app/lightfielddocument.h"
#include "session/session.h"
#include "toolkit/event.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace depth = lightfield::depth;

namespace {

// The sweep's two halves run on the two cores: the later half from here.
constexpr int kSplitAngle = depth::kFocusAngles / 2;
constexpr int kWidth = 300;

}  // namespace

FocalStackDock::FocalStackDock(const Parts& parts, QObject* parent)
    : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("focalStack"));
  run_ = new LatestRun(this);
  dock_ = new QDockWidget(tr("Focal Stack"), parts_.window);
  dock_->setObjectName(QStringLiteral("focalStackDock"));
  auto* body = new QWidget(dock_);
  auto* layout = new QVBoxLayout(body);
  note_ = new QLabel(body);
  note_->setObjectName(QStringLiteral("focalStackNote"));
  note_->setWordWrap(true);
  note_->setFixedWidth(kWidth);
  note_->hide();
  layout->addWidget(note_);
  depthLabel_ = new QLabel(tr("Depth from focus (colours as Show Slopes)"), body);
  layout->addWidget(depthLabel_);
  depthRow_ = new ColourRow("focusDepthRow", kWidth, 14, body);
  layout->addWidget(depthRow_);
  layout->addWidget(new QLabel(tr("All in focus: each pixel at its sharpest angle"), body));
  allInFocusRow_ = new ColourRow("allInFocusRow", kWidth, 40, body);
  layout->addWidget(allInFocusRow_);
  plotLabel_ = new QLabel(body);
  plotLabel_->setObjectName(QStringLiteral("sharpnessLabel"));
  plotLabel_->setWordWrap(true);  // "sharpest at disparity …" is wider than the dock
  plotLabel_->setToolTip(
      tr("Local sharpness of the hovered photo pixel against the focus "
         "angle, 0° to 90°; the dashed line is the current angle."));
  layout->addWidget(plotLabel_);
  plot_ = new PaintedWidget(
      "sharpnessPlot", QSize(kWidth, 90),
      [this](QPainter& painter, QSize size) { paintPlot(painter, size); }, body);
  layout->addWidget(plot_);
  layout->addStretch(1);
  installDock(parts_.window, dock_, body, "actionFocalStack", tr("Focal Stac&k"), parts_.viewMenu);

  connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) recompute();
  });
  connect(parts_.session, &Session::lightFieldChanged, this, [this] {
    if (isShown()) recompute();
  });
  connect(parts_.session, &Session::cameraChanged, this, [this] {
    if (!isShown()) return;
    if (parts_.session->lightField().source() == lightfield::Source::File) {
      // The light field's camera weighs the views of every refocus the sweep takes.
      if (lightFields_ != nullptr && lightFields_->isOpen() && lightFieldCamera() != sweptViews_)
        recompute();
      else
        plot_->update();
      return;
    }
    // The sweep covers every angle: only the depth of field changes it.
    if (parts_.session->camera().halfLength != sweptHalfLength_) {
      recompute();
    } else {
      plot_->update();
    }
  });
  connect(parts_.raySpace, &RenderView::mouseMoveRouted, this, [this](const toolkit::Event& e) {
    // A light field's photo reports its own hovering.
    if (!isShown() || !sweptViews_.empty()) return;
    const CGPoint p = parts_.photo->convertPointFromWindow(e.locationInWindow());
    const CGRect b = parts_.photo->bounds();
    if (p.x < 0 || p.y < 0 || p.x > b.size.width || p.y > b.size.height) return;
    const int n = static_cast<int>(lambda_.size());
    if (n > 0) hoverAt(std::clamp(static_cast<int>(std::floor(p.x * n / b.size.width)), 0, n - 1));
  });
}

void FocalStackDock::attachLightField(LightFieldDocument* document) {
  lightFields_ = document;
  connect(document->photoStrip(), &lightfieldviews::PhotoStrip::hovered, this, [this](int pixel) {
    if (isShown() && pixel >= 0 && static_cast<std::size_t>(pixel) < lambda_.size()) hoverAt(pixel);
  });
  // The depth of field's half-count is no camera change in the session: the slider's is.
  connect(parts_.session, &Session::photoChanged, this, [this] {
    if (isShown() && lightFields_->isOpen() && !sweptViews_.empty() &&
        lightFieldCamera() != sweptViews_)
      recompute();
  });
}

std::vector<int> FocalStackDock::lightFieldCamera() const {
  const lightfield::refocus::ViewCamera c = lightFields_->camera();
  return {c.viewpoint, c.halfCount, static_cast<int>(c.aperture), c.pinholes};
}

bool FocalStackDock::isShown() const {
  return dock_->isVisible();
}

// One sweep's input and output, owned by the run so the window may move on meanwhile.
struct SweepRun {
  std::vector<unsigned char> rays;
  int n = 0, halfLength = 0;
  // A real light field's: its views (rows of rays) and the camera its refocus takes.
  bool file = false;
  int views = 0;
  lightfield::refocus::ViewCamera camera;
  std::vector<float> lambda, confidence, sharpness;
  std::vector<unsigned char> allInFocus;
};

namespace {

// Angles swept between looks at whether a newer run has made this one stale.
constexpr int kAnglesPerStep = 15;

// Sweeps angles [first, end) into best in steps; false once the run is stale.
bool sweepRange(SweepRun& run, int first, int end, depth::FocusBest* best, depth::FocusSums* sums,
                const LatestRun::Stale& stale) {
  const auto n = static_cast<std::size_t>(run.n);
  for (int a = first; a < end; a += kAnglesPerStep) {
    if (stale()) return false;
    depth::focusSweep(run.rays.data(), run.n, run.halfLength, a, std::min(a + kAnglesPerStep, end),
                      best, run.sharpness.data() + n * a, sums);
  }
  return true;
}

// A light field's angles [first, end) into peaks in steps; false once the run is stale.
bool sweepViews(SweepRun& run, int first, int end, depth::FocusPeak* peaks,
                const LatestRun::Stale& stale) {
  const auto n = static_cast<std::size_t>(run.n);
  std::vector<unsigned char> photo(3 * n);
  std::vector<float> scratch(2 * n);
  for (int a = first; a < end; a += kAnglesPerStep) {
    if (stale()) return false;
    depth::lightFieldFocusSweep(run.rays.data(), run.views, run.n, run.camera, a,
                                std::min(a + kAnglesPerStep, end), peaks,
                                run.sharpness.data() + n * a, photo.data(), scratch.data());
  }
  return true;
}

// A light field's whole sweep, as sweep() splits it.
bool sweepLightField(SweepRun& run, const LatestRun::Stale& stale) {
  const auto n = static_cast<std::size_t>(run.n);
  std::vector<depth::FocusPeak> peaks(n), later(n);
  run.sharpness.resize(n * depth::kFocusAngles);
  depth::resetPeaks(peaks.data(), run.n);
  depth::resetPeaks(later.data(), run.n);
  bool laterDone = false;
  std::thread second(
      [&] { laterDone = sweepViews(run, kSplitAngle, depth::kFocusAngles, later.data(), stale); });
  const bool firstDone = sweepViews(run, 0, kSplitAngle, peaks.data(), stale);
  second.join();
  if (!firstDone || !laterDone) return false;
  depth::mergePeaks(peaks.data(), later.data(), run.n);
  run.lambda.resize(n);
  run.confidence.resize(n);
  run.allInFocus.resize(3 * n);
  depth::peakResult(peaks.data(), run.n, run.lambda.data(), run.confidence.data(),
                    run.allInFocus.data());
  return true;
}

// The whole sweep, its two halves on the two cores; false when it went stale.
bool sweep(SweepRun& run, const LatestRun::Stale& stale) {
  if (run.file) return sweepLightField(run, stale);
  const auto n = static_cast<std::size_t>(run.n);
  std::vector<depth::FocusBest> best(n), later(n);
  std::vector<depth::FocusSums> sums(n), laterSums(n);
  run.sharpness.resize(n * depth::kFocusAngles);
  depth::resetFocus(best.data(), run.n);
  depth::resetFocus(later.data(), run.n);
  bool laterDone = false;
  std::thread second([&] {
    laterDone =
        sweepRange(run, kSplitAngle, depth::kFocusAngles, later.data(), laterSums.data(), stale);
  });
  const bool firstDone = sweepRange(run, 0, kSplitAngle, best.data(), sums.data(), stale);
  second.join();
  if (!firstDone || !laterDone) return false;
  depth::mergeFocus(best.data(), later.data(), run.n);
  run.lambda.resize(n);
  run.confidence.resize(n);
  run.allInFocus.resize(3 * n);
  depth::focusResult(best.data(), run.n, run.lambda.data(), run.confidence.data(),
                     run.allInFocus.data());
  return true;
}

}  // namespace

void FocalStackDock::recompute() {
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.columns();
  const bool file = field.source() == lightfield::Source::File;
  const bool readable =
      file ? lightFields_ != nullptr && lightFields_->isOpen() : field.rows() == n;
  if (field.isEmpty() || !readable) {
    // Say why rather than keep the last sweep, which was of something else.
    clear(field.isEmpty() ? QString()
                          : tr("The focal stack cannot sweep this light field of %1 × %2 pixels.")
                                .arg(field.rows())
                                .arg(n));
    return;
  }
  // The scene's sweep says nothing of a light field's, nor the other way round.
  if (file != !sweptViews_.empty()) clear({});
  note_->hide();
  note_->clear();
  depthLabel_->setText(file ? tr("Depth from focus (blue: nearest, red: farthest)")
                            : tr("Depth from focus (colours as Show Slopes)"));
  ++computations_;
  sweptHalfLength_ = parts_.session->camera().halfLength;
  auto run = std::make_shared<SweepRun>();
  run->n = n;
  run->halfLength = std::max(0, sweptHalfLength_);
  run->file = file;
  run->views = field.rows();
  sweptViews_.clear();
  if (file) {
    run->camera = lightFields_->camera();
    sweptViews_ = lightFieldCamera();
  }
  run->rays.assign(field.pixels(), field.pixels() + 3 * static_cast<std::size_t>(field.rows()) * n);
  pending_ = true;
  // Off the window's thread: the sweep takes tens of milliseconds, a render far less. A newer
  // run makes this one stale; it then stops at its next step and its result is dropped, and none
  // lands once the dock is gone.
  run_->start([this, run](const LatestRun::Stale& stale) -> LatestRun::Apply {
    if (!sweep(*run, stale)) return {};
    return [this, run] { apply(*run); };
  });
}

void FocalStackDock::clear(const QString& why) {
  run_->cancel();  // a sweep under way is stale
  pending_ = false;
  sweptViews_.clear();
  lambda_.clear();
  confidence_.clear();
  allInFocus_.clear();
  sharpness_.clear();
  depthRow_->setRow({});
  allInFocusRow_->setRow({});
  plotLabel_->clear();
  plot_->update();
  note_->setText(why);
  note_->setVisible(!why.isEmpty());
}

QString FocalStackDock::message() const {
  return note_->text();
}

void FocalStackDock::apply(SweepRun& run) {
  pending_ = false;
  const auto un = static_cast<std::size_t>(run.n);
  lambda_ = std::move(run.lambda);
  confidence_ = std::move(run.confidence);
  allInFocus_ = std::move(run.allInFocus);
  sharpness_ = std::move(run.sharpness);
  std::vector<QRgb> depthRow(un, 0xffffffffu), photo(un);
  for (std::size_t i = 0; i < un; ++i) {
    // A stretch every angle sees alike has no depth to give.
    if (confidence_[i] > 0.0f) depthRow[i] = DepthSlopes::colourOf(lambda_[i]);
    photo[i] = qRgb(allInFocus_[3 * i], allInFocus_[3 * i + 1], allInFocus_[3 * i + 2]);
  }
  depthRow_->setRow(std::move(depthRow));
  allInFocusRow_->setRow(std::move(photo));
  hoverAt(plotted_ >= 0 && plotted_ < run.n ? plotted_ : run.n / 2);
}

void FocalStackDock::hoverAt(int pixel) {
  plotted_ = pixel;
  const auto i = static_cast<std::size_t>(pixel);
  if (i < lambda_.size()) {
    // A light field's depth reads as the views' disparity, as its focus readout gives it.
    const QString depth =
        confidence_[i] <= 0.0f ? tr("alike at every angle")
        : sweptViews_.empty()
            ? tr("sharpest at λ = %L1").arg(lambda_[i], 0, 'f', 3)
            : tr("sharpest at disparity %L1 px per view")
                  .arg(lightfield::refocus::disparityForFraction(lambda_[i]), 0, 'f', 2);
    plotLabel_->setText(tr("Sharpness, photo pixel %L1: %L2").arg(pixel).arg(depth));
  }
  plot_->update();
}

void FocalStackDock::paintPlot(QPainter& painter, QSize size) const {
  const std::size_t n = lambda_.size();
  if (n == 0 || plotted_ < 0 || static_cast<std::size_t>(plotted_) >= n) return;
  const auto at = [&](int a) { return sharpness_[static_cast<std::size_t>(a) * n + plotted_]; };
  float lo = at(0), hi = at(0);
  for (int a = 1; a < depth::kFocusAngles; ++a) {
    lo = std::min(lo, at(a));
    hi = std::max(hi, at(a));
  }
  const double w = size.width() - 1, h = size.height() - 1;
  const auto xOf = [&](double a) { return w * a / (depth::kFocusAngles - 1); };
  const auto yOf = [&](float s) { return hi > lo ? h - h * (s - lo) / (hi - lo) : h / 2; };
  // The current focus angle, where the photo's sharpness is read.
  painter.setPen(QPen(QColor(170, 0, 200), 1.0, Qt::DashLine));
  const double current = 2.0 * parts_.session->camera().focusDegrees;
  painter.drawLine(QPointF(xOf(current), 0), QPointF(xOf(current), h));
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath curve;
  curve.moveTo(xOf(0), yOf(at(0)));
  for (int a = 1; a < depth::kFocusAngles; ++a) curve.lineTo(xOf(a), yOf(at(a)));
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawPath(curve);
  painter.setPen(plot_->palette().color(QPalette::WindowText));
  painter.drawText(QRectF(2, 0, w, h), Qt::AlignLeft | Qt::AlignBottom, tr("0°"));
  painter.drawText(QRectF(0, 0, w - 2, h), Qt::AlignRight | Qt::AlignBottom, tr("90°"));
}
