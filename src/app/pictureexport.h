#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>

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
class PictureExport : public QObject {
  Q_OBJECT

 public:
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

  bool exportPicture();
  // A PNG, or an SVG drawing when `path` ends in .svg.
  bool exportTo(const PictureChoice& choice, const QString& path);
  bool exportFocalStack();
  void copy(const PictureChoice& choice);

 private:
  QImage focalStackSheet(int scale) const;
  void report(const QString& message);

  Parts parts_;
  PictureChoice last_;
};
