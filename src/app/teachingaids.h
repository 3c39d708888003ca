#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "canvas/aidoverlay.h"
#include "lightfield/lightfieldvalue.h"
#include "toolkit/event.h"

class DrawView;
class PhotoView;
class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QPropertyAnimation;
class RenderView;
class Session;
class StatusService;
namespace toolkit {
class Slider;
}

// The window's teaching aids: the switches for the overlays that link the
// views, the live hover readout in the status bar, focusing on a depth (the
// selection, or what a photo pixel sees) and the focus sweep. It computes the
// overlay from the optics functions after the views have routed each move,
// and hands it to the canvas and the ray-space view to draw.
class TeachingAids : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    DrawView* canvas = nullptr;
    RenderView* raySpace = nullptr;
    PhotoView* photo = nullptr;
    toolkit::Slider* focus = nullptr;
    toolkit::Slider* dof = nullptr;
    QAbstractButton* focusOnSelectionButton = nullptr;
    QAbstractButton* sweepButton = nullptr;
    QAbstractButton* focusDepthBox = nullptr;
    QAbstractButton* linkViewsBox = nullptr;
    QMenu* viewMenu = nullptr;
    StatusService* status = nullptr;
    // The light field, the photo and the camera settings the aids explain.
    Session* session = nullptr;
  };

  // What a camera keeps sharp in an n-wide strip, from the real weighted
  // samples of a middle photo pixel (its viewpoint and profile): the band (empty, low > high, when
  // no height blurs over at most one photo pixel) and the least blur any height has.
  struct Sharpness {
    lightfield::optics::Band band;
    double sharpestBlur = 0.0;
    bool nothingSharp() const { return band.low > band.high; }
    // The exact focus fraction when the band holds it, else the band's middle.
    double sharpFraction(double focusFraction) const {
      return focusFraction >= band.low && focusFraction <= band.high ? focusFraction
                                                                     : 0.5 * (band.low + band.high);
    }
    // "blur ≥ N px" with N rounded down, for a readout that says nothing is sharp.
    QString leastBlur() const;
  };
  static Sharpness sharpness(const lightfield::CameraSettings& camera, int n,
                             std::vector<lightfield::optics::Pixel>& samples);
  // The readouts under the focus and depth-of-field sliders.
  static QString focusReadout(const lightfield::CameraSettings& camera, int n);
  static QString depthReadout(const lightfield::CameraSettings& camera);

  // The sweep's pace, in degrees per second.
  static constexpr double kSweepDegreesPerSecond = 30.0;

  TeachingAids(const Parts& parts, QObject* parent);

  // Follows a mouse move of the window (y-up window point), after the routing.
  void mouseMoved(const toolkit::Event& event);
  // Recomputes the overlay and the readout for the last mouse position.
  void refresh();

  // Sets the focus slider to the angle that makes canvas height y sharp;
  // the slider's own update then runs.
  void focusOnHeight(double y);
  // Focuses on the selected shape's centre height; false with no selection.
  bool focusOnSelection();
  // Focuses where the central ray of photo pixel i first meets the scene;
  // false (and nothing changes) when it meets nothing.
  bool focusOnPhotoPixel(int i);

  bool showsFocusDepth() const;
  bool linksViews() const;
  // While any aid draws, the views show no tooltip.
  bool anyShown() const;
  void setShown(bool focusDepth, bool linkViews);

  void startSweep();
  void stopSweep();
  bool isSweeping() const;
  QPropertyAnimation* sweep() const { return sweep_; }

  const AidOverlay& overlay() const { return overlay_; }
  // A further note on ray (u, v) for the hover readout of ray space and of the photo (its
  // pixel's central ray); an empty note adds nothing.
  void setDepthNote(std::function<QString(int u, int v)> note) { depthNote_ = std::move(note); }
  QLabel* readout() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Area { Nothing, Canvas, RaySpace, Photo };

  QAction* addAction(const char* name, const QString& text, const QKeySequence& key,
                     bool checkable);
  void pairWithBox(QAction* action, QAbstractButton* box);
  Area areaUnder(CGPoint windowPoint, CGPoint* local) const;
  int stripSize() const;
  int photoPixelAt(double viewX) const;
  // Each fills its share of the next overlay and returns the readout.
  QString hoverCanvas(CGPoint p, bool link, AidOverlay& next) const;
  QString hoverRaySpace(CGPoint p, bool link, AidOverlay& next) const;
  QString hoverPhoto(CGPoint p, bool link, AidOverlay& next) const;

  QString withDepthNote(const QString& text, int u, int v) const;

  Parts parts_;
  std::function<QString(int, int)> depthNote_;
  QAction* showFocusDepth_ = nullptr;
  QAction* linkViews_ = nullptr;
  QAction* focusOnSelection_ = nullptr;
  QAction* sweepFocus_ = nullptr;
  QPropertyAnimation* sweep_ = nullptr;
  // The current camera's sharpness, computed once per optics: the band and
  // every hover reuse it.
  const Sharpness& currentSharpness() const;

  AidOverlay overlay_;
  mutable std::vector<lightfield::optics::Pixel> bandSamples_;
  mutable struct BandFor {
    bool valid = false;
    lightfield::CameraSettings camera;
    int n = 0;
    Sharpness sharpness;
  } band_;
  bool hovering_ = false;
  Area area_ = Area::Nothing;  // under the mouse at the last refresh
  CGPoint windowPoint_;
};
