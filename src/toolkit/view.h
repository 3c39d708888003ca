#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "toolkit/event.h"
#include "toolkit/geometry.h"
#include "toolkit/graphicscontext.h"

namespace toolkit {

// A y-up view over a QWidget: bounds with the origin at the bottom left,
// redraw requests by rectangle, immediate redraw, and the toolkit's event
// hooks fed with converted events. Subclasses paint in drawRect().
class View : public QWidget {
  Q_OBJECT

 public:
  explicit View(QWidget* parent = nullptr);

  // Gives the view its frame (size fixed from then on; views never stretch).
  // Subclasses build their content here, after calling the base.
  virtual void initWithFrame(CGRect frame);
  // Runs once the window description has connected every outlet.
  virtual void awakeFromNib() {}

  CGRect bounds() const { return CGRectMake(0, 0, frame_.size.width, frame_.size.height); }
  CGRect frame() const { return frame_; }

  // Screen pixels per unit. The widget grows to the frame times the zoom, and
  // painting, redraw requests and window-point conversion apply it; the frame,
  // the bounds and a capture (bitmapOfRect) stay in units, untouched.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  void setNeedsDisplay(bool flag);
  void setNeedsDisplayInRect(CGRect rect);
  // Redraws the whole view before returning; inside a drawing pass (where Qt
  // cannot repaint) the redraw is requested for when the pass has ended.
  void display();

  // The window point (y-up) in this view's coordinates. Zoomed, a point
  // stands for the screen pixel below and right of it, and that pixel for the
  // unit its centre falls in: the result is the point that unit's own pixel
  // gives at 1x, so every screen pixel of a unit maps to the same point.
  CGPoint convertPointFromWindow(CGPoint windowPoint) const;

  // Paints `rect` of the view into a new image, one pixel per unit, row 0 at
  // the top, through the same drawRect() that paints the screen.
  QImage bitmapOfRect(CGRect rect);

  virtual void drawRect(GraphicsContext& context, CGRect dirty) = 0;
  virtual void mouseDown(const Event&) {}
  virtual void mouseDragged(const Event&) {}
  virtual void mouseUp(const Event&) {}
  virtual void mouseMoved(const Event&) {}
  // The mouse has left the window (sent to the first responder).
  virtual void mouseExited() {}
  virtual void keyDown(const Event&) {}
  virtual bool acceptsMouseMovedEvents() const { return false; }

  // A cross the keyboard moves over the view in place of the mouse (a y-up
  // point in units; none by default). Like the focus ring it is painted over
  // drawRect(), so no capture shows it.
  void setKeyboardCursor(std::optional<CGPoint> point);
  std::optional<CGPoint> keyboardCursor() const { return keyboardCursor_; }

  // True while any view is inside a drawing pass.
  static bool isDrawing() { return drawingDepth_ > 0; }

 signals:
  // The widget's size has changed with its frame or zoom. Sent shown or hidden:
  // a hidden widget gets no resize event, yet what stands in for it must follow.
  void sizeFixed(QSize size);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // A y-up rectangle in units as a y-down rectangle in widget pixels.
  CGRect toDevice(CGRect rect) const;
  void fitToFrame();

  // The focus ring and the keyboard cursor, in widget pixels.
  void paintKeyboardMarks(QPainter& painter) const;

  CGRect frame_;
  double zoom_ = 1.0;
  std::optional<CGPoint> keyboardCursor_;
  bool pendingDisplay_ = false;
  bool paintingSelf_ = false;
  static int drawingDepth_;
};

}  // namespace toolkit
