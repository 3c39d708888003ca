#include "app/liveupdates.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "canvas/drawview.h"

namespace {

int frameMilliseconds(const QWidget* widget) {
  const QScreen* screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
  const double rate = screen ? screen->refreshRate() : 0.0;
  return rate >= 1.0 ? std::max(1, static_cast<int>(std::lround(1000.0 / rate))) : 16;
}

}  // namespace

LiveUpdates::LiveUpdates(DrawView* canvas, QObject* parent) : QObject(parent), canvas_(canvas) {
  setObjectName("liveUpdates");
  frameTimer_.setInterval(frameMilliseconds(canvas));
  connect(&frameTimer_, &QTimer::timeout, this, &LiveUpdates::nextFrame);
  connect(canvas, &DrawView::selectionDragged, this, &LiveUpdates::selectionDragged);
  connect(canvas, &DrawView::shapeDrawn, this, [this] {
    if (on_ && canvas_) canvas_->doRender(nullptr);
  });
  // Any render, the release's own included, shows the latest position.
  connect(canvas, &DrawView::rendered, this, [this] { pending_ = false; });
}

void LiveUpdates::setOn(bool on) {
  on_ = on;
  // Views that fell behind catch up at once: while on, nothing waits for Render.
  if (on && canvas_ && canvas_->isStale()) canvas_->doRender(nullptr);
  if (!on) {
    frameTimer_.stop();
    pending_ = false;
  }
}

void LiveUpdates::selectionDragged() {
  if (!on_) return;
  pending_ = true;
  // The first step of a burst renders at once; later ones wait for the frame.
  if (!frameTimer_.isActive()) nextFrame();
}

void LiveUpdates::nextFrame() {
  if (!pending_ || !canvas_) {
    frameTimer_.stop();
    return;
  }
  pending_ = false;
  frameTimer_.start();
  canvas_->doRender(nullptr);
}
