#pragma once

#include <QBoxLayout>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>
#include <vector>

class DrawView;
class LiveUpdates;
class QAction;
class QLabel;
class QLayoutItem;
class QMenu;
class QWidget;
class ScaledStyle;
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
    bool menuBar = false;
    bool statusBar = false;
    std::vector<QPointer<QWidget>> docks;
  };
  // One item taken from the controls' column, to go back where it was.
  struct Taken {
    QLayoutItem* item = nullptr;
    int stretch = 0;
  };
  // A widget whose font presenting sets, and the font it had.
  struct OwnFont {
    QPointer<QWidget> widget;
    bool set = false;
    QFont font;
  };
  void setPresenting(bool on);
  QRect presentationScreen() const;
  // The arrangement while presenting: the views at the big zoom side by
  // side, the controls in compact columns below the scene, the readouts in
  // large type beneath them.
  bool buildStage();
  void arrangeStage(double zoom);
  // Flows the controls into columns no taller than `room`.
  void distribute(int room);
  void emptyColumns();
  void dismantleStage();
  void setOwnFont(QWidget* widget, const QFont& font);
  void showReading();

  StatusService* status_ = nullptr;
  // The window's own layouts, as the form names them.
  QPointer<QBoxLayout> controlColumn_, sceneColumn_, resultColumn_, mainLayout_;
  std::vector<Taken> taken_;
  QBoxLayout* stage_ = nullptr;  // columns of controls above the readout
  QBoxLayout* columns_ = nullptr;
  QLabel* reading_ = nullptr;
  std::vector<OwnFont> fonts_;
  std::vector<std::pair<QPointer<QBoxLayout>, QBoxLayout::Direction>> directions_;
  ScaledStyle* compactStyle_ = nullptr;
  int compactStep_ = 0;
  QBoxLayout* readouts_ = nullptr;
  int gap_ = 6;
  // The readouts' type: as large as leaves the views their room.
  double readoutScale_ = 1.0;

  QWidget* window_;
  WindowZoom* zoom_;
  LiveUpdates* live_;
  QAction* presentAction_ = nullptr;
  QAction* leaveAction_ = nullptr;
  std::optional<Saved> saved_;
  std::optional<QRect> screen_;
};
