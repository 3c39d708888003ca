#include "app/depthslopes.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/latestrun.h"
#include "app/lightfielddocument.h"
#include "app/teachingaids.h"
#include "canvas/drawview.h"
#include "lightfield/depth.h"
#include "lightfield/optics.h"
#include "lightfield/refocus.h"
#include "session/session.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace depth = lightfield::depth;

// The photo pixels' estimated depth as one row of colours (white where not confident) above a
// legend of the colour map, at the photo's width.
class SlopeStrip : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(SlopeStrip)

 public:
  static constexpr int kRowHeight = 12;
  static constexpr int kLegendHeight = 8;

  explicit SlopeStrip(int width, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("slopeStrip"));
    const int h = kRowHeight + 4 + kLegendHeight + fontMetrics().height() + 2;
    setFixedSize(width, h);
    setToolTip(
        tr("Depth estimated from the slopes in ray space at each photo pixel; the legend "
           "runs from the lower line (0) to the upper line (1)."));
  }

  void setRow(std::vector<QRgb> row) {
    row_ = std::move(row);
    update();
  }
  const std::vector<QRgb>& row() const { return row_; }
  // Shown in place of the row and legend when there is no estimate to show, saying why.
  void setMessage(const QString& message) {
    message_ = message;
    update();
  }
  const QString& message() const { return message_; }
  // The legend's ends; empty for the scene's fraction.
  void setLegend(const QString& left, const QString& right) {
    left_ = left;
    right_ = right;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int w = width();
    if (!message_.isEmpty()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, message_);
      return;
    }
    painter.fillRect(QRect(0, 0, w, kRowHeight), Qt::white);
    const auto n = static_cast<int>(row_.size());
    for (int i = 0; i < n; ++i) {
      const int x0 = i * w / n, x1 = (i + 1) * w / n;
      painter.fillRect(QRect(x0, 0, std::max(1, x1 - x0), kRowHeight), QColor::fromRgb(row_[i]));
    }
    const int y = kRowHeight + 4;
    for (int x = 0; x < w; ++x) {
      const float lambda = w > 1 ? static_cast<float>(x) / static_cast<float>(w - 1) : 0.0f;
      painter.fillRect(QRect(x, y, 1, kLegendHeight),
                       QColor::fromRgb(DepthSlopes::colourOf(lambda)));
    }
    const QRect text(0, y + kLegendHeight + 1, w, fontMetrics().height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft, left_.isEmpty() ? tr("λ 0: lower line") : left_);
    painter.drawText(text, Qt::AlignRight, right_.isEmpty() ? tr("upper line: 1") : right_);
  }

 private:
  std::vector<QRgb> row_;
  QString message_, left_, right_;
};

QRgb DepthSlopes::colourOf(float lambda) {
  // Hue from blue through green and yellow to red: neighbouring depths stay apart. A table of
  // 1024 steps, finer than the eye tells apart, as a colour per ray-space pixel from QColor's
  // HSV conversion would take longer than the estimate itself.
  static const std::array<QRgb, 1024> table = [] {
    std::array<QRgb, 1024> colours{};
    for (std::size_t k = 0; k < colours.size(); ++k) {
      const float t = static_cast<float>(k) / static_cast<float>(colours.size() - 1);
      colours[k] = QColor::fromHsvF((1.0f - t) * (240.0f / 360.0f), 0.9f, 0.95f).rgb();
    }
    return colours;
  }();
  const float t = std::isnan(lambda) ? 0.0f : std::clamp(lambda, 0.0f, 1.0f);
  return table[static_cast<std::size_t>(std::lround(t * 1023.0f))];
}

QRgb DepthSlopes::colourOfDisparity(float s, float lo, float hi) {
  return colourOf(hi > lo ? (s - lo) / (hi - lo) : 0.5f);
}

DepthSlopes::DepthSlopes(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("depthSlopes"));
  run_ = new LatestRun(this);
  action_ = new QAction(tr("Show Slop&es"), parent);
  action_->setObjectName(QStringLiteral("actionShowSlopes"));
  action_->setCheckable(true);
  if (parts_.viewMenu != nullptr) parts_.viewMenu->addAction(action_);

  strip_ = new SlopeStrip(parts_.photo->width(), parts_.photo->parentWidget());
  strip_->hide();
  if (parts_.column != nullptr) {
    const int index = parts_.column->indexOf(parts_.photo);
    parts_.column->insertWidget(index + 1, strip_);
  }

  connect(action_, &QAction::toggled, this, [this](bool on) {
    if (on) QToolTip::hideText();  // one shown before would cover the overlay or the strip
    on ? recompute() : clear();
  });
  for (QWidget* view :
       {static_cast<QWidget*>(parts_.canvas), static_cast<QWidget*>(parts_.raySpace),
        static_cast<QWidget*>(parts_.photo)})
    view->installEventFilter(this);
  connect(parts_.session, &Session::lightFieldChanged, this, [this] {
    if (isShown()) recompute();
  });
  if (parts_.aids != nullptr) {
    parts_.aids->setDepthNote([this](int u, int v) { return note(u, v); });
  }
}

bool DepthSlopes::eventFilter(QObject*, QEvent* event) {
  // As with the teaching aids: while the overlay is drawn, the views show no tooltip over it.
  if (event->type() == QEvent::ToolTip && isShown()) {
    QToolTip::hideText();
    return true;
  }
  return false;
}

bool DepthSlopes::isShown() const {
  return action_->isChecked();
}

void DepthSlopes::setShown(bool on) {
  action_->setChecked(on);
}

QWidget* DepthSlopes::strip() const {
  return strip_;
}

const std::vector<QRgb>& DepthSlopes::stripRow() const {
  return strip_->row();
}

void DepthSlopes::attachLightField(LightFieldDocument* document) {
  lightFields_ = document;
  document->epiView()->installEventFilter(this);
  document->photoStrip()->installEventFilter(this);
  document->setPixelNote([this](int x) { return pixelNote(x); });
  // The strip follows the viewpoint the camera panel picks.
  connect(parts_.session, &Session::cameraChanged, this, [this] {
    if (!disparity_.empty()) showLightFieldRow();
  });
}

QString DepthSlopes::message() const {
  return strip_->message();
}

// One estimate, made on a pool thread from its own copy of the light field.
struct DepthSlopes::Result {
  std::uint64_t revision = 0;
  // A real light field's: disparities, the legend's range and the image's size.
  bool file = false;
  std::vector<float> disparity;
  float low = 0.0f, high = 0.0f;
  int views = 0, width = 0;
  std::vector<float> lambda, confidence;
  QImage overlay;
  std::vector<QRgb> row;
  std::vector<CGPoint> marks;
};

void DepthSlopes::estimate(const lightfield::LightField& field, Result& out) {
  if (field.source() == lightfield::Source::File) {
    const int views = field.rows(), width = field.columns();
    const auto cells = static_cast<std::size_t>(views) * static_cast<std::size_t>(width);
    std::vector<float> scratch(depth::slopeScratchSize(views, width));
    out.revision = field.revision;
    out.file = true;
    out.views = views;
    out.width = width;
    out.disparity.resize(cells);
    out.confidence.resize(cells);
    depth::disparities(field.pixels(), views, width, kReach, out.disparity.data(),
                       out.confidence.data(), scratch.data());
    // The legend spans the confident estimates but the 2% at either end (an occlusion's edge
    // reads any slope), at least half a pixel per view wide, in tenths.
    std::vector<float> sure;
    for (std::size_t p = 0; p < cells; ++p)
      if (out.confidence[p] >= kConfident) sure.push_back(out.disparity[p]);
    float lo = 0.0f, hi = 0.0f;
    if (!sure.empty()) {
      const auto at = [&sure](std::size_t k) {
        std::nth_element(sure.begin(), sure.begin() + std::ptrdiff_t(k), sure.end());
        return sure[k];
      };
      lo = at(sure.size() / 50);
      hi = at(sure.size() - 1 - sure.size() / 50);
    }
    if (hi - lo < 0.5f) {
      const float mid = 0.5f * (lo + hi);
      lo = mid - 0.25f;
      hi = mid + 0.25f;
    }
    out.low = std::floor(lo * 10.0f) / 10.0f;
    out.high = std::ceil(hi * 10.0f) / 10.0f;
    out.overlay = QImage(width, views, QImage::Format_ARGB32);
    for (int r = 0; r < views; ++r) {
      auto* line = reinterpret_cast<QRgb*>(out.overlay.scanLine(r));
      for (int u = 0; u < width; ++u) {
        const std::size_t p = static_cast<std::size_t>(r) * width + u;
        line[u] =
            out.confidence[p] >= kConfident
                ? (colourOfDisparity(out.disparity[p], out.low, out.high) & 0xffffff) | 0xc0000000u
                : 0u;
      }
    }
    return;
  }
  const int n = field.columns();
  const auto cells = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
  std::vector<float> scratch(depth::slopeScratchSize(n));
  out.revision = field.revision;
  out.lambda.resize(cells);
  out.confidence.resize(cells);
  depth::slopes(field.pixels(), n, out.lambda.data(), out.confidence.data(), scratch.data());

  out.overlay = QImage(n, n, QImage::Format_ARGB32);
  for (int r = 0; r < n; ++r) {
    auto* line = reinterpret_cast<QRgb*>(out.overlay.scanLine(r));
    for (int u = 0; u < n; ++u) {
      const std::size_t p = static_cast<std::size_t>(r) * n + u;
      // Mostly opaque, so the lines beneath still show through a little.
      line[u] =
          out.confidence[p] >= kConfident ? (colourOf(out.lambda[p]) & 0xffffff) | 0xc0000000u : 0u;
    }
  }

  // The photo pixels' central rays run along the pinhole row: the depth there is the photo's.
  const int r = depth::pinholeRow(n);
  const int v = lightfield::optics::pinholePosition(n);
  const lightfield::RayGeometry& g = field.geometry();
  out.row.assign(static_cast<std::size_t>(n), 0xffffffffu);
  for (int i = 0; i < n; ++i) {
    const std::size_t p = static_cast<std::size_t>(r) * n + i;
    if (out.confidence[p] < kConfident) continue;
    const double lambda = out.lambda[p];
    out.row[static_cast<std::size_t>(i)] = colourOf(out.lambda[p]);
    // The ray meets height lambda at column v + lambda (u - v) of the captured strip.
    out.marks.push_back(
        CGPointMake(g.left + v + lambda * (i - v) + 0.5, g.heightOfFraction(lambda)));
  }
}

bool DepthSlopes::isPending() const {
  return run_->isPending();
}

void DepthSlopes::recompute() {
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.columns();
  if (field.isEmpty()) {
    clear();
    return;
  }
  // Where it cannot read the lines, no result beats a stale one.
  const bool file = field.source() == lightfield::Source::File;
  QString why;
  if (file && lightFields_ == nullptr)
    why = tr("Show Slopes cannot read this light field here.");
  else if (file && field.rows() < 3)
    why = tr("Show Slopes needs at least 3 views to read slopes; this light field has %1.")
              .arg(field.rows());
  else if (!file && field.rows() != n)
    why = tr("Show Slopes reads only a square ray space, not %1 × %2 pixels.")
              .arg(field.rows())
              .arg(n);
  if (!why.isEmpty()) {
    clear();
    strip_->setMessage(why);
    strip_->show();
    return;
  }
  // The scene's estimate says nothing of a light field's, nor the other way round: off at once.
  if ((file ? !lambda_.empty() : !disparity_.empty()) || !strip_->message().isEmpty()) clear();
  ++computations_;
  // The copy shares the pixels, which never change while shared.
  run_->start([this, field](const LatestRun::Stale&) -> LatestRun::Apply {
    auto result = std::make_shared<Result>();
    estimate(field, *result);
    return [this, result] { show(*result); };
  });
}

void DepthSlopes::show(Result& result) {
  if (result.file) {
    lambda_.clear();
    marks_.clear();
    disparity_ = std::move(result.disparity);
    confidence_ = std::move(result.confidence);
    low_ = result.low;
    high_ = result.high;
    views_ = result.views;
    width_ = result.width;
    revision_ = result.revision;
    parts_.raySpace->setSlopeOverlay(QImage());
    parts_.canvas->setDepthMarks({});
    if (lightFields_ != nullptr) lightFields_->epiView()->setOverlay(result.overlay);
    strip_->setLegend(tr("disparity %L1").arg(double(low_), 0, 'f', 1),
                      tr("%L1 px per view").arg(double(high_), 0, 'f', 1));
    showLightFieldRow();
    strip_->setMessage({});
    strip_->show();
    if (lightFields_ != nullptr && lightFields_->hoveredPixel() >= 0)
      lightFields_->hoverPhotoPixel(lightFields_->hoveredPixel());
    return;
  }
  disparity_.clear();
  strip_->setLegend({}, {});
  if (lightFields_ != nullptr) lightFields_->epiView()->setOverlay(QImage());
  lambda_ = std::move(result.lambda);
  confidence_ = std::move(result.confidence);
  marks_ = std::move(result.marks);
  revision_ = result.revision;
  parts_.raySpace->setSlopeOverlay(result.overlay);
  strip_->setRow(std::move(result.row));
  strip_->setMessage({});
  strip_->show();
  parts_.canvas->setDepthMarks(marks_);
  if (parts_.aids != nullptr) parts_.aids->refresh();
}

void DepthSlopes::showLightFieldRow() {
  if (lightFields_ == nullptr || disparity_.empty()) return;
  // The photo's pixels look out of the viewpoint's view: its row is their depth.
  const int viewpoint = std::clamp(lightFields_->camera().viewpoint, 0, views_ - 1);
  const int r = lightfield::refocus::rowOfView(views_, viewpoint);
  std::vector<QRgb> row(static_cast<std::size_t>(width_), 0xffffffffu);
  for (int i = 0; i < width_; ++i) {
    const std::size_t p = static_cast<std::size_t>(r) * width_ + i;
    if (confidence_[p] >= kConfident)
      row[std::size_t(i)] = colourOfDisparity(disparity_[p], low_, high_);
  }
  strip_->setRow(std::move(row));
}

QString DepthSlopes::pixelNote(int x) const {
  if (lightFields_ == nullptr || disparity_.empty() || x < 0 || x >= width_ ||
      revision_ != parts_.session->lightField().revision)
    return {};
  const int viewpoint = std::clamp(lightFields_->camera().viewpoint, 0, views_ - 1);
  const std::size_t p =
      static_cast<std::size_t>(lightfield::refocus::rowOfView(views_, viewpoint)) * width_ + x;
  return confidence_[p] >= kConfident
             ? tr("slopes give disparity %L1 px per view").arg(double(disparity_[p]), 0, 'f', 2)
             : tr("slopes give no confident disparity");
}

void DepthSlopes::clear() {
  run_->cancel();
  lambda_.clear();
  disparity_.clear();
  if (lightFields_ != nullptr) lightFields_->epiView()->setOverlay(QImage());
  confidence_.clear();
  marks_.clear();
  parts_.raySpace->setSlopeOverlay(QImage());
  parts_.canvas->setDepthMarks({});
  strip_->setRow({});
  strip_->setMessage({});
  strip_->setLegend({}, {});
  strip_->hide();
  if (lightFields_ != nullptr && lightFields_->hoveredPixel() >= 0)
    lightFields_->hoverPhotoPixel(lightFields_->hoveredPixel());
  if (parts_.aids != nullptr) parts_.aids->refresh();
}

QString DepthSlopes::note(int u, int v) const {
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.columns();
  // An estimate of an earlier light field says nothing of this one's rays.
  if (lambda_.empty() || n <= 0 || u < 0 || v < 0 || u >= n || v >= n ||
      lambda_.size() != static_cast<std::size_t>(n) * n || revision_ != field.revision)
    return {};
  const std::size_t p = static_cast<std::size_t>(n - 1 - v) * n + u;
  QString text = confidence_[p] >= kConfident ? tr("slopes give λ = %L1").arg(lambda_[p], 0, 'f', 3)
                                              : tr("slopes give no confident λ");
  if (!field.strip().empty()) {
    const int h = field.stripHeight();
    if (auto hit = lightfield::optics::firstHit(field.strip().data(), h, n, u, v)) {
      const lightfield::RayGeometry& g = field.geometry();
      const double truth = g.fractionOfHeight(g.lowerLine + h - hit->row - 0.5);
      text += tr(", true λ = %L1").arg(truth, 0, 'f', 3);
    }
  }
  return text;
}
