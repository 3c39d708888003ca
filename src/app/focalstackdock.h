#pragma once

#include <QObject>
#include <QSize>
#include <vector>

#include "lightfield/depth.h"

class ColourRow;
class PaintedWidget;
class PhotoView;
class QAction;
class QDockWidget;
class QLabel;
class QMainWindow;
class QMenu;
class QPainter;
class RenderView;
class Session;

// View ▸ Focal Stack: a dock with depth from focus. It sweeps the focus angle over the whole
// range with the current depth of field, keeps per photo pixel the sharpest angle, and shows the
// depth row that gives, the all-in-focus photo, and the hovered pixel's sharpness against the
// angle. Hidden at start, not remembered; it sweeps only while shown.
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
  // The photo pixel the plot shows: the last one hovered, the middle one before.
  int plottedPixel() const { return plotted_; }

 private:
  void recompute();
  void hoverAt(int pixel);
  void paintPlot(QPainter& painter, QSize size) const;

  Parts parts_;
  QDockWidget* dock_ = nullptr;
  ColourRow* depthRow_ = nullptr;
  ColourRow* allInFocusRow_ = nullptr;
  PaintedWidget* plot_ = nullptr;
  QLabel* plotLabel_ = nullptr;
  std::vector<float> lambda_, confidence_, sharpness_;
  std::vector<unsigned char> allInFocus_;
  std::vector<lightfield::depth::FocusBest> best_, later_;
  std::vector<lightfield::depth::FocusSums> sums_, laterSums_;
  int computations_ = 0;
  int plotted_ = -1;
  int sweptHalfLength_ = -1;
};
