#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class DrawView;

// Live updates, off until switched on: while on, a Pointer drag renders as it
// goes, at most once per displayed frame and always at its last position, and
// a newly drawn shape renders at its release, and switching on renders a
// scene the views have fallen behind. While off the canvas renders as it
// always does, at the release of a drag and not after drawing.
class LiveUpdates : public QObject {
  Q_OBJECT

 public:
  LiveUpdates(DrawView* canvas, QObject* parent);

  void setOn(bool on);
  bool isOn() const { return on_; }
  // The shortest time between two renders of one drag: one frame of the
  // screen unless set otherwise. A frame already begun ends this long after
  // the change.
  int frameInterval() const { return frameTimer_.interval(); }
  void setFrameInterval(int milliseconds) { frameTimer_.setInterval(milliseconds); }

 private:
  void selectionDragged();
  void nextFrame();

  QPointer<DrawView> canvas_;
  QTimer frameTimer_;
  bool on_ = false;
  bool pending_ = false;  // a drag step has not been rendered yet
};
