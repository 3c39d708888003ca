#pragma once

#include <QObject>
#include <QSize>
#include <memory>
#include <vector>

#include "lightfield/depth.h"

class ColourRow;
class LightFieldDocument;
class PaintedWidget;
class PhotoView;
class QAction;
class QDockWidget;
class LatestRun;
class QLabel;
class QMainWindow;
class QMenu;
class QPainter;
class RenderView;
class Session;
struct SweepRun;

// View ▸ Focal Stack: a dock with depth from focus. It sweeps the focus angle over the whole
// range with the current depth of field, keeps per photo pixel the sharpest angle, and shows the
// depth row that gives, the all-in-focus photo, and the hovered pixel's sharpness against the
// angle. Hidden at start, not remembered; it sweeps only while shown, off the window's thread.
// With a real light field open it sweeps the light field's refocus over the same angles instead,
// with the camera the light field's photo is taken with, the hovered pixel that of its photo.
class FocalStackDock : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QMainWindow* window = nullptr;
    RenderView* raySpace = nullptr;  // routes the window's mouse moves
    PhotoView* photo = nullptr;
    QMenu* viewMenu = nullptr;
    Session* session = nullptr;
  };

  FocalStackDock(const Parts& parts, QObject* parent);
  // Where the open light field's photo and camera are.
  void attachLightField(LightFieldDocument* document);

  QDockWidget* dock() const { return dock_; }
  bool isShown() const;
  // How often the sweep has run: only while shown.
  int computations() const { return computations_; }

  // The last sweep's results (empty before one): per photo pixel the depth, its confidence,
  // the all-in-focus colour (3 bytes each), and kFocusAngles rows of n sharpness values.
  const std::vector<float>& lambda() const { return lambda_; }
  const std::vector<float>& confidence() const { return confidence_; }
  const std::vector<unsigned char>& allInFocus() const { return allInFocus_; }
  const std::vector<float>& sharpness() const { return sharpness_; }
  // True from a sweep's start until its result is shown.
  bool isPending() const { return pending_; }
  // The photo pixel the plot shows: the last one hovered, the middle one before.
  int plottedPixel() const { return plotted_; }
  // Why the dock shows nothing (a light field it cannot sweep); empty otherwise.
  QString message() const;

 private:
  void recompute();
  void apply(SweepRun& run);
  // Drops every result and any sweep under way, showing `why` instead.
  void clear(const QString& why);
  std::vector<int> lightFieldCamera() const;
  void hoverAt(int pixel);
  void paintPlot(QPainter& painter, QSize size) const;

  Parts parts_;
  QDockWidget* dock_ = nullptr;
  ColourRow* depthRow_ = nullptr;
  ColourRow* allInFocusRow_ = nullptr;
  PaintedWidget* plot_ = nullptr;
  QLabel* plotLabel_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* depthLabel_ = nullptr;
  LightFieldDocument* lightFields_ = nullptr;
  // The light field's camera of the last sweep: viewpoint, half-count, profile, pinholes.
  std::vector<int> sweptViews_;
  std::vector<float> lambda_, confidence_, sharpness_;
  std::vector<unsigned char> allInFocus_;
  // Only the newest sweep lands; older ones stop when they see they are stale.
  LatestRun* run_ = nullptr;
  bool pending_ = false;
  int computations_ = 0;
  int plotted_ = -1;
  int sweptHalfLength_ = -1;
};
