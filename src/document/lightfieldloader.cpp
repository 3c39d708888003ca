#include "document/lightfieldloader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <numeric>

// The messages' translation context.
class LightFieldLoader {
  Q_DECLARE_TR_FUNCTIONS(LightFieldLoader)
};

namespace lightfieldloader {
namespace {

QString nameOf(const QString& path) {
  return QFileInfo(path).fileName();
}

// Names compared with their runs of digits as numbers, so "view2" sorts before "view10".
bool naturalLess(const QString& a, const QString& b) {
  int i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i].isDigit() && b[j].isDigit()) {
      int ei = i, ej = j;
      while (ei < a.size() && a[ei].isDigit()) ++ei;
      while (ej < b.size() && b[ej].isDigit()) ++ej;
      // Leading zeros aside, the longer run is the larger number.
      QStringView da = QStringView(a).mid(i, ei - i), db = QStringView(b).mid(j, ej - j);
      while (da.size() > 1 && da.front() == u'0') da = da.mid(1);
      while (db.size() > 1 && db.front() == u'0') db = db.mid(1);
      if (da.size() != db.size()) return da.size() < db.size();
      if (const int c = da.compare(db); c != 0) return c < 0;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;
}

struct GridPosition {
  int row = -1, column = -1;
};

// The row and column a file name carries, if any.
GridPosition gridPosition(const QString& fileName) {
  static const QRegularExpression labelled(
      QStringLiteral("(?:^|[^a-z0-9])r(\\d{1,4})[_\\-]?c(\\d{1,4})(?:[^0-9]|$)"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression firstTwo(
      QStringLiteral("^[^0-9]*?(\\d{1,4})[_\\-](\\d{1,4})(?:[^0-9]|$)"));
  const QString base = QFileInfo(fileName).completeBaseName();
  for (const QRegularExpression* pattern : {&labelled, &firstTwo}) {
    const QRegularExpressionMatch m = pattern->match(base);
    if (m.hasMatch()) return {m.captured(1).toInt(), m.captured(2).toInt()};
  }
  return {};
}

const QSet<QString>& imageSuffixes() {
  static const QSet<QString> suffixes = [] {
    QSet<QString> s;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
      s.insert(QString::fromLatin1(format).toLower());
    return s;
  }();
  return suffixes;
}

struct Scan {
  Listing listing;
  // Files by grid row (a plain row is row 0), each row's files by column (or name order).
  std::map<int, std::map<int, QString>> byRow;
  QList<int> columns;  // the columns the grid uses, ascending
};

Scan scanFolder(const QString& folder) {
  Scan scan;
  Listing& listing = scan.listing;
  QStringList images;
  int files = 0;
  // Counted while listing, so a huge folder is refused without reading it all.
  QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    const QString path = it.next();
    if (++files > kMaxFolderFiles) {
      listing.error = LightFieldLoader::tr(
                          "The folder \"%1\" holds more than %2 files: a light field has at most "
                          "%3 rows of %3 views.")
                          .arg(nameOf(folder))
                          .arg(kMaxFolderFiles)
                          .arg(kMaxViews);
      return scan;
    }
    if (imageSuffixes().contains(QFileInfo(path).suffix().toLower())) images.append(path);
  }
  if (images.isEmpty()) {
    listing.error = LightFieldLoader::tr("The folder \"%1\" holds no images.").arg(nameOf(folder));
    return scan;
  }
  std::sort(images.begin(), images.end(),
            [](const QString& a, const QString& b) { return naturalLess(nameOf(a), nameOf(b)); });

  std::vector<GridPosition> positions;
  for (const QString& path : images) positions.push_back(gridPosition(nameOf(path)));
  listing.grid = std::all_of(positions.begin(), positions.end(),
                             [](const GridPosition& p) { return p.row >= 0; });
  if (!listing.grid) {
    for (int i = 0; i < images.size(); ++i) scan.byRow[0][i] = images[i];
    listing.rows = {0};
    for (int i = 0; i < images.size(); ++i) scan.columns.append(i);
    return scan;
  }
  QSet<int> columns;
  for (int i = 0; i < images.size(); ++i) {
    const GridPosition& p = positions[std::size_t(i)];
    QString& slot = scan.byRow[p.row][p.column];
    if (!slot.isEmpty()) {
      listing.error =
          LightFieldLoader::tr("\"%1\" and \"%2\" both name the view at row %3, column %4.")
              .arg(nameOf(slot), nameOf(images[i]))
              .arg(p.row)
              .arg(p.column);
      return scan;
    }
    slot = images[i];
    columns.insert(p.column);
  }
  for (const auto& entry : scan.byRow) listing.rows.append(entry.first);
  scan.columns = columns.values();
  std::sort(scan.columns.begin(), scan.columns.end());
  return scan;
}

}  // namespace

const unsigned char* Views::scanline(int view, int y) const {
  const std::size_t rowBytes = std::size_t{3} * std::size_t(width_);
  return pixels_.data() + rowBytes * (std::size_t(view) * std::size_t(height_) + std::size_t(y));
}

void Views::epipolarImage(int y, unsigned char* epi) const {
  const unsigned char* lines[kMaxViews];
  for (int v = 0; v < count_; ++v) lines[v] = scanline(v, y);
  lightfield::refocus::stackScanlines(lines, count_, width_, epi);
}

Listing listFolder(const QString& folder) {
  return scanFolder(folder).listing;
}

// Decoding, shared by the worker tasks and the opening thread.
struct Loading {
  Views views;

  // The shape of `views`, its files and its store, for the functions below.
  static void shape(Views& views, int count, QSize size, QStringList files) {
    views.count_ = count;
    views.width_ = size.width();
    views.height_ = size.height();
    views.files_ = std::move(files);
  }
  static std::vector<unsigned char>& store(Views& views) { return views.pixels_; }

  std::vector<QString> errors;  // per view, so the first in view order is reported
  std::atomic<bool> cancelled{false};
  std::atomic<int> done{0};
  std::mutex mutex;
  std::condition_variable changed;

  // Decodes view v into its place in the packed store.
  void decode(int v) {
    if (!cancelled.load()) errors[std::size_t(v)] = decodeInto(v);
    {
      std::lock_guard lock(mutex);
      done.fetch_add(1);
    }
    changed.notify_all();
  }

  QString decodeInto(int v) {
    // at(), never []: the non-const [] detaches a shared list, a race between the workers.
    const QString& path = views.files_.at(v);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      return LightFieldLoader::tr(
                 "\"%1\" could not be read (%2): was it moved or deleted while opening?")
          .arg(nameOf(path), file.errorString());
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    // JPEG decoders fill a cut-off file with grey and carry on: an image must end in its
    // end-of-image marker (a few padding bytes after it are allowed).
    if (format == "jpeg" && !bytes.right(64).contains(QByteArray("\xFF\xD9", 2)))
      return LightFieldLoader::tr("\"%1\" is cut short: the JPEG file is incomplete.")
          .arg(nameOf(path));
    QImage image = reader.read();
    if (image.isNull())
      return LightFieldLoader::tr("\"%1\" could not be decoded: %2.")
          .arg(nameOf(path), reader.errorString());
    if (image.width() != views.width_ || image.height() != views.height_)
      return LightFieldLoader::tr(
                 "\"%1\" is %2 x %3 pixels, the other views %4 x %5: every view must be the same "
                 "size.")
          .arg(nameOf(path))
          .arg(image.width())
          .arg(image.height())
          .arg(views.width_)
          .arg(views.height_);
    image.convertTo(QImage::Format_RGB888);
    const std::size_t rowBytes = std::size_t{3} * std::size_t(views.width_);
    unsigned char* to =
        views.pixels_.data() + rowBytes * std::size_t(views.height_) * std::size_t(v);
    for (int y = 0; y < views.height_; ++y)
      std::memcpy(to + rowBytes * std::size_t(y), image.constScanLine(y), rowBytes);
    return {};
  }
};

namespace {

Result failure(QString message) {
  Result r;
  r.error = std::move(message);
  return r;
}

Result cancelled() {
  Result r;
  r.error = LightFieldLoader::tr("Opening the light field was cancelled.");
  r.cancelled = true;
  return r;
}

// Each view's size from its header, before any decoding.
QString checkHeaders(const QStringList& files, QSize& size) {
  for (const QString& path : files) {
    QImageReader reader(path);
    const QSize s = reader.size();
    if (!s.isValid()) {
      if (!QFileInfo::exists(path))
        return LightFieldLoader::tr(
                   "\"%1\" could not be read: was it moved or deleted while opening?")
            .arg(nameOf(path));
      return LightFieldLoader::tr("\"%1\" is not an image Ombrel can read.").arg(nameOf(path));
    }
    if (s.width() > kMaxSide || s.height() > kMaxSide)
      return LightFieldLoader::tr(
                 "\"%1\" is %2 x %3 pixels: views may be at most %4 pixels a side.")
          .arg(nameOf(path))
          .arg(s.width())
          .arg(s.height())
          .arg(kMaxSide);
    if (size.isValid() && s != size)
      return LightFieldLoader::tr(
                 "\"%1\" is %2 x %3 pixels, \"%4\" %5 x %6: every view must be the same size.")
          .arg(nameOf(path))
          .arg(s.width())
          .arg(s.height())
          .arg(nameOf(files.front()))
          .arg(size.width())
          .arg(size.height());
    size = s;
  }
  return {};
}

QString viewCountError(int count) {
  if (count < 2)
    return LightFieldLoader::tr("A light field needs at least two views; there is only one.");
  if (count > kMaxViews)
    return LightFieldLoader::tr("A row of %1 views is more than Ombrel opens: at most %2.")
        .arg(count)
        .arg(kMaxViews);
  return {};
}

QString budgetError(int count, QSize size) {
  const qint64 bytes = qint64{3} * count * size.width() * size.height();
  if (bytes <= kMemoryBudget) return {};
  return LightFieldLoader::tr(
             "%1 views of %2 x %3 pixels need %4 MB, more than the %5 MB Ombrel gives a light "
             "field.")
      .arg(count)
      .arg(size.width())
      .arg(size.height())
      .arg((bytes + (1 << 20) - 1) >> 20)
      .arg(kMemoryBudget >> 20);
}

// Decodes every file into `loading.views`, in parallel, reporting progress on this thread.
Result decodeAll(Loading& loading, const Progress& progress) {
  const int total = loading.views.count();
  if (progress && !progress(0, total)) return cancelled();
  loading.errors.assign(std::size_t(total), QString());
  Loading::store(loading.views)
      .assign(std::size_t{3} * std::size_t(total) * std::size_t(loading.views.width()) *
                  std::size_t(loading.views.height()),
              0);
  std::vector<int> indices(static_cast<std::size_t>(total));
  std::iota(indices.begin(), indices.end(), 0);
  QFuture<void> future = QtConcurrent::map(indices, [&loading](int v) { loading.decode(v); });
  int reported = 0;
  while (reported < total) {
    {
      std::unique_lock lock(loading.mutex);
      loading.changed.wait(lock, [&] { return loading.done.load() != reported; });
    }
    reported = loading.done.load();
    if (progress && !loading.cancelled.load() && !progress(reported, total))
      loading.cancelled.store(true);
  }
  future.waitForFinished();
  if (loading.cancelled.load()) return cancelled();
  for (const QString& error : loading.errors)
    if (!error.isEmpty()) return failure(error);
  Result result;
  result.views = std::move(loading.views);
  return result;
}

Result openFolder(const QString& folder, int row, const Progress& progress) {
  const Scan scan = scanFolder(folder);
  if (!scan.listing.ok()) return failure(scan.listing.error);
  const QList<int>& rows = scan.listing.rows;
  if (row < 0) row = rows[rows.size() / 2];
  const auto found = scan.byRow.find(row);
  if (found == scan.byRow.end())
    return failure(LightFieldLoader::tr("The folder has no row %1 of views.").arg(row));
  QStringList files;
  for (int column : scan.columns) {
    const auto view = found->second.find(column);
    if (view == found->second.end())
      return failure(
          LightFieldLoader::tr("The view at row %1, column %2 is missing.").arg(row).arg(column));
    files.append(view->second);
  }
  if (scan.listing.grid)
    for (int c = scan.columns.front(); c <= scan.columns.back(); ++c)
      if (!found->second.count(c))
        return failure(
            LightFieldLoader::tr("The view at row %1, column %2 is missing.").arg(row).arg(c));
  if (const QString error = viewCountError(int(files.size())); !error.isEmpty())
    return failure(error);
  QSize size;
  if (const QString error = checkHeaders(files, size); !error.isEmpty()) return failure(error);
  if (const QString error = budgetError(int(files.size()), size); !error.isEmpty())
    return failure(error);

  Loading loading;
  Loading::shape(loading.views, int(files.size()), size, files);
  return decodeAll(loading, progress);
}

// A single image whose rows are the views: decoded as one view, then its rows dealt out, the
// last row to view 0.
Result openImage(const QString& path, const Progress& progress) {
  QSize size;
  if (const QString error = checkHeaders({path}, size); !error.isEmpty()) return failure(error);
  if (const QString error = viewCountError(size.height()); !error.isEmpty()) return failure(error);
  Loading loading;
  Loading::shape(loading.views, 1, size, {path});
  Result one = decodeAll(loading, progress);
  if (!one.ok()) return one;
  Result result;
  Views& views = result.views;
  const int count = size.height();
  Loading::shape(views, count, QSize(size.width(), 1), QStringList(count, path));
  std::vector<unsigned char>& pixels = Loading::store(views);
  pixels.resize(Loading::store(one.views).size());
  const std::size_t rowBytes = std::size_t{3} * std::size_t(size.width());
  for (int v = 0; v < count; ++v)
    std::memcpy(pixels.data() + rowBytes * std::size_t(v), one.views.scanline(0, count - 1 - v),
                rowBytes);
  return result;
}

}  // namespace

Result open(const QString& path, int row, const Progress& progress) {
  const QFileInfo info(path);
  if (info.isDir()) return openFolder(path, row, progress);
  if (!info.exists())
    return failure(LightFieldLoader::tr("\"%1\" does not exist.").arg(nameOf(path)));
  return openImage(path, progress);
}

}  // namespace lightfieldloader
