#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <memory>

#include "scene/axis.h"
#include "views/imageview.h"
#include "views/raycanvas.h"
#include "views/rayspaceaids.h"

class PhotoView;

// Shows the ray-space image with two crossing axes, and is the window's
// first responder: key-downs go on to the canvas, mouse moves over it draw
// the ray under the mouse on the canvas, and moves elsewhere clear that ray
// and go on to the photo view.
class RenderView : public ImageView {
  Q_OBJECT

 public:
  struct Outlets {
    RayCanvas* view = nullptr;
    PhotoView* photoView = nullptr;
    QAbstractButton* axesButton = nullptr;
  };

  using ImageView::ImageView;

  void initWithFrame(CGRect frame) override;
  void setOutlets(const Outlets& outlets);
  void awakeFromNib() override;
  void initAxes();

  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) override;
  void toggleAxes(QObject* sender);
  void keyDown(const toolkit::Event& event) override;
  void mouseMoved(const toolkit::Event& event) override;
  // A quick exit may skip the moves outside both views: clear the ray here too.
  void mouseExited() override;
  void showRay(CGPoint windowPoint);
  bool acceptsMouseMovedEvents() const override { return true; }
  // The ray-space share of the teaching aids, drawn over the image.
  void setAidOverlay(const RaySpaceAids& overlay);
  // Outlines one buffer row (from the top), as the camera panel shows the row
  // a pinhole photo is; -1: none. Drawn with the overlays, never in the image.
  void setHighlightRow(int row);
  int highlightRow() const { return highlightRow_; }
  // An image (n x n, with alpha) stretched over the ray-space image under the axes and the aids;
  // null for none. Drawn like the aids, so no capture sees it.
  void setSlopeOverlay(const QImage& overlay);
  const QImage& slopeOverlay() const { return _slopes; }

  bool showsAxes() const { return _showAxes; }
  const Axis& horizontalAxis() const { return *_xAxis; }
  const Axis& verticalAxis() const { return *_yAxis; }

 signals:
  // Every mouse move, once the view has routed it (ray, photo), for the
  // window's teaching aids.
  void mouseMoveRouted(const toolkit::Event& event);

 private:
  std::unique_ptr<Axis> _xAxis;
  std::unique_ptr<Axis> _yAxis;
  RayCanvasOutlet _view;
  QPointer<PhotoView> _photoView;
  QPointer<QAbstractButton> _axesButton;
  bool _showAxes = true;
  RaySpaceAids _aids;
  int highlightRow_ = -1;
  QImage _slopes;
};
