#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "lightfield/lightfieldvalue.h"

class DrawView;
class RenderView;
class QPainter;
class QWidget;
struct AidOverlay;

// The pictures a user can take out of Ombrel for slides and handouts.
enum class PictureKind { Scene, RaySpace, RaySpaceAsShown, Photo, Window, FocalStackSheet };
inline constexpr PictureKind kAllPictureKinds[] = {
    PictureKind::Scene, PictureKind::RaySpace, PictureKind::RaySpaceAsShown,
    PictureKind::Photo, PictureKind::Window,   PictureKind::FocalStackSheet};
inline constexpr int kPictureScales[] = {1, 2, 4};

struct PictureChoice {
  PictureKind kind = PictureKind::Scene;
  int scale = 1;
  // A title and the axes' names around the picture and, on the scene, the
  // focus line and band when they are shown.
  bool annotated = false;
  friend bool operator==(const PictureChoice&, const PictureChoice&) = default;
};

// "the ray space with marks and axes": for menus and messages. With a light field open the
// scene's place is taken by its central view.
QString pictureTitle(PictureKind kind, bool lightField = false);
// "Ray space with marks and axes": the name in the Export dialog's list.
QString pictureListName(PictureKind kind, bool lightField = false);
// "ray-space-marked": a file name to suggest.
QString pictureFileStem(PictureKind kind, bool lightField = false);

// The scene as shown, with its plane lines and camera marker but without
// selection knobs or hover overlays; with the focus line and band of
// `focusAids` when given and shown. paintScene() draws the same on any
// device, y down, in canvas units.
QImage scenePicture(const DrawView& canvas, const AidOverlay* focusAids = nullptr);
void paintScene(QPainter& painter, const DrawView& canvas, const AidOverlay* focusAids = nullptr);
// The clean ray-space image, one pixel per ray; null while there is none.
QImage raySpacePicture(const lightfield::LightField& field);
// The ray-space view as shown: sampling marks, and the axes when they are on.
QImage raySpaceAsShown(RenderView& view);
// The photo row (packed RGB) stretched over `shown` as the photo view shows it.
QImage photoPicture(const std::vector<unsigned char>& photo, QSize shown);
QImage windowPicture(QWidget& window);
// Every pixel becomes a scale x scale block of the same colour.
QImage crisp(const QImage& image, int scale);

// What an annotated picture says around it. Empty names are left out.
struct Annotation {
  QString title;
  QString horizontal;  // the horizontal axis, under the picture
  QString vertical;    // the vertical axis, left of the picture, read upwards
};
// `picture` (already at `scale`) with a white margin holding the annotation,
// its text drawn at `scale`; the picture's pixels are unchanged inside it.
QImage annotate(const QImage& picture, const Annotation& annotation, int scale);
// Where annotate() puts the picture's top left corner.
QPoint annotatedOrigin(const Annotation& annotation, int scale);
// The same on any device, in the picture's units: the size of the whole, and
// the margin with its words (the picture goes at annotatedOrigin(a, 1)).
QSize annotatedSize(QSize picture, const Annotation& annotation);
void paintAnnotation(QPainter& painter, QSize picture, const Annotation& annotation);

// True for the pictures that can also be written as an SVG drawing.
bool hasDrawing(PictureKind kind);
// Writes `bytes` atomically. Empty on success; otherwise the same kind of
// message as writePicture().
std::optional<QString> writeExport(const QByteArray& bytes, const QString& path);

// Writes a PNG atomically with QImageWriter. Empty on success; otherwise a
// message naming the file and the reason, and nothing is left at `path`
// that was not there before.
std::optional<QString> writePicture(const QImage& image, const QString& path);
