#pragma once

// Opening a real light field: one row of camera views (a folder of images, or a single image that
// already is an epipolar-plane image), checked from the files' headers before anything is
// decoded, then decoded in parallel and kept in memory so any scanline's ray-space image is a
// copy away.
//
// A folder's image files (those whose suffix QImageReader knows; other files are passed over)
// form a grid when every name carries a row and a column number, as the archives name their
// rectified sets: "r03_c07" anywhere in the name ("view_r03_c07.png"), else the name's first two
// numbers joined by "_" or "-" ("out_03_07_-780.0_-3240.0.png", "03_07.png"). Otherwise the
// files are one row, in name order with numbers compared by value ("view2" before "view10").
// From a grid the caller picks the row; its columns must run without a gap across the columns
// the grid uses.
//
// Bad input gives one message and no views: nothing is half opened.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <vector>

#include "lightfield/refocus.h"

namespace lightfieldloader {

// At most this many views in a row, and pixels a side.
inline constexpr int kMaxViews = lightfield::refocus::kMaxViews;
inline constexpr int kMaxSide = 8192;
// The decoded views are kept as packed RGB, 3 bytes a pixel, and may take at most this much in
// all, checked from the files' headers before decoding. Decoding adds, per thread, one view in
// the reader's own format (at most 4 bytes a pixel) and its packed copy.
inline constexpr qint64 kMemoryBudget = qint64{512} * 1024 * 1024;
// A folder with more files than this is refused while it is listed: 64 rows of 64 views.
inline constexpr int kMaxFolderFiles = kMaxViews * kMaxViews;

// What a folder holds, from the names alone.
struct Listing {
  QString error;      // empty when the folder can be opened
  bool grid = false;  // names carry row and column numbers
  QList<int> rows;    // the grid's row numbers, ascending; one entry (0) for a plain row
  bool ok() const { return error.isEmpty(); }
};

// One row of views, count() of them, each width() x height() packed RGB.
class Views {
 public:
  int count() const { return count_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool isEmpty() const { return count_ == 0; }
  // The files the views came from, in view order (view 0 first).
  const QStringList& files() const { return files_; }
  // Row y of view v.
  const unsigned char* scanline(int view, int y) const;
  // The ray-space image of scanline y: count() rows of width() pixels, view v on row
  // count() - 1 - v (lightfield::refocus::stackScanlines()). `epi` holds 3 count() width() bytes.
  void epipolarImage(int y, unsigned char* epi) const;

 private:
  friend struct Loading;
  int count_ = 0, width_ = 0, height_ = 0;
  QStringList files_;
  std::vector<unsigned char> pixels_;  // view after view, each row after row
};

// Called on the opening thread with the views decoded so far and the total, first with none
// decoded and last with all; returning false cancels. A progress dialog attaches here.
using Progress = std::function<bool(int done, int total)>;

struct Result {
  Views views;
  QString error;  // empty on success
  bool cancelled = false;
  bool ok() const { return error.isEmpty(); }
};

Listing listFolder(const QString& folder);

// Opens grid row `row` of a folder (a plain row is row 0; -1 picks the grid's middle row), or a
// single image whose rows are the views (the image's last row is view 0, so the ray-space image
// is the file itself). Decodes on QtConcurrent's pool with QImageReader, within its allocation
// limit; blocks until done, cancelled or failed.
Result open(const QString& path, int row = -1, const Progress& progress = {});

}  // namespace lightfieldloader
