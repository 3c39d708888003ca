#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "toolkit/geometry.h"

class DrawView;
class LatestRun;
class LightFieldDocument;
class PhotoView;
class QAction;
class QBoxLayout;
class QMenu;
class RenderView;
class Session;
class TeachingAids;
class SlopeStrip;
namespace lightfield {
class LightField;
}

// View ▸ Show Slopes: depth read off the orientation of the ray-space image's lines. While on,
// it colours the ray-space view by the estimated fraction (transparent where the estimate is
// not confident), shows a strip of the photo pixels' estimated depth with a legend under the
// photo, marks the estimated scene points on the canvas, and adds estimated and true depth to
// the hover readout. Off, it computes nothing. The estimate runs off the window's thread, only
// the newest light field's reaching the views. Every image it makes is an overlay: captures
// and the engine's buffers never see it.
//
// With a real light field open it reads the disparity of the epipolar-plane image's lines
// instead: it colours the light field's ray space by it, shows the strip under its photo (the
// estimate along the viewpoint's row, the legend in pixels per view) and adds the estimate to
// the hovered photo pixel's reading.
class DepthSlopes : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    DrawView* canvas = nullptr;
    RenderView* raySpace = nullptr;
    PhotoView* photo = nullptr;
    // The strip goes into this column right under the photo.
    QBoxLayout* column = nullptr;
    QMenu* viewMenu = nullptr;
    Session* session = nullptr;
    TeachingAids* aids = nullptr;
  };

  // Pixels whose confidence reaches this count as estimated; the depth tables measure the same.
  static constexpr float kConfident = 0.5f;
  // The overlay's colour for a fraction in [0, 1]: blue at the lower line to red at the upper.
  static QRgb colourOf(float lambda);
  // A light field's colour for disparity s on a legend from lo (blue: nearest, as lambda 0) to
  // hi (red).
  static QRgb colourOfDisparity(float s, float lo, float hi);
  // The widest disparity read off a light field, in pixels per view: steeper is no estimate.
  static constexpr float kReach = 8.0f;

  DepthSlopes(const Parts& parts, QObject* parent);

  bool isShown() const;
  void setShown(bool on);

  // How often the estimate has started: only while shown.
  int computations() const { return computations_; }
  // True from a start until the newest light field's estimate is shown.
  bool isPending() const;
  // The estimate last shown, n x n, laid out like the image (empty while hidden).
  const std::vector<float>& lambda() const { return lambda_; }
  const std::vector<float>& confidence() const { return confidence_; }
  // The canvas points of the confident photo pixels' estimated scene points.
  const std::vector<CGPoint>& marks() const { return marks_; }
  QWidget* strip() const;
  // The strip's row of colours, one per photo pixel (white: not confident).
  const std::vector<QRgb>& stripRow() const;
  // A light field's estimate last shown: views x width disparities laid out like its image (with
  // confidence()), and the legend's range; empty for the scene's.
  const std::vector<float>& disparity() const { return disparity_; }
  float legendLow() const { return low_; }
  float legendHigh() const { return high_; }
  // Where the open light field's views and photo are.
  void attachLightField(LightFieldDocument* document);
  // Why nothing is shown while shown (a light field it cannot read); empty otherwise.
  QString message() const;

  // "estimated λ …, true λ …" for ray (u, v) of the current light field; empty while hidden.
  QString note(int u, int v) const;
  // "slopes give disparity …" for photo pixel x of the open light field; empty while hidden.
  QString pixelNote(int x) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Result;
  static void estimate(const lightfield::LightField& field, Result& out);
  void recompute();
  void show(Result& result);
  void clear();
  // The strip's row for the light field's viewpoint.
  void showLightFieldRow();

  Parts parts_;
  QAction* action_ = nullptr;
  SlopeStrip* strip_ = nullptr;
  LatestRun* run_ = nullptr;
  LightFieldDocument* lightFields_ = nullptr;
  std::vector<float> lambda_, confidence_, disparity_;
  float low_ = 0.0f, high_ = 0.0f;
  int views_ = 0, width_ = 0;
  std::vector<CGPoint> marks_;
  // The light field the shown estimate belongs to.
  std::uint64_t revision_ = 0;
  int computations_ = 0;
};
