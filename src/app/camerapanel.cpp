#include "app/camerapanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/depthwidgets.h"
#include "app/pointspreadplot.h"
#include "canvas/drawview.h"
#include "session/session.h"
#include "toolkit/event.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace optics = lightfield::optics;
using lightfield::Aperture;

CameraPanel::CameraPanel(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  dock_ = new QDockWidget(tr("Camera"), parts_.window);
  dock_->setObjectName(QStringLiteral("cameraDock"));
  auto* body = new QWidget(dock_);
  auto* column = new QVBoxLayout(body);
  auto* form = new QFormLayout;
  column->addLayout(form);

  viewpoint_ = new QSlider(Qt::Horizontal, body);
  viewpoint_->setAccessibleName(tr("Viewpoint"));
  viewpoint_->setToolTip(
      tr("Where the aperture's centre sits on the lower line: moving it "
         "gives parallax"));
  viewpointReadout_ = new QLabel(body);
  form->addRow(tr("Viewpoint:"), viewpoint_);
  form->addRow(QString(), viewpointReadout_);

  profile_ = new QComboBox(body);
  profile_->addItem(tr("Box"), static_cast<int>(Aperture::Box));
  profile_->addItem(tr("Tent"), static_cast<int>(Aperture::Tent));
  profile_->addItem(tr("Gaussian"), static_cast<int>(Aperture::Gaussian));
  profile_->addItem(tr("Two slits"), static_cast<int>(Aperture::TwoSlits));
  profile_->addItem(tr("K pinholes"), static_cast<int>(Aperture::Pinholes));
  profile_->setToolTip(tr("How the aperture weighs its samples: the blur takes its shape"));
  form->addRow(tr("Aperture:"), profile_);
  pinholes_ = new QSpinBox(body);
  pinholes_->setRange(lightfield::kMinPinholes, lightfield::kMaxPinholes);
  pinholes_->setEnabled(false);
  const QString pinholesTip = tr("How many pinholes spread over the aperture: a camera array");
  pinholes_->setToolTip(pinholesTip);
  // The box's text field is a control of its own.
  for (QLineEdit* field : pinholes_->findChildren<QLineEdit*>()) field->setToolTip(pinholesTip);
  form->addRow(tr("Pinholes K:"), pinholes_);
  keepWidth_ = new QCheckBox(tr("Keep aperture width"), body);
  keepWidthTip_ =
      tr("The depth-of-field slider sets the aperture's width on the lower line, so refocusing "
         "keeps the aperture, as a real camera does");
  keepWidth_->setToolTip(keepWidthTip_);
  column->addWidget(keepWidth_);
  readout_ = new QLabel(body);
  readout_->setWordWrap(true);
  column->addWidget(readout_);
  plot_ = new PointSpreadPlot(body);
  column->addWidget(plot_);
  parallax_ = new QLabel(body);
  parallax_->setWordWrap(true);
  column->addWidget(parallax_);
  seeThrough_ = new QLabel(body);
  seeThrough_->setWordWrap(true);
  column->addWidget(seeThrough_);
  column->addStretch(1);
  installDock(parts_.window, dock_, body, "actionCamera", tr("&Camera"), parts_.viewMenu);

  connect(viewpoint_, &QSlider::valueChanged, this, &CameraPanel::apply);
  connect(profile_, &QComboBox::currentIndexChanged, this, &CameraPanel::apply);
  connect(pinholes_, &QSpinBox::valueChanged, this, &CameraPanel::apply);
  connect(keepWidth_, &QCheckBox::toggled, this, &CameraPanel::apply);
  connect(parts_.session, &Session::cameraChanged, this, &CameraPanel::follow);
  connect(parts_.session, &Session::lightFieldChanged, this, &CameraPanel::follow);
  connect(parts_.canvas, &DrawView::selectionChanged, this, &CameraPanel::follow);
  connect(dock_, &QDockWidget::visibilityChanged, this, &CameraPanel::follow);
  connect(parts_.raySpace, &RenderView::mouseMoveRouted, this, [this](const toolkit::Event& event) {
    if (!dock_->isVisible()) return;
    const CGPoint p = parts_.canvas->convertPointFromWindow(event.locationInWindow());
    hoverHeight(NSPointInRect(p, parts_.canvas->bounds()) ? p.y : -1.0);
    // Through the view's own conversion: zoomed, widget pixels are not units.
    const CGPoint q = parts_.photo->convertPointFromWindow(event.locationInWindow());
    const CGRect b = parts_.photo->bounds();
    const int n = parts_.session->lightField().columns();
    hoverPhotoPixel(NSPointInRect(q, b) && b.size.width > 0
                        ? std::min(n - 1, static_cast<int>(q.x * n / b.size.width))
                        : -1);
  });
  follow();
}

QAction* CameraPanel::toggleAction() const {
  return dock_->toggleViewAction();
}

QString CameraPanel::pinholeSentence() {
  return tr("A pinhole photo is one row of ray space.");
}

lightfield::CameraChoice CameraPanel::choice() const {
  lightfield::CameraChoice choice;
  // Viewpoints are lower-line positions: the rows (a light field's views).
  const int n = parts_.session->lightField().rows();
  // The slider's middle is the specified centre: keep it the default, so the
  // photo stays takePhoto()'s.
  if (n > 0 && viewpoint_->value() != lightfield::centreViewpoint(n))
    choice.viewpoint = viewpoint_->value();
  choice.aperture = static_cast<Aperture>(profile_->currentData().toInt());
  choice.pinholes = pinholes_->value();
  choice.keepWidth = keepWidth_->isChecked();
  return choice;
}

void CameraPanel::apply() {
  if (following_) return;
  parts_.canvas->setCameraChoice(choice());
  // After the photo, so whoever follows the camera sees the photo it took.
  parts_.session->setCamera(parts_.canvas->cameraSettings());
  follow();
}

QString CameraPanel::describe(const lightfield::CameraSettings& camera, int n) {
  QStringList lines;
  const int d = camera.halfLength;
  if (camera.choice.keepWidth) {
    lines << tr("Aperture %L1 wide on the lower line: d = %L2 samples at %L3°")
                 .arg(camera.width)
                 .arg(d)
                 .arg(camera.focusDegrees, 0, 'f', 1);
    if (camera.capped)
      lines << tr("Capped at d = %L1 (the image's width): near 0° the width would need "
                  "ever more samples")
                   .arg(d);
  }
  // A negative d takes no sample at all (a white photo): no pinhole.
  if (d == 0) {
    lines << pinholeSentence();
    if (n > 0)
      lines << tr("The photo is ray-space row %L1 from the bottom (highlighted).")
                   .arg(camera.viewpointIn(n));
  }
  return lines.join(QLatin1Char('\n'));
}

void CameraPanel::follow() {
  const lightfield::CameraSettings& camera = parts_.session->camera();
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.rows();
  // Real views: the viewpoint and profile act on them, the rest needs the scene's depths.
  const bool views = field.source() == lightfield::Source::File;
  keepWidth_->setEnabled(!views);
  keepWidth_->setToolTip(
      views ? tr("A row of views counts its aperture in views, which refocusing does not change: "
                 "the depth-of-field slider sets how many")
            : keepWidthTip_);
  for (QWidget* sceneOnly : {static_cast<QWidget*>(plot_), static_cast<QWidget*>(parallax_),
                             static_cast<QWidget*>(seeThrough_)})
    sceneOnly->setVisible(!views);
  // The controls show the session's camera, whoever set it (a lesson file, say).
  following_ = true;
  viewpoint_->setEnabled(n > 0);
  viewpoint_->setRange(0, std::max(n - 1, 0));
  if (n > 0) viewpoint_->setValue(camera.viewpointIn(n));
  profile_->setCurrentIndex(profile_->findData(static_cast<int>(camera.choice.aperture)));
  pinholes_->setValue(camera.choice.pinholes);
  pinholes_->setEnabled(camera.choice.aperture == Aperture::Pinholes);
  keepWidth_->setChecked(camera.choice.keepWidth);
  following_ = false;

  if (n > 0) {
    const int p = camera.viewpointIn(n);
    const int shift = p - lightfield::centreViewpoint(n);
    viewpointReadout_->setText(shift == 0 ? tr("p = %L1, the centre").arg(p)
                               : shift < 0
                                   ? tr("p = %L1, %L2 left of the centre").arg(p).arg(-shift)
                                   : tr("p = %L1, %L2 right of the centre").arg(p).arg(shift));
  } else {
    viewpointReadout_->setText(tr("Render to place the camera"));
  }
  if (views) {
    readout_->setText(
        tr("The viewpoint is the view read unshifted; the profile weighs the views around it, "
           "as many on each side as the depth of field says. The point-spread plot needs the "
           "scene's depths, which real views do not give."));
    parts_.raySpace->setHighlightRow(-1);
    return;
  }
  readout_->setText(describe(camera, n));

  // The photo of a pinhole is the row of its lower-line position.
  const bool pinhole = dock_->isVisible() && n > 0 && camera.halfLength == 0;
  parts_.raySpace->setHighlightRow(pinhole ? n - 1 - camera.viewpointIn(n) : -1);

  double lambda = 0.5;
  const int selected = parts_.canvas->selectedShapeIndex();
  if (selected >= 0) {
    const CGRect r = parts_.canvas->shapes()[static_cast<std::size_t>(selected)]->rect();
    lambda = optics::fractionOfHeight(r.origin.y + r.size.height / 2);
  }
  if (hoverLambda_ > 0.0) lambda = hoverLambda_;
  lambda = std::clamp(lambda, 0.01, 1.0);
  plot_->show(n, camera.cameraFor(n), lambda);
  parallax_->setText(parallaxText(lambda));
  seeThrough_->setText(hoverPixel_ >= 0 ? seeThroughText(hoverPixel_) : QString());
}

void CameraPanel::hoverPhotoPixel(int i) {
  if (i == hoverPixel_) return;
  hoverPixel_ = i;
  seeThrough_->setText(i >= 0 ? seeThroughText(i) : QString());
}

int CameraPanel::focusedShape() const {
  const double y = optics::heightOfFraction(parts_.session->camera().focusFraction());
  int best = -1;
  double bestDistance = 0.0;
  const auto& shapes = parts_.canvas->shapes();
  for (std::size_t k = 0; k < shapes.size(); ++k) {
    const CGRect r = shapes[k]->rect();
    const double distance =
        y >= r.origin.y && y <= NSMaxY(r) ? 0.0 : std::abs(r.origin.y + r.size.height / 2 - y);
    if (best < 0 || distance < bestDistance) {
      best = static_cast<int>(k);
      bestDistance = distance;
    }
  }
  return best;
}

QString CameraPanel::colourName(const unsigned char* rgb) {
  const QColor c(rgb[0], rgb[1], rgb[2]);
  if (c.hsvSaturation() < 40) {
    return c.value() < 60 ? tr("black") : c.value() > 220 ? tr("white") : tr("grey");
  }
  const int hue = c.hsvHue();
  const struct {
    int upTo;
    const char* name;
  } hues[] = {{15, QT_TR_NOOP("red")},     {45, QT_TR_NOOP("orange")},   {70, QT_TR_NOOP("yellow")},
              {160, QT_TR_NOOP("green")},  {200, QT_TR_NOOP("cyan")},    {255, QT_TR_NOOP("blue")},
              {290, QT_TR_NOOP("purple")}, {335, QT_TR_NOOP("magenta")}, {360, QT_TR_NOOP("red")}};
  for (const auto& h : hues)
    if (hue <= h.upTo) return tr(h.name);
  return tr("red");
}

QString CameraPanel::seeThroughText(int i) const {
  const lightfield::LightField& field = parts_.session->lightField();
  const int n = field.columns();
  const int target = focusedShape();
  if (n <= 0 || field.strip().empty() || target < 0 || i < 0 || i >= n) return {};
  // The target's strip rows: row 0 lies just beneath the upper line.
  const auto& shapes = parts_.canvas->shapes();
  const CGRect r = shapes[static_cast<std::size_t>(target)]->rect();
  const double upper = field.geometry().upperLine;
  const int rowLow = static_cast<int>(std::floor(upper - NSMaxY(r)));
  const int rowHigh = static_cast<int>(std::ceil(upper - r.origin.y)) - 1;
  optics::ApertureShare share;
  std::vector<optics::WeightedPixel> samples;
  optics::apertureShare(field.strip().data(), field.stripHeight(), n, i,
                        parts_.session->camera().cameraFor(n), rowLow, rowHigh, share, samples);
  if (share.total <= 0) return tr("Photo pixel %L1 takes no sample").arg(i);
  auto nameOf = [&](const optics::Meeting& m) {
    if (!m.hit) return tr("nothing");
    for (const auto& shape : shapes) {
      const QColor c = shape->color().rgba();
      if (c.red() == m.colour[0] && c.green() == m.colour[1] && c.blue() == m.colour[2]) {
        const CGRect b = shape->rect();
        const QString kind =
            shape->kind() == QLatin1String("Rectangle") && b.size.width >= 2 * b.size.height
                ? tr("bar")
                : kindNoun(shape->kind());
        return tr("the %L1 %L2").arg(colourName(m.colour), kind);
      }
    }
    return tr("something %L1").arg(colourName(m.colour));
  };
  // Named like every group, so a pixel that never sees it still names it.
  const QColor tc = shapes[static_cast<std::size_t>(target)]->color().rgba();
  optics::Meeting wanted;
  wanted.hit = true;
  wanted.colour[0] = static_cast<unsigned char>(tc.red());
  wanted.colour[1] = static_cast<unsigned char>(tc.green());
  wanted.colour[2] = static_cast<unsigned char>(tc.blue());
  const QString name = nameOf(wanted);
  QStringList rest;
  for (const optics::Meeting& m : share.meetings) {
    if (!m.target) {
      const double part = 100.0 * static_cast<double>(m.weight) / static_cast<double>(share.total);
      rest << tr("%L1 (%L2%)").arg(nameOf(m)).arg(part, 0, 'f', 0);
    }
  }
  const double seen = 100.0 * static_cast<double>(share.target) / static_cast<double>(share.total);
  QString text = tr("Photo pixel %L1 sees %L2 through %L3% of the aperture")
                     .arg(i)
                     .arg(name)
                     .arg(seen, 0, 'f', 0);
  if (!rest.isEmpty()) text += tr(", the rest meets %L1").arg(rest.join(tr(" and ")));
  return text;
}

void CameraPanel::hoverHeight(double y) {
  const double lambda = y >= optics::kLowerLine && y <= optics::kUpperLine && y > optics::kLowerLine
                            ? optics::fractionOfHeight(y)
                            : -1.0;
  if (lambda == hoverLambda_) return;
  hoverLambda_ = lambda;
  follow();
}

QString CameraPanel::parallaxText(double lambda) {
  const double shift = -optics::parallaxPerViewpoint(lambda);
  return tr("At %L1% up, moving the viewpoint 1 right moves the image %L2 photo px left")
      .arg(100.0 * lambda, 0, 'f', 0)
      .arg(shift, 0, 'f', 2);
}
