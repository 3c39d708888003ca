#pragma once

#include <QImage>
#include <QObject>

#include "app/pictures.h"

class MainWindow;

// File ▸ Export…, File ▸ Export Focal Stack Sheet… and Edit ▸ Copy: the
// pictures of the window as PNG files or on the clipboard. Remembers the last
// picture chosen in this run, which Copy puts on the clipboard.
class PictureExport : public QObject {
  Q_OBJECT

 public:
  explicit PictureExport(MainWindow* window);

  // The picture at its scale; null before there is anything to show.
  QImage picture(const PictureChoice& choice) const;
  const PictureChoice& lastChoice() const { return last_; }

  bool exportPicture();
  bool exportTo(const PictureChoice& choice, const QString& path);
  bool exportFocalStack();
  void copy(const PictureChoice& choice);

 private:
  QImage focalStackSheet() const;
  void report(const QString& message);

  MainWindow* window_;
  PictureChoice last_;
};
