#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include "document/lightfieldloader.h"
#include "lightfield/lightfieldvalue.h"
#include "lightfield/refocus.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QPainter;
class Session;
class StatusService;
namespace toolkit {
class Slider;
}

namespace lightfieldviews {

// The central view with the chosen scanline across it; a press or a drag picks another scanline.
class CentralView : public QWidget {
  Q_OBJECT

 public:
  explicit CentralView(QWidget* parent = nullptr);
  void setView(const QImage& view);
  void setScanline(int y);
  int scanline() const { return scanline_; }
  // Where the view is drawn in the widget (its aspect kept).
  QRect imageRect() const;
  // The view at its own pixels, the scanline's row drawn over in the line's red.
  QImage picture() const;
  // The window's zoom, which thickens the scanline as it does the scene's lines.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

 signals:
  void scanlinePicked(int y);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void pick(double widgetY);
  QImage view_;
  int scanline_ = 0;
  double zoom_ = 1.0;
};

// The epipolar-plane image, one row per view (view 0 at the bottom), stretched over the view with
// crisp pixels, its axes named "view" and "pixel". Over it, for the hovered photo pixel: the line
// the photo averages along and the samples it takes; rows of views left out are veiled.
class EpiView : public QWidget {
  Q_OBJECT

 public:
  explicit EpiView(QWidget* parent = nullptr);
  void setImage(const QImage& epi);
  // Each view's weight in the photo (0: left out, veiled) and, for a hovered photo pixel, its
  // sample positions per view (NaN: left out); empty for none.
  void setWeights(std::vector<int> weights);
  void setSamples(std::vector<double> samples);
  const std::vector<double>& samples() const { return samples_; }
  // The scene's ray-space view's zoom, which the axes' words and the marks follow.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }
  QFont labelFont() const;
  // An image of the ray space's size drawn over it (depth, say); null for none. Only shown.
  void setOverlay(const QImage& overlay);
  const QImage& overlay() const { return overlay_; }
  // The image spans the view's width, as the scene's ray space does, so the photo's pixels stand
  // under its columns; the pixel axis's words lie beneath it.
  QRect imageRect() const;
  // The view as drawn with its view axis at the right, at 1x whatever the zoom.
  QImage picture() const;
  int views() const { return epi_.height(); }
  // The view axis: the last view's number at the top of `area`, "view" upward, 0 at the bottom.
  void paintViewAxis(QPainter& painter, QRect area, double zoom) const;
  int viewAxisWidth(double zoom) const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  static QRect imageRectIn(QSize size, double zoom);
  QFont labelFontAt(double zoom) const;
  void paint(QPainter& painter, QSize size, double zoom) const;
  double zoom_ = 1.0;
  QImage epi_, overlay_;
  std::vector<int> weights_;
  std::vector<double> samples_;
};

// The ray space's view axis, beside it where the scene's ray space has its own; painted by the
// ray space, so it reads as the view does.
class ViewAxis : public QWidget {
  Q_OBJECT

 public:
  explicit ViewAxis(const EpiView* epi, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const EpiView* epi_;
};

// The refocused scanline stretched over the view; hovering names a pixel, a click focuses on it.
class PhotoStrip : public QWidget {
  Q_OBJECT

 public:
  explicit PhotoStrip(QWidget* parent = nullptr);
  void setImage(const QImage& photo);
  const QImage& image() const { return photo_; }
  // The photo pixel being read (the mouse's or the keyboard's), framed; -1: none.
  void setMarked(int pixel);
  int marked() const { return marked_; }
  int pixelAt(double widgetX) const;

 signals:
  void hovered(int pixel);  // -1 when the mouse leaves
  void clicked(int pixel);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent*) override;

 private:
  QImage photo_;
  int marked_ = -1;
};

}  // namespace lightfieldviews

// File ▸ Open Light Field… and File ▸ Close Light Field: a row of real camera views (a folder, or
// one epipolar-plane image) opened as a document of its own in place of the scene. The scene's
// views step aside, unchanged; closing brings them back, and the scene's image and photo go back
// into the session (Parts::backToScene). The window's focus and depth-of-field sliders refocus the
// light field while it is open: the focus angle gives the disparity refocus.h states, the depth of
// field how many views on each side of the centre take part.
class LightFieldDocument : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QMainWindow* window = nullptr;
    Session* session = nullptr;
    StatusService* status = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* insertBefore = nullptr;
    toolkit::Slider* focus = nullptr;
    toolkit::Slider* dof = nullptr;
    // The scene's canvas, ray-space view and photo view: the light field's own take their places.
    QWidget* canvas = nullptr;
    QWidget* raySpace = nullptr;
    QWidget* photo = nullptr;
    // The canvas's title, which names the central view while a light field is open.
    QLabel* canvasTitle = nullptr;
    // Shown only with the scene (its axis labels, say): hidden while a light field is open.
    std::function<QList<QWidget*>()> sceneOnly;
    // Controls that act on the scene alone: disabled with a tooltip saying why.
    QList<QWidget*> sceneControls;
    // Menus whose actions edit the scene: disabled while a light field is open (not Copy
    // Picture, which copies the light field's pictures).
    QList<QMenu*> sceneMenus;
    // Single actions of other menus that act on the scene's views (its aids, the keyboard
    // cursor): disabled like the scene menus' actions.
    QList<QAction*> sceneViewActions;
    // Actions drawn from the scene alone (the focal stack sheet, from its optics): disabled with
    // a tooltip saying why.
    QList<QAction*> sceneActions;
    // Called before a light field takes the window (stop what drives the scene's views) and
    // after the scene is back.
    std::function<void()> leavingScene;
    std::function<void()> backToScene;
  };

  // The questions the command asks; tests install answers of their own. Empty: the real dialog.
  struct Dialogs {
    std::function<std::optional<QString>(QWidget* parent)> chooseLightField;
    std::function<std::optional<int>(QWidget* parent, const QList<int>& rows, int suggested)>
        chooseRow;
  };
  static void setDialogs(Dialogs dialogs);

  LightFieldDocument(const Parts& parts, QObject* parent);

  QAction* openAction() const { return open_; }
  QAction* closeAction() const { return close_; }
  bool isOpen() const { return !views_.isEmpty(); }
  const lightfieldloader::Views& views() const { return views_; }
  const QString& path() const { return path_; }
  int scanline() const { return scanline_; }
  // The ray-space image and photo now shown, packed RGB.
  const std::vector<unsigned char>& epipolarImage() const { return epi_; }
  const std::vector<unsigned char>& photo() const { return photo_; }
  // The focus angle; the disparity, half-count and camera the photo was refocused with: the
  // camera panel's viewpoint and profile, as the views take them, around the depth of field's
  // half-count.
  double focusDegrees() const;
  double disparity() const;
  int halfCount() const;
  lightfield::refocus::ViewCamera camera() const;
  // Each view's weight in that camera (0: it takes no part).
  std::vector<int> weights() const;

  // The sliders' readouts while a light field is open: what the focus and depth of field mean
  // for the views.
  QString focusReadout() const;
  QString depthReadout() const;

  // Asks for a folder or image (and a grid row) and opens it; false when nothing opened.
  bool open();
  // Opens `path` (row -1: ask when the folder is a grid) at `scanline` (-1: the middle). On
  // failure reports one message and leaves the window as it was.
  bool openPath(const QString& path, int row = -1, int scanline = -1);
  // The grid row open (-1: a plain row or an epipolar image).
  int row() const { return row_; }
  void close();
  void setScanline(int y);
  // Focuses on photo pixel x: the disparity whose line fits its samples best, set on the slider.
  bool focusOnPixel(int x);
  void hoverPhotoPixel(int x);
  // The photo pixel read out (hovered, or picked with the left and right arrow keys); -1: none.
  int hoveredPixel() const { return hovered_; }
  // More to say of a hovered photo pixel (its estimated depth, say), appended to the reading.
  void setPixelNote(std::function<QString(int x)> note);

  lightfieldviews::CentralView* centralView() const { return central_; }
  lightfieldviews::EpiView* epiView() const { return epiView_; }
  lightfieldviews::ViewAxis* viewAxis() const { return viewAxis_; }
  lightfieldviews::PhotoStrip* photoStrip() const { return photoStrip_; }

 signals:
  void opened();
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void rebuildRaySpace();
  void refocus();
  void showLightField(bool shown);
  void report(const QString& message);

  Parts parts_;
  QAction* open_ = nullptr;
  QAction* close_ = nullptr;
  lightfieldviews::CentralView* central_ = nullptr;
  lightfieldviews::EpiView* epiView_ = nullptr;
  lightfieldviews::ViewAxis* viewAxis_ = nullptr;
  lightfieldviews::PhotoStrip* photoStrip_ = nullptr;

  lightfieldloader::Views views_;
  QString path_;
  int scanline_ = 0;
  int row_ = -1;
  int hovered_ = -1;
  std::function<QString(int x)> pixelNote_;
  std::vector<unsigned char> epi_, photo_;

  // What the window showed with the scene, given back on close.
  struct Saved {
    int focus = 0, dof = 0;
    QString canvasTitle;
    QList<std::pair<QPointer<QWidget>, bool>> visible;
    QList<std::tuple<QPointer<QWidget>, QString, bool>> controls;
    QList<std::pair<QPointer<QAction>, bool>> actions;
    QList<std::tuple<QPointer<QAction>, QString, bool>> sceneActions;
    QList<std::pair<QPointer<QMenu>, bool>> menuTips;
  } saved_;
};
