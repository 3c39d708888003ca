#pragma once

#include <QObject>
#include <vector>

class DrawView;
class LiveUpdates;
class QMenu;
class QWidget;
class StatusService;
class WindowZoom;
namespace toolkit {
class View;
}

// The View menu's presenting actions: zoom for projectors (Zoom In, Zoom Out,
// Actual Size) and Live Updates.
class Presentation : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QWidget* window = nullptr;
    std::vector<toolkit::View*> views;  // the views that zoom
    DrawView* canvas = nullptr;
    QMenu* viewMenu = nullptr;
    StatusService* status = nullptr;
  };

  Presentation(const Parts& parts, QObject* parent);

  WindowZoom* zoom() const { return zoom_; }
  LiveUpdates* liveUpdates() const { return live_; }

 private:
  WindowZoom* zoom_;
  LiveUpdates* live_;
};
