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
#include "app/teachingaids.h"
#include "canvas/drawview.h"
#include "lightfield/depth.h"
#include "lightfield/optics.h"
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
    painter.drawText(text, Qt::AlignLeft, tr("λ 0: lower line"));
    painter.drawText(text, Qt::AlignRight, tr("upper line: 1"));
  }

 private:
  std::vector<QRgb> row_;
  QString message_;
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

QString DepthSlopes::message() const {
  return strip_->message();
}

// One estimate, made on a pool thread from its own copy of the light field.
struct DepthSlopes::Result {
  std::uint64_t revision = 0;
  std::vector<float> lambda, confidence;
  QImage overlay;
  std::vector<QRgb> row;
  std::vector<CGPoint> marks;
};

void DepthSlopes::estimate(const lightfield::LightField& field, Result& out) {
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
  // A real light field's rows are views, not the scene's n x n rays: no result beats a stale one.
  if (field.source() == lightfield::Source::File || field.rows() != n) {
    clear();
    strip_->setMessage(
        tr("Show Slopes reads only the scene's square ray space, not this light field's "
           "%1 views × %2 pixels.")
            .arg(field.rows())
            .arg(n));
    strip_->show();
    return;
  }
  ++computations_;
  // The copy shares the pixels, which never change while shared.
  run_->start([this, field](const LatestRun::Stale&) -> LatestRun::Apply {
    auto result = std::make_shared<Result>();
    estimate(field, *result);
    return [this, result] { show(*result); };
  });
}

void DepthSlopes::show(Result& result) {
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

void DepthSlopes::clear() {
  run_->cancel();
  lambda_.clear();
  confidence_.clear();
  marks_.clear();
  parts_.raySpace->setSlopeOverlay(QImage());
  parts_.canvas->setDepthMarks({});
  strip_->setRow({});
  strip_->setMessage({});
  strip_->hide();
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
