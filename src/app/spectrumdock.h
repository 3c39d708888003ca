#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "lightfield/lightfieldvalue.h"
#include "lightfield/spectrum.h"

class LatestRun;
class PaintedWidget;
class QDockWidget;
class QLabel;
class QMainWindow;
class QMenu;
class QPainter;
class Session;

// View ▸ Spectrum: a dock with the ray-space image in the frequency domain, the scene's or a
// real light field's epipolar-plane image. It shows the centred log-magnitude of the 2-D DFT
// with the slice line the focus angle selects and, for the scene, the fan between the lines of
// the nearest and farthest shapes, and beside it the photo's 1-D spectrum with the slice's
// values over it. Hidden at start, not remembered; it transforms only while
// shown, off the window's thread, only the newest light field's transform reaching the dock.
class SpectrumDock : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QMainWindow* window = nullptr;
    QMenu* viewMenu = nullptr;
    Session* session = nullptr;
  };

  SpectrumDock(const Parts& parts, QObject* parent);
  ~SpectrumDock() override;

  QDockWidget* dock() const { return dock_; }
  bool isShown() const;
  // How often the 2-D transform has started: only while shown.
  int computations() const { return computations_; }
  // True from a start until the newest light field's transform is shown.
  bool isPending() const;

  // What the dock draws: the grey image (rows x cols of the light field, frequency
  // (k_u, k_r) at column k_u + cols / 2, row k_r + rows / 2), the slice line in its centred
  // pixel coordinates, the fan's fractions (only for a captured scene, whose depths are known),
  // the photo's spectrum and the slice's values, cols each, frequency k at k + cols / 2.
  const QImage& image() const { return image_; }
  const lightfield::spectrum::Segment& slice() const { return slice_; }
  const std::optional<std::pair<double, double>>& fan() const { return fan_; }
  const std::vector<double>& photoSpectrum() const { return photoSpectrum_; }
  const std::vector<double>& sliceValues() const { return sliceValues_; }
  // Why nothing is drawn, empty while a result is shown or on its way.
  QString note() const;

 private:
  struct Result;
  void recompute();
  // Drops every result and shows the reason in their place.
  void clear(const QString& reason);
  // Drops every result: nothing is drawn until the next one lands.
  void drop();
  // The titles and axis labels for a light field of that source and shape.
  void describe(lightfield::Source source, int rows, int cols);
  void show(Result& result);
  void updateSlice();
  void updatePhoto();
  void paintSpectrum(QPainter& painter, QSize size) const;
  void paintPhoto(QPainter& painter, QSize size) const;

  Parts parts_;
  QDockWidget* dock_ = nullptr;
  PaintedWidget* spectrumView_ = nullptr;
  PaintedWidget* photoView_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* axes_ = nullptr;
  LatestRun* run_ = nullptr;
  // The window's thread's own: a plan serves one thread at a time.
  std::unique_ptr<lightfield::spectrum::Plan> plan_;
  // The row transforms of the shown light field's luminance, shape_.height() x shape_.width().
  std::vector<lightfield::spectrum::Complex> rows_, scratch_;
  QSize shape_;
  QImage image_;
  lightfield::spectrum::Segment slice_{};
  std::optional<std::pair<double, double>> fan_;
  std::vector<double> photoSpectrum_, sliceValues_;
  int computations_ = 0;
};
