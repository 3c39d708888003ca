#pragma once

#include <QPointer>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "canvas/aidoverlay.h"
#include "lightfield/lightfieldvalue.h"
#include "scene/axis.h"
#include "scene/camera.h"
#include "scene/canvasedit.h"
#include "scene/sceneeditor.h"
#include "scene/shape.h"
#include "toolkit/bezierpath.h"
#include "toolkit/view.h"
#include "views/raycanvas.h"

class QAbstractButton;
class QLineEdit;
class RenderView;
class PhotoView;
namespace toolkit {
class Slider;
}

// The scene canvas: owns the shapes, the two plane lines and the camera
// marker, draws them, edits them from the mouse and keyboard, captures the
// strip between the plane lines, drives the light-field engine, hands the
// results to the views and draws the ray overlays. The result views reach it
// as a RayCanvas, the undo steps as a SceneEditor.
class DrawView : public toolkit::View, public RayCanvas, public SceneEditor {
  Q_OBJECT

 public:
  // The window's objects the canvas talks to; none is owned by the canvas.
  struct Outlets {
    QAbstractButton* render = nullptr;
    QAbstractButton* autoRender = nullptr;
    QAbstractButton* takePhoto = nullptr;
    QAbstractButton* autoPhoto = nullptr;
    QLineEdit* debug = nullptr;
    RenderView* renderView = nullptr;
    PhotoView* photoView = nullptr;
    toolkit::Slider* focus = nullptr;
    toolkit::Slider* dof = nullptr;
  };

  explicit DrawView(QWidget* parent = nullptr);
  ~DrawView() override;

  // Creation and drawing (drawview.cpp).
  void initWithFrame(CGRect frame) override;
  void setOutlets(const Outlets& outlets);
  void awakeFromNib() override;
  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) override;
  void drawKnobsInRect(toolkit::GraphicsContext& context, CGRect rect) const;
  CGRect boundsForShape(const Shape& shape) const;
  void showAxes();
  void hideAxes();
  // Takes the tool from the title of the sender's selected cell.
  void setTool(QObject* sender);

  // Editing by mouse and keyboard (drawview_editing.cpp).
  void mouseDown(const toolkit::Event& event) override;
  void mouseDragged(const toolkit::Event& event) override;
  void mouseUp(const toolkit::Event& event) override;
  void keyDown(const toolkit::Event& event) override;
  // Keyboard counterparts of the mouse: select the shape after (step 1) or
  // before (step -1) the selected one, in drawing order, wrapping around; and
  // draw a shape of the current drawing tool, kDrawnSize large, in the middle
  // of the canvas, selected, as one undo step. False when the tool is the Pointer.
  void selectNextShape(int step);
  static constexpr CGSize kDrawnSize = {40, 20};
  bool drawShapeInMiddle();
  void dirtyCheck();
  // Where the marker of a shape out of sight sits (a square at the canvas
  // edge nearest the shape; a press in it selects the shape); empty for a
  // shape in sight.
  std::optional<CGRect> markerRect(const Shape& shape) const;
  void drawMarkers(toolkit::GraphicsContext& context) const;

  // Capture and render pipeline (drawview_render.cpp).
  void doRender(QObject* sender);
  void takePhoto(QObject* sender);
  void pushRenderView();
  void changeOptics(QObject* sender);
  // The camera panel's choices; the photo is retaken with them. The defaults
  // keep the specified photo, marks, marker and bundle.
  void setCameraChoice(const lightfield::CameraChoice& choice);
  const lightfield::CameraChoice& cameraChoice() const { return choice_; }
  // The camera the photo is taken with: the sliders and the choices.
  lightfield::CameraSettings cameraSettings() const;

  // Ray overlays (drawview_rays.cpp).
  void setRay(CGPoint point) override;
  void setSensorRay(double x) override;
  void clearRay() override;
  void drawRay(toolkit::GraphicsContext& context) const;
  void drawSensorRays(toolkit::GraphicsContext& context) const;

  // Teaching aids drawn with the overlays (drawview_aids.cpp).
  void setAidOverlay(const AidOverlay& overlay);
  const AidOverlay& aidOverlay() const { return aids_; }
  void drawAids(toolkit::GraphicsContext& context) const;
  // Small marks at estimated scene points, drawn with the aids; empty for none.
  void setDepthMarks(std::vector<CGPoint> marks);
  const std::vector<CGPoint>& depthMarks() const { return depthMarks_; }

  // Whole-scene edits for undo, scene files and built-in scenes
  // (drawview_scene.cpp). Each keeps the selection −1 or a valid index,
  // requests the redraws it needs and never renders: the caller renders once.
  void insertShape(int index, std::unique_ptr<Shape> shape) override;
  std::unique_ptr<Shape> removeShape(int index) override;
  void replaceShapes(std::vector<std::unique_ptr<Shape>> shapes) override;
  void moveShape(int from, int to) override;
  void selectShape(int index) override;
  // Puts `shape` in place of the shape at `index`; answers the old one.
  std::unique_ptr<Shape> replaceShape(int index, std::unique_ptr<Shape> shape) override;
  // doRender for the undo steps.
  void renderScene() override { doRender(nullptr); }
  // A mouse gesture is under way: pressed and not yet released.
  bool isTracking() const { return gesture_.has_value(); }

  // State, read by the views and the tests.
  const std::vector<std::unique_ptr<Shape>>& shapes() const override { return _shapes; }
  int selectedShapeIndex() const override { return _selectedShapeIndex; }
  const QString& selectedTool() const { return _selectedTool; }
  bool showsAxes() const { return _showAxes; }
  bool isDirty() const { return _dirty; }
  bool isFirstRenderPending() const { return _firstFlag; }
  bool isAnchored() const { return _anchored; }
  CGPoint anchorPoint() const { return _anchorPoint; }
  const Axis& lowerLine() const { return _xAxis; }
  const Axis& upperLine() const { return _yAxis; }
  const Camera& camera() const { return _camera; }
  CGRect captureRect() const { return _rect; }
  int stripWidth() const { return width; }
  int stripHeight() const { return height; }
  // The displayed ray-space image (with sampling marks) and its clean copy.
  const unsigned char* displayedRays() const { return buffer.get(); }
  const unsigned char* cleanRays() const { return buffer2.get(); }
  const unsigned char* photoRow() const { return photo_.get(); }
  // The last captured strip, stripWidth() x stripHeight(), packed RGB.
  const std::vector<unsigned char>& strip() const { return strip_; }
  bool drawsRay() const { return _drawRay; }
  bool drawsRayBundle() const { return _multiRay; }
  CGPoint rayStart() const { return _rayStart; }
  CGPoint rayEnd() const { return _rayEnd; }
  const toolkit::BezierPath* rayPath() const { return _path.get(); }
  int renderCount() const { return renderCount_; }
  // The scene has changed since the last render (a shape was drawn): the
  // views show the scene as it was.
  bool isStale() const { return stale_; }

 signals:
  // The selection changed to `index` (−1: nothing selected).
  void selectionChanged(int index);
  // A render or a photo pass has finished; `milliseconds` is its wall time.
  void rendered(double milliseconds);
  void photoTaken(double milliseconds);
  // The file chosen for an image fill gave no image; `reason` says why in a
  // few words ("not an image", "too large", "cannot be read").
  void imageRejected(const QString& path, const QString& reason);
  // A gesture (at its release) or a key changed the scene: one undo step.
  void edited(const CanvasEdit& edit);
  // A Pointer drag step has moved or resized the selection.
  void selectionDragged();
  // A release has ended a gesture that drew a new shape.
  void shapeDrawn();
  // isStale() changed.
  void staleChanged(bool stale);

 private:
  void initBillboards();
  // Selects what a press at p picks: a knob of the selection, else the topmost shape.
  void pickShapeAt(CGPoint p);
  // Shape::loadImage(), telling the window about a file it refused.
  bool loadImageInto(Shape& shape);
  void createBillboard(CGRect rect, const toolkit::Color& color);
  void initAxes();
  // The shape's area with its knobs, and its marker when it has one.
  void requestRedraw(const Shape& shape);
  void requestMarkerRedraw(const Shape& shape);
  float focusDegrees() const;
  int depthOfField() const;
  // The half-length the photo uses: the slider's, or derived from the width it sets.
  int halfLength() const;
  // Lower-line positions from the specified viewpoint to the chosen one.
  int viewpointShift() const;
  // The marker's centre: the middle of the canvas, moved with the viewpoint.
  double cameraMarkerX() const;
  // Sets the camera marker's place and width from the current camera.
  void placeCameraMarker();
  // What the press of the current gesture found, to report the gesture at release.
  struct Gesture {
    int selectionBefore = -1;
    int added = -1;
    int selected = -1;
    ShapeState before;
  };
  void beginGesture(int selectionBefore, bool added);
  // Takes out the shape the gesture's press added when no drag gave it a
  // size: a click with a drawing tool draws nothing.
  bool dropEmptyShape();
  void endGesture();
  void setStale(bool stale);

  std::vector<std::unique_ptr<Shape>> _shapes;
  CGPoint _newShapeStartPoint;
  QString _selectedTool;
  int _selectedShapeIndex = -1;
  CGPoint _anchorPoint;
  bool _anchored = false;
  bool _showAxes = true;
  bool _dirty = false;
  QAbstractButton* _render = nullptr;
  QAbstractButton* _autoRender = nullptr;
  QAbstractButton* _takePhoto = nullptr;
  QAbstractButton* _autoPhoto = nullptr;
  QLineEdit* _debug = nullptr;
  // Guarded: the window destroys its views in an order of its own.
  QPointer<RenderView> _renderView;
  QPointer<PhotoView> _photoView;
  QPointer<toolkit::Slider> _focus;
  QPointer<toolkit::Slider> _dof;
  Axis _xAxis;
  Axis _yAxis;
  Camera _camera;
  std::unique_ptr<QSet<int>> keysPressed;  // unused: no key state is kept between events
  CGPoint _rayStart;
  CGPoint _rayEnd;
  bool _drawRay = false;
  bool _multiRay = false;
  bool _firstFlag = true;
  std::unique_ptr<unsigned char[]> buffer;
  std::unique_ptr<unsigned char[]> buffer2;
  CGRect _rect;
  int width = 0;
  int height = 0;
  std::unique_ptr<toolkit::BezierPath> _path;

  std::vector<unsigned char> strip_;
  std::unique_ptr<unsigned char[]> photo_;
  int renderCount_ = 0;
  std::optional<Gesture> gesture_;
  AidOverlay aids_;
  lightfield::CameraChoice choice_;
  std::unique_ptr<lightfield::CameraScratch> cameraScratch_;  // made at the first such photo
  std::vector<CGPoint> depthMarks_;
  bool drawingShape_ = false;  // the current gesture's press added a shape
  bool stale_ = false;
};
