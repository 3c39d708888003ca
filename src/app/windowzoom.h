#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QWidget;
class ScaledStyle;
namespace toolkit {
class View;
}

// Zoom for projectors: one factor for the window's views, the controls' font
// and sizes (slider handles, check boxes, menus) grown with it, and the window
// resized to fit, never past its screen.
class WindowZoom : public QObject {
  Q_OBJECT

 public:
  static constexpr std::array<double, 5> kSteps = {1.0, 1.5, 2.0, 2.5, 3.0};

  WindowZoom(QWidget* window, std::vector<toolkit::View*> views);

  int step() const { return step_; }
  double zoom() const { return kSteps[static_cast<std::size_t>(step_)]; }
  // Zooms to `step`, or to the largest step below it at which the window
  // fits its screen; answers the step taken.
  int setStep(int step);
  void zoomIn() { setStep(step_ + 1); }
  void zoomOut() { setStep(step_ - 1); }
  void actualSize() { setStep(0); }

  // The area the window may cover; by default its screen's available area.
  void setScreenArea(std::optional<QRect> area) { screenArea_ = area; }
  std::optional<QRect> screenAreaSet() const { return screenArea_; }

  // Applies `step` and answers whether the window then fits its screen
  // area, without resizing or moving it; setStep() settles on a step.
  bool fitsAt(int step);
  // Runs after each zoom has restyled the window and before its layouts
  // settle, so another arrangement of the controls can take its place.
  void setArranger(std::function<void(double zoom)> arrange) { arrange_ = std::move(arrange); }
  // The controls' font at zoom `z`.
  QFont fontAt(double z) const;

  // Gives `widget` and its children the window's zoomed style (a dialog opened
  // while zoomed); at 1x the application's own.
  void restyle(QWidget* widget) const;

 signals:
  void zoomChanged(double zoom);

 private:
  void apply(int step);
  QRect screenArea() const;
  bool fits(const QRect& area) const;
  void placeWithin(const QRect& area);

  QPointer<QWidget> window_;
  // Made on the first zoom past 1x; at 1x no widget uses it.
  QPointer<ScaledStyle> style_;
  std::vector<QPointer<toolkit::View>> views_;
  QFont baseFont_;
  // Labels that keep a minimum size (readouts, so the window does not jitter)
  // and that size at 1x: it grows with their font.
  std::vector<std::pair<QPointer<QWidget>, QSize>> labelMinimums_;
  int step_ = 0;
  int settled_ = 0;  // the step last announced; trial steps are not
  std::optional<QRect> screenArea_;
  std::function<void(double)> arrange_;
};
