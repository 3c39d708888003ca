#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <functional>

#include "app/pictures.h"

class DrawView;
class PhotoView;
class QAction;
class QMenu;
class QWidget;
class RenderView;
class Session;
class StatusService;

// File ▸ Export…, File ▸ Export Focal Stack Sheet… and Edit ▸ Copy: the
// pictures of the window as PNG files (the scene and the sheet also as SVG
// drawings) or on the clipboard. Remembers the last
// picture chosen in this run, which Copy puts on the clipboard.
//
// While another document stands in for the scene (a light field), the pictures
// are its own: the scene's place and the ray space as shown come from it, the
// clean ray space and the photo from the session it fills, and the words
// from it too. It has no drawing and no focal stack sheet.
class PictureExport : public QObject {
  Q_OBJECT

 public:
  struct StandIn {
    // True while it stands in for the scene.
    std::function<bool()> shown;
    // Its picture in the scene's place, or of its ray space as shown, at 1x.
    // The clean ray space and the photo are the session's, which it fills.
    std::function<QImage(PictureKind kind)> picture;
    // What an annotated picture of `kind` says.
    std::function<Annotation(PictureKind kind)> annotation;
  };

  struct Parts {
    QWidget* window = nullptr;  // the Window picture, and the dialogs' parent
    DrawView* canvas = nullptr;
    RenderView* raySpace = nullptr;
    PhotoView* photo = nullptr;
    Session* session = nullptr;
    StatusService* status = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* insertBefore = nullptr;  // the File menu's actions go above this one
    QMenu* editMenu = nullptr;
    StandIn standIn;
  };

  PictureExport(const Parts& parts, QObject* parent);

  // The picture at its scale; null before there is anything to show.
  QImage picture(const PictureChoice& choice) const;
  // The scene or the focal stack sheet as an SVG drawing; empty for the
  // other pictures and before there is anything to show.
  QByteArray drawing(const PictureChoice& choice) const;
  // What an annotated picture of `kind` says: empty for the pictures that
  // carry their own words.
  Annotation annotation(PictureKind kind) const;
  const PictureChoice& lastChoice() const { return last_; }
  // Why a picture of `kind` cannot be made now; empty when it can.
  QString unavailable(PictureKind kind) const;

  bool exportPicture();
  // A PNG, or an SVG drawing when `path` ends in .svg.
  bool exportTo(const PictureChoice& choice, const QString& path);
  bool exportFocalStack();
  void copy(const PictureChoice& choice);

 private:
  bool standingIn() const;
  QImage focalStackSheet(int scale) const;
  void report(const QString& message);

  Parts parts_;
  PictureChoice last_;
};
