#pragma once

#include <QObject>
#include <QRect>
#include <optional>
#include <vector>

class DrawView;
class LiveUpdates;
class QAction;
class QMenu;
class QWidget;
class StatusService;
class WindowZoom;
namespace toolkit {
class View;
}

// The View menu's presenting actions: zoom for projectors (Zoom In, Zoom Out,
// Actual Size), Presentation (full screen at the largest zoom the screen holds)
// and Live Updates.
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

  bool isPresenting() const { return saved_.has_value(); }
  // The screen presentation fills; by default the window's screen's whole area.
  void setPresentationScreen(std::optional<QRect> area) { screen_ = area; }

 private:
  // What leaving restores.
  struct Saved {
    QRect geometry;
    Qt::WindowStates states;
    int step = 0;
    std::optional<QRect> screenArea;
  };
  void setPresenting(bool on);
  QRect presentationScreen() const;

  QWidget* window_;
  WindowZoom* zoom_;
  LiveUpdates* live_;
  QAction* presentAction_ = nullptr;
  QAction* leaveAction_ = nullptr;
  std::optional<Saved> saved_;
  std::optional<QRect> screen_;
};
