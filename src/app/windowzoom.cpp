#include "app/windowzoom.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/scaledstyle.h"
#include "toolkit/view.h"

WindowZoom::WindowZoom(QWidget* window, std::vector<toolkit::View*> views)
    : QObject(window), window_(window), baseFont_(window->font()) {
  setObjectName("windowZoom");
  for (toolkit::View* view : views) views_.emplace_back(view);
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->minimumSize().isNull()) labelMinimums_.emplace_back(label, label->minimumSize());
  }
}

int WindowZoom::setStep(int step) {
  if (!window_) return step_;
  const int last = static_cast<int>(kSteps.size()) - 1;
  const int wanted = std::clamp(step, 0, last);
  const QRect area = screenArea();
  for (int s = wanted; s >= 0; --s) {
    apply(s);
    if (s == 0 || fits(area)) break;
  }
  window_->adjustSize();
  placeWithin(area);
  if (step_ != settled_) {
    settled_ = step_;
    emit zoomChanged(zoom());
  }
  return step_;
}

void WindowZoom::apply(int step) {
  step_ = step;
  const double z = zoom();
  for (const auto& view : views_) {
    if (view) view->setZoom(z);
  }
  if (z == 1.0) {
    window_->setFont(QFont());  // inherit again, exactly as at start
  } else {
    window_->setFont(fontAt(z));
  }
  if (z != 1.0 && !style_) style_ = new ScaledStyle(z, this);
  if (style_) {
    style_->setFactor(z);
    restyle(window_);
  }
  for (const auto& [label, size] : labelMinimums_) {
    if (label) label->setMinimumSize((QSizeF(size) * z).toSize());
  }
  if (arrange_) arrange_(z);
  // Let every layout take in the new sizes and fonts now, so the window's
  // size hints do (the status bar sizes itself only on a layout request).
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  for (QLayout* layout : window_->findChildren<QLayout*>()) layout->invalidate();
  if (window_->layout()) window_->layout()->activate();
}

bool WindowZoom::fitsAt(int step) {
  if (!window_) return false;
  apply(std::clamp(step, 0, static_cast<int>(kSteps.size()) - 1));
  return fits(screenArea());
}

QFont WindowZoom::fontAt(double z) const {
  QFont font = baseFont_;
  if (baseFont_.pointSizeF() > 0) {
    font.setPointSizeF(baseFont_.pointSizeF() * z);
  } else {
    font.setPixelSize(std::max(1, static_cast<int>(baseFont_.pixelSize() * z + 0.5)));
  }
  return font;
}

QRect WindowZoom::screenArea() const {
  if (screenArea_) return *screenArea_;
  const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

bool WindowZoom::fits(const QRect& area) const {
  if (area.isEmpty()) return true;  // no screen to measure: take the step
  const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
  // The least the layouts let the window be, as they have just set it.
  const QSize needed = window_->minimumSize() + frame;
  return needed.width() <= area.width() && needed.height() <= area.height();
}

void WindowZoom::placeWithin(const QRect& area) {
  if (area.isEmpty() || !window_->isWindow()) return;
  const QRect frame = window_->frameGeometry();
  const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
  const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
  if (x != frame.left() || y != frame.top()) window_->move(x, y);
}

void WindowZoom::restyle(QWidget* widget) const {
  if (!style_ || widget == nullptr) return;
  // A widget's style is its own, not its children's; null gives back the application's.
  QStyle* style = zoom() == 1.0 ? nullptr : style_.data();
  widget->setStyle(style);
  for (QWidget* child : widget->findChildren<QWidget*>()) child->setStyle(style);
}
