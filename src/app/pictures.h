#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "lightfield/lightfieldvalue.h"

class DrawView;
class RenderView;
class QWidget;

// The pictures a user can take out of Ombrel for slides and handouts.
enum class PictureKind { Scene, RaySpace, RaySpaceAsShown, Photo, Window, FocalStackSheet };
inline constexpr PictureKind kAllPictureKinds[] = {
    PictureKind::Scene, PictureKind::RaySpace, PictureKind::RaySpaceAsShown,
    PictureKind::Photo, PictureKind::Window,   PictureKind::FocalStackSheet};
inline constexpr int kPictureScales[] = {1, 2, 4};

struct PictureChoice {
  PictureKind kind = PictureKind::Scene;
  int scale = 1;
  friend bool operator==(const PictureChoice&, const PictureChoice&) = default;
};

// "the ray space with marks and axes": for menus and messages.
QString pictureTitle(PictureKind kind);
// "ray-space-marked": a file name to suggest.
QString pictureFileStem(PictureKind kind);

// The scene as shown, with its plane lines and camera marker but without
// selection knobs or hover overlays.
QImage scenePicture(const DrawView& canvas);
// The clean ray-space image, one pixel per ray; null while there is none.
QImage raySpacePicture(const lightfield::LightField& field);
// The ray-space view as shown: sampling marks, and the axes when they are on.
QImage raySpaceAsShown(RenderView& view);
// The photo row (packed RGB) stretched over `shown` as the photo view shows it.
QImage photoPicture(const std::vector<unsigned char>& photo, QSize shown);
QImage windowPicture(QWidget& window);
// Every pixel becomes a scale x scale block of the same colour.
QImage crisp(const QImage& image, int scale);

// Writes a PNG atomically with QImageWriter. Empty on success; otherwise a
// message naming the file and the reason, and nothing is left at `path`
// that was not there before.
std::optional<QString> writePicture(const QImage& image, const QString& path);
