#include "app/teachingaids.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/statusservice.h"
#include "canvas/drawview.h"
#include "lightfield/optics.h"
#include "scene/camera.h"
#include "session/session.h"
#include "toolkit/controls.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace optics = lightfield::optics;

namespace {

QString hexColor(const unsigned char* p) {
  return QStringLiteral("#%1%2%3")
      .arg(p[0], 2, 16, QLatin1Char('0'))
      .arg(p[1], 2, 16, QLatin1Char('0'))
      .arg(p[2], 2, 16, QLatin1Char('0'));
}

bool isWhite(const unsigned char* p) {
  return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

bool insideClosed(CGRect b, CGPoint p) {
  return b.origin.x <= p.x && p.x <= NSMaxX(b) && b.origin.y <= p.y && p.y <= NSMaxY(b);
}

QString percent(double lambda) {
  return QStringLiteral("%1%").arg(100.0 * lambda, 0, 'f', 0);
}

}  // namespace

TeachingAids::TeachingAids(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("teachingAids"));
  showFocusDepth_ = addAction("actionShowFocusDepth", tr("Show &Focus Depth"),
                              QKeySequence(tr("Ctrl+Shift+F")), true);
  linkViews_ = addAction("actionLinkViews", tr("&Link Scene and Ray Space"),
                         QKeySequence(tr("Ctrl+L")), true);
  focusOnSelection_ = addAction("actionFocusOnSelection", tr("Focus on &Selection"),
                                QKeySequence(tr("Ctrl+F")), false);
  sweepFocus_ =
      addAction("actionSweepFocus", tr("S&weep Focus"), QKeySequence(tr("Ctrl+Shift+W")), true);
  pairWithBox(showFocusDepth_, parts_.focusDepthBox);
  pairWithBox(linkViews_, parts_.linkViewsBox);
  pairWithBox(sweepFocus_, parts_.sweepButton);
  for (QAction* aid : {showFocusDepth_, linkViews_}) {
    connect(aid, &QAction::toggled, this, [this](bool on) {
      if (on) QToolTip::hideText();  // one shown before would cover the aid
      refresh();
    });
  }

  focusOnSelection_->setEnabled(false);
  if (parts_.focusOnSelectionButton != nullptr) {
    parts_.focusOnSelectionButton->setEnabled(false);
    connect(parts_.focusOnSelectionButton, &QAbstractButton::clicked, focusOnSelection_,
            &QAction::trigger);
  }
  connect(focusOnSelection_, &QAction::triggered, this, [this] { focusOnSelection(); });
  connect(parts_.canvas, &DrawView::selectionChanged, this, [this](int index) {
    focusOnSelection_->setEnabled(index != -1);
    if (parts_.focusOnSelectionButton) parts_.focusOnSelectionButton->setEnabled(index != -1);
  });

  sweep_ = new QPropertyAnimation(parts_.focus, "value", this);
  connect(sweepFocus_, &QAction::toggled, this,
          [this](bool on) { on ? startSweep() : stopSweep(); });
  connect(sweep_, &QAbstractAnimation::finished, this, [this] { sweepFocus_->setChecked(false); });

  // The window writes the camera after the canvas has taken its photo.
  for (toolkit::Slider* slider : {parts_.focus, parts_.dof}) slider->installEventFilter(this);
  connect(parts_.session, &Session::cameraChanged, this, &TeachingAids::refresh);
  connect(parts_.session, &Session::lightFieldChanged, this, &TeachingAids::refresh);
  for (QWidget* view :
       {static_cast<QWidget*>(parts_.canvas), static_cast<QWidget*>(parts_.raySpace),
        static_cast<QWidget*>(parts_.photo)})
    view->installEventFilter(this);
  connect(parts_.raySpace, &RenderView::mouseMoveRouted, this, &TeachingAids::mouseMoved);
}

TeachingAids::Sharpness TeachingAids::sharpness(const lightfield::CameraSettings& camera, int n,
                                                std::vector<optics::Pixel>& samples) {
  const float degrees = camera.focusDegrees;
  const int d = camera.halfLength;
  if (n <= 0) {
    const bool edgeOn = optics::focusSteps(degrees).rowStep == 0.0f;
    return {optics::sharpBand(degrees, d), d > 0 && edgeOn ? 2.0 * d : 0.0};
  }
  // The samples of a middle pixel that carry weight, where the chosen camera takes them: the
  // photo blurs as they do, whatever the viewpoint and profile. A weighted profile's spot is no
  // wider than their spread, so the band never claims more sharpness than the photo has.
  samples.clear();
  std::vector<optics::WeightedPixel> weighted;
  optics::cameraSamples(n, n / 2, camera.cameraFor(n), weighted);
  for (const optics::WeightedPixel& w : weighted) samples.push_back({w.column, w.row});
  return {optics::sampledBand(samples, n), optics::sharpestBlur(samples, n)};
}

QString TeachingAids::focusReadout(const lightfield::CameraSettings& camera, int n) {
  // Short enough for the readout's place: a clipped line would lose the why.
  std::vector<optics::Pixel> samples;
  const Sharpness sharp = sharpness(camera, n, samples);
  const QString angle = QLocale().toString(camera.focusDegrees, 'f', 1);
  if (sharp.nothingSharp()) return tr("%L1°: nothing is sharp (%L2)").arg(angle, sharp.leastBlur());
  if (camera.halfLength <= 0) return tr("%L1°, a pinhole: every height is sharp").arg(angle);
  // Truncated samples can move the sharp heights off the exact depth.
  const double lambda = sharp.sharpFraction(camera.focusFraction());
  return tr("%L1°, sharp at %L2% of the way up").arg(angle).arg(100.0 * lambda, 0, 'f', 0);
}

QString TeachingAids::Sharpness::leastBlur() const {
  // Rounded down, so "at least" stays true; the search's last digits are noise.
  const double least = std::floor(sharpestBlur * 10.0 + 1e-6) / 10.0;
  return least > 1.0 ? tr("blur ≥ %L1 px").arg(least, 0, 'g', 4) : tr("blur > 1 px");
}

QString TeachingAids::depthReadout(const lightfield::CameraSettings& camera) {
  const int dof = camera.halfLength;
  // The marker's own numbers: half the aperture, kept at least 1 so a point still shows.
  const double aperture = optics::apertureWidth(camera.focusDegrees, dof);
  const double drawn = 2.0 * Camera::drawnHalfWidth(static_cast<float>(aperture / 2));
  const QString wide = QLocale().toString(aperture, 'f', 1);
  if (QString::number(drawn, 'f', 1) == QString::number(aperture, 'f', 1)) {
    return tr("%L1 · aperture %L2").arg(tr("%Ln sample(s) each side", nullptr, dof), wide);
  }
  // Narrower than the marker can be drawn: say both, in the words that fit.
  const QString samples = dof == 0 ? tr("pinhole") : tr("%L1 each side").arg(dof);
  return tr("%L1 · aperture %L2, drawn %L3").arg(samples, wide).arg(drawn, 0, 'g', 3);
}

QLabel* TeachingAids::readout() const {
  return parts_.status->readout();
}

QAction* TeachingAids::addAction(const char* name, const QString& text, const QKeySequence& key,
                                 bool checkable) {
  auto* action = new QAction(text, parent());
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  action->setCheckable(checkable);
  if (parts_.viewMenu != nullptr) parts_.viewMenu->addAction(action);
  return action;
}

void TeachingAids::pairWithBox(QAction* action, QAbstractButton* box) {
  if (box == nullptr) return;
  // setChecked() does not signal an unchanged state, so the pair cannot loop.
  connect(box, &QAbstractButton::toggled, action, &QAction::setChecked);
  connect(action, &QAction::toggled, box, &QAbstractButton::setChecked);
}

void TeachingAids::mouseMoved(const toolkit::Event& event) {
  hovering_ = true;
  windowPoint_ = event.locationInWindow();
  refresh();
}

int TeachingAids::stripSize() const {
  return parts_.session->lightField().columns();
}

TeachingAids::Area TeachingAids::areaUnder(CGPoint w, CGPoint* local) const {
  if (!hovering_) return Area::Nothing;
  // The same order and edges as the routing: ray space, then photo, then canvas.
  *local = parts_.raySpace->convertPointFromWindow(w);
  if (insideClosed(parts_.raySpace->bounds(), *local)) return Area::RaySpace;
  *local = parts_.photo->convertPointFromWindow(w);
  if (insideClosed(parts_.photo->bounds(), *local)) return Area::Photo;
  *local = parts_.canvas->convertPointFromWindow(w);
  if (NSPointInRect(*local, parts_.canvas->bounds())) return Area::Canvas;
  return Area::Nothing;
}

const TeachingAids::Sharpness& TeachingAids::currentSharpness() const {
  const lightfield::CameraSettings& camera = parts_.session->camera();
  const int n = stripSize();
  if (!band_.valid || !(camera == band_.camera) || n != band_.n)
    band_ = {true, camera, n, sharpness(camera, n, bandSamples_)};
  return band_.sharpness;
}

void TeachingAids::refresh() {
  AidOverlay next;
  const lightfield::CameraSettings& camera = parts_.session->camera();
  if (showFocusDepth_->isChecked()) {
    const float degrees = camera.focusDegrees;
    const optics::Band band = currentSharpness().band;
    next.showFocusDepth = true;
    next.focusY = optics::heightOfFraction(optics::focusFraction(degrees));
    next.bandLowY = optics::heightOfFraction(band.low);
    next.bandHighY = optics::heightOfFraction(band.high);
  }
  // Reuse the vectors' memory from one move to the next.
  next.dualLine.swap(overlay_.dualLine);
  next.samples.swap(overlay_.samples);
  next.dualLine.clear();
  next.samples.clear();

  const bool link = linkViews_->isChecked();
  CGPoint p;
  QString text;
  area_ = areaUnder(windowPoint_, &p);
  switch (area_) {
    case Area::Canvas:
      text = hoverCanvas(p, link, next);
      break;
    case Area::RaySpace:
      text = hoverRaySpace(p, link, next);
      break;
    case Area::Photo:
      text = hoverPhoto(p, link, next);
      break;
    case Area::Nothing:
      break;
  }
  overlay_ = std::move(next);
  parts_.canvas->setAidOverlay(overlay_);
  parts_.raySpace->setAidOverlay(overlay_);
  parts_.status->setReading(text);
}

QString TeachingAids::hoverCanvas(CGPoint p, bool link, AidOverlay& next) const {
  const QString at = tr("Scene x = %L1, y = %L2").arg(p.x, 0, 'f', 0).arg(p.y, 0, 'f', 0);
  if (p.y < optics::kLowerLine || p.y > optics::kUpperLine)
    return tr("%L1: outside the strip between the plane lines").arg(at);
  const double lambda = optics::fractionOfHeight(p.y);
  const int n = stripSize();
  if (link && n > 0) optics::dualLine(p.x, lambda, n, next.dualLine);
  // The slider's angle for this height, and whether the real samples then make it sharp.
  const double scale = parts_.focus->valueScale();
  const auto degrees =
      static_cast<float>(std::round(optics::focusDegreesForFraction(lambda) * scale) / scale);
  const QString angle = QLocale().toString(degrees, 'f', 1);
  // The current camera refocused there: with a kept width, its half-length changes too.
  const lightfield::CameraSettings& now = parts_.session->camera();
  const lightfield::CameraSettings there = lightfield::cameraFromControls(
      degrees, now.choice.keepWidth ? now.width : now.halfLength, now.choice, n);
  if (n > 0 && there.halfLength > 0) {
    std::vector<optics::Pixel> samples;
    sharpness(there, n, samples);
    const double blur = optics::sampledBlur(samples, n, lambda);
    if (blur > 1.0) {
      // Just over one pixel would round to "1.0": say it without the number.
      const QString over = blur < 1.05 ? tr("more than one photo pixel")
                                       : tr("%L1 photo pixels").arg(blur, 0, 'f', 1);
      return tr("%L1: %L2 of the way up; a focus angle of %L3° focuses on it, yet it blurs over "
                "%L4")
          .arg(at, percent(lambda), angle, over);
    }
  }
  return tr("%L1: %L2 of the way up; a focus angle of %L3° makes it sharp")
      .arg(at, percent(lambda), angle);
}

QString TeachingAids::hoverRaySpace(CGPoint p, bool link, AidOverlay& next) const {
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.columns();
  if (field.isEmpty() || field.rows() != n) return {};
  const int u = std::clamp(static_cast<int>(std::floor(p.x)), 0, n - 1);
  const int v = std::clamp(static_cast<int>(std::floor(p.y)), 0, n - 1);
  const unsigned char* colour = field.pixel(u, n - 1 - v);
  const QString ray =
      tr("Ray from u = %L1 on the upper line to v = %L2 on the lower line").arg(u).arg(v);
  if (isWhite(colour)) return tr("%L1: white: meets nothing").arg(ray);
  if (link && !field.strip().empty()) {
    const int h = field.stripHeight();
    if (auto hit = optics::firstHit(field.strip().data(), h, n, u, v)) {
      const lightfield::RayGeometry& g = field.geometry();
      next.meetingPoint = CGPointMake(g.left + hit->column + 0.5, g.lowerLine + h - hit->row - 0.5);
    }
  }
  return withDepthNote(tr("%L1: meets %L2").arg(ray, hexColor(colour)), u, v);
}

QString TeachingAids::withDepthNote(const QString& text, int u, int v) const {
  const QString note = depthNote_ ? depthNote_(u, v) : QString();
  return note.isEmpty() ? text : tr("%L1; %L2").arg(text, note);
}

int TeachingAids::photoPixelAt(double viewX) const {
  const int n = stripSize();
  const double w = parts_.photo->bounds().size.width;
  if (n <= 0 || w <= 0) return 0;
  return std::clamp(static_cast<int>(std::floor(viewX * n / w)), 0, n - 1);
}

QString TeachingAids::hoverPhoto(CGPoint p, bool link, AidOverlay& next) const {
  const int n = stripSize();
  const std::vector<unsigned char>& photo = parts_.session->photo();
  if (n <= 0 || photo.size() < 3 * static_cast<std::size_t>(n)) return {};
  const int i = photoPixelAt(p.x);
  const lightfield::CameraSettings& camera = parts_.session->camera();
  const float degrees = camera.focusDegrees;
  const optics::FocusSteps steps = camera.steps();
  const int d = camera.halfLength;
  // The highlight and the count are the same samples; without the link they are only counted.
  int all = d >= 0 ? 2 * d + 1 : 0;
  QString words = tr("Photo pixel %L1: %L2, the mean of %L3 of its %L4 samples");
  if (camera.isSpecified(n)) {
    optics::photoSamples(n, i, d, steps.colStep, steps.rowStep, next.samples);
  } else {
    // The camera panel's aperture: only the samples that carry weight, where it takes them.
    const lightfield::Camera engine = camera.cameraFor(n);
    std::vector<optics::WeightedPixel> weighted;
    optics::cameraSamples(n, i, engine, weighted);
    for (const auto& w : weighted) next.samples.push_back({w.column, w.row});
    all = 0;
    for (int k = -d; k <= d; ++k) all += lightfield::apertureWeight(engine, k) > 0;
    words = tr("Photo pixel %L1: %L2, the weighted mean of %L3 of its %L4 samples");
  }
  const std::size_t count = next.samples.size();
  if (!link) next.samples.clear();
  const QString mean = words.arg(i).arg(hexColor(photo.data() + 3 * i)).arg(count).arg(all);
  const int v = camera.viewpointIn(n);  // the pixel's central ray leaves the aperture's centre
  const Sharpness& sharp = currentSharpness();
  if (sharp.nothingSharp())
    return withDepthNote(tr("%L1; nothing is sharp (%L2)").arg(mean, sharp.leastBlur()), i, v);
  if (d <= 0) return withDepthNote(tr("%L1; a pinhole: every height is sharp").arg(mean), i, v);
  const double lambda = sharp.sharpFraction(optics::focusFraction(degrees));
  return withDepthNote(tr("%L1; sharp at y = %L2 (%L3 up)")
                           .arg(mean)
                           .arg(optics::heightOfFraction(lambda), 0, 'f', 0)
                           .arg(percent(lambda)),
                       i, v);
}

void TeachingAids::focusOnHeight(double y) {
  const double degrees = optics::focusDegreesForFraction(optics::fractionOfHeight(y));
  toolkit::Slider* focus = parts_.focus;
  const long value = std::lround(degrees * focus->valueScale());
  stopSweep();
  focus->setValue(static_cast<int>(std::clamp<long>(value, focus->minimum(), focus->maximum())));
}

bool TeachingAids::focusOnSelection() {
  const int index = parts_.canvas->selectedShapeIndex();
  if (index < 0) return false;
  const CGRect r = parts_.canvas->shapes()[static_cast<std::size_t>(index)]->rect();
  focusOnHeight(r.origin.y + r.size.height / 2);
  return true;
}

bool TeachingAids::focusOnPhotoPixel(int i) {
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.columns();
  const int h = field.stripHeight();
  if (n <= 0 || i < 0 || i >= n || field.strip().empty()) return false;
  const int centre = parts_.session->camera().viewpointIn(n);
  const auto hit = optics::firstHit(field.strip().data(), h, n, i, centre);
  if (!hit) return false;
  focusOnHeight(field.geometry().lowerLine + h - hit->row - 0.5);
  return true;
}

bool TeachingAids::showsFocusDepth() const {
  return showFocusDepth_->isChecked();
}

bool TeachingAids::anyShown() const {
  return showFocusDepth_->isChecked() || linkViews_->isChecked();
}

bool TeachingAids::linksViews() const {
  return linkViews_->isChecked();
}

void TeachingAids::setShown(bool focusDepth, bool linkViews) {
  showFocusDepth_->setChecked(focusDepth);
  linkViews_->setChecked(linkViews);
}

void TeachingAids::startSweep() {
  toolkit::Slider* focus = parts_.focus;
  const int from = focus->value(), low = focus->minimum(), high = focus->maximum();
  const int travel = (from - low) + (high - low) + (high - from);
  if (travel <= 0 || isSweeping()) return;
  const double degrees = static_cast<double>(travel) / focus->valueScale();
  sweep_->setDuration(static_cast<int>(std::lround(1000.0 * degrees / kSweepDegreesPerSecond)));
  sweep_->setKeyValues({});
  sweep_->setKeyValueAt(0.0, from);
  sweep_->setKeyValueAt(static_cast<double>(from - low) / travel, low);
  sweep_->setKeyValueAt(static_cast<double>(from - low + high - low) / travel, high);
  sweep_->setKeyValueAt(1.0, from);
  sweep_->start();
  sweepFocus_->setChecked(true);
}

void TeachingAids::stopSweep() {
  if (isSweeping()) sweep_->stop();
  sweepFocus_->setChecked(false);
}

bool TeachingAids::isSweeping() const {
  return sweep_->state() == QAbstractAnimation::Running;
}

bool TeachingAids::eventFilter(QObject* watched, QEvent* event) {
  const bool isView =
      watched == parts_.canvas || watched == parts_.raySpace || watched == parts_.photo;
  if (isView && event->type() == QEvent::ToolTip && anyShown()) {
    // A tooltip would stand over what the aid draws in the next view.
    QToolTip::hideText();
    return true;
  }
  if (isView && event->type() == QEvent::MouseMove) {
    // The window routes only moves without a button; a drag is the pressed view's own, so the
    // readout and the link follow it from here.
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->buttons() != Qt::NoButton) {
      mouseMoved(toolkit::Event::mouse(
          toolkit::Event::windowPoint(*static_cast<QWidget*>(watched), mouse->position())));
    }
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    stopSweep();
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == parts_.photo && mouse->button() == Qt::LeftButton) {
      // Through the view's own conversion: zoomed, widget pixels are not units.
      const CGPoint p = parts_.photo->convertPointFromWindow(
          toolkit::Event::windowPoint(*parts_.photo, mouse->position()));
      focusOnPhotoPixel(photoPixelAt(p.x));
    }
  } else if (event->type() == QEvent::Leave && hovering_) {
    // Leaving a view for outside the window sends no move: drop the hover.
    // Later, not here: a leave can come while the window is being torn down.
    const bool fromHovered = (area_ == Area::Canvas && watched == parts_.canvas) ||
                             (area_ == Area::RaySpace && watched == parts_.raySpace) ||
                             (area_ == Area::Photo && watched == parts_.photo);
    if (fromHovered) {
      hovering_ = false;
      QTimer::singleShot(0, this, &TeachingAids::refresh);
    }
  }
  return false;
}
