#pragma once

#include <QObject>
#include <vector>

#include "lightfield/lightfieldvalue.h"

class DrawView;
class PhotoView;
class PointSpreadPlot;
class QAction;
class QCheckBox;
class QComboBox;
class QDockWidget;
class QLabel;
class QMainWindow;
class QMenu;
class QSlider;
class QSpinBox;
class RenderView;
class Session;

// View ▸ Camera: a dock with the camera's choices beyond the two sliders (the
// aperture's place on the lower line, its profile, a fixed aperture width) and
// the point-spread plot. Hidden at start and not remembered; its defaults are
// the specified camera. It sets the canvas's choices, which retakes the photo,
// and writes the resulting camera into the session.
class CameraPanel : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QMainWindow* window = nullptr;
    DrawView* canvas = nullptr;
    RenderView* raySpace = nullptr;
    PhotoView* photo = nullptr;
    Session* session = nullptr;
    QMenu* viewMenu = nullptr;
  };

  CameraPanel(const Parts& parts, QObject* parent);

  QDockWidget* dock() const { return dock_; }
  QAction* toggleAction() const;
  QSlider* viewpointSlider() const { return viewpoint_; }
  QComboBox* profileBox() const { return profile_; }
  QSpinBox* pinholesBox() const { return pinholes_; }
  QCheckBox* keepWidthBox() const { return keepWidth_; }
  QLabel* readout() const { return readout_; }
  // The parallax at the hovered height (or the plot's height).
  QLabel* parallaxReadout() const { return parallax_; }
  // Follows the mouse over the canvas: the plot and parallax take its height.
  void hoverHeight(double y);
  // Follows the mouse over the photo: what photo pixel i (-1: none) sees through the aperture.
  void hoverPhotoPixel(int i);
  // What the hovered photo pixel sees: the share of the aperture reaching the
  // shape at the focus depth, and what the rest meets.
  QLabel* seeThroughReadout() const { return seeThrough_; }
  // The shape at the focus depth (whose height range holds it, else whose
  // middle is nearest): the target of the see-through readout; -1: none.
  int focusedShape() const;
  // The words for photo pixel i: "sees the blue bar through 62% of the aperture, the rest
  // meets the orange bar"; empty without a light field or a focused shape.
  QString seeThroughText(int i) const;
  // A colour's everyday name ("orange", "grey"), for the readouts.
  static QString colourName(const unsigned char* rgb);
  PointSpreadPlot* plot() const { return plot_; }

  // The sentence the panel shows for a pinhole camera.
  static QString pinholeSentence();
  // The panel's words for a camera in an n-wide image.
  static QString describe(const lightfield::CameraSettings& camera, int n);
  // How far the image of a point at lambda moves per unit of viewpoint.
  static QString parallaxText(double lambda);

 private:
  // The controls' choices, as the canvas takes them.
  lightfield::CameraChoice choice() const;
  void apply();
  // Follows the session: the slider's range, the readout, the plot, the highlighted row.
  void follow();

  Parts parts_;
  QDockWidget* dock_ = nullptr;
  QSlider* viewpoint_ = nullptr;
  QLabel* viewpointReadout_ = nullptr;
  QComboBox* profile_ = nullptr;
  QSpinBox* pinholes_ = nullptr;
  QCheckBox* keepWidth_ = nullptr;
  QString keepWidthTip_;
  QLabel* readout_ = nullptr;
  PointSpreadPlot* plot_ = nullptr;
  QLabel* parallax_ = nullptr;
  QLabel* seeThrough_ = nullptr;
  int hoverPixel_ = -1;
  double hoverLambda_ = -1.0;  // the hovered canvas height's fraction; -1: none
  bool following_ = false;     // the controls are being set from the session
};
