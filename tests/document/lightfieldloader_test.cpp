#include "document/lightfieldloader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "lightfield/planes.h"
#include "lightfield/refocus.h"

namespace lightfieldloader {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kWidth = 96, kHeight = 12;

// Three textured planes and a background, as the refocus tests render them.
const lightfield::planes::World& world() {
  static const lightfield::planes::World w{{{0.25, 2.0, 12.0, 11, 2.0},
                                            {0.5, 12.0, 40.0, 12, 2.0},
                                            {0.8, 40.0, 70.0, 13, 2.0},
                                            {1.0, -1000.0, 1000.0, 14, 2.0}}};
  return w;
}

// View `column` of grid row `row`: another row sees other texture rows.
Bytes render(int row, int column, int width = kWidth, int height = kHeight) {
  return world().view(column, width, height, 7 * row);
}

QImage imageOf(const Bytes& rgb, int width, int height) {
  return QImage(rgb.data(), width, height, 3 * width, QImage::Format_RGB888).copy();
}

void save(const QString& path, const Bytes& rgb, int width = kWidth, int height = kHeight) {
  ASSERT_TRUE(imageOf(rgb, width, height).save(path, nullptr, 95)) << path.toStdString();
}

// The scanlines of the files as Qt itself decodes them, stacked view 0 at the bottom.
Bytes stackedFromFiles(const QStringList& files, int y) {
  std::vector<QImage> images;
  std::vector<const unsigned char*> lines;
  for (const QString& f : files) images.push_back(QImage(f).convertToFormat(QImage::Format_RGB888));
  for (const QImage& image : images) lines.push_back(image.constScanLine(y));
  Bytes epi(std::size_t(3) * images.front().width() * images.size());
  lightfield::refocus::stackScanlines(lines.data(), int(lines.size()), images.front().width(),
                                      epi.data());
  return epi;
}

// The archives' namings and a plain row: each opens as the right row of views, in the right
// order, and every scanline's ray-space image is the views' scanlines stacked (for PNG, byte for
// byte the rendered views; for JPEG, the files as Qt decodes them).
TEST(LightFieldLoader, EveryNamingOpensItsRowAsTheViewsScanlinesStacked) {
  struct Naming {
    const char* pattern;  // row, column
    int rows, columns;
    bool grid;
  };
  const Naming namings[] = {{"out_%02d_%02d_-12.5_3.0.png", 3, 9, true},
                            {"view_r%02d_c%02d.jpg", 3, 7, true},
                            {"%d-%d.png", 2, 5, true},
                            {"cam%.0d%d.png", 1, 12, false}};  // the row (0) printed as nothing
  for (const Naming& naming : namings) {
    SCOPED_TRACE(naming.pattern);
    QTemporaryDir dir;
    for (int r = 0; r < naming.rows; ++r)
      for (int c = 0; c < naming.columns; ++c)
        save(dir.filePath(QString::asprintf(naming.pattern, r, c)), render(r, c));
    QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly);  // not a view: passed over

    const Listing listing = listFolder(dir.path());
    ASSERT_TRUE(listing.ok()) << listing.error.toStdString();
    EXPECT_EQ(listing.grid, naming.grid);
    EXPECT_EQ(int(listing.rows.size()), naming.rows);
    const int row = naming.rows / 2;  // what -1 picks
    const Result result = open(dir.path(), -1);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const Views& views = result.views;
    ASSERT_EQ(views.count(), naming.columns);
    ASSERT_EQ(views.width(), kWidth);
    ASSERT_EQ(views.height(), kHeight);
    for (int c = 0; c < naming.columns; ++c)
      EXPECT_EQ(views.files()[c], dir.filePath(QString::asprintf(naming.pattern, row, c)));
    const bool lossless = QString(naming.pattern).endsWith(".png");
    Bytes epi(std::size_t(3) * kWidth * views.count());
    for (int y = 0; y < kHeight; ++y) {
      views.epipolarImage(y, epi.data());
      ASSERT_EQ(epi, stackedFromFiles(views.files(), y)) << "scanline " << y;
      if (!lossless) continue;
      for (int c = 0; c < naming.columns; ++c) {
        const Bytes view = render(row, c);
        ASSERT_EQ(0, std::memcmp(&epi[std::size_t(3) * kWidth * (views.count() - 1 - c)],
                                 &view[std::size_t(3) * kWidth * y], std::size_t(3) * kWidth));
      }
    }
    // Another row of the grid is another set of views.
    if (naming.rows > 1) {
      const Result first = open(dir.path(), 0);
      ASSERT_TRUE(first.ok());
      EXPECT_EQ(first.views.files()[0], dir.filePath(QString::asprintf(naming.pattern, 0, 0)));
    }
  }
}

// A single image that already is an epipolar-plane image opens as views of one row: its ray-space
// image is the file, its last row view 0.
TEST(LightFieldLoader, AnEpipolarImageOpensAsItsOwnRaySpace) {
  QTemporaryDir dir;
  constexpr int kViews = 17;
  Bytes epi(std::size_t(3) * kWidth * kViews);
  for (int v = 0; v < kViews; ++v) {
    const Bytes line = render(0, v, kWidth, 1);
    std::copy(line.begin(), line.end(),
              epi.begin() + std::ptrdiff_t(3) * kWidth * (kViews - 1 - v));
  }
  const QString path = dir.filePath("epi.png");
  save(path, epi, kWidth, kViews);
  const Result result = open(path);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  ASSERT_EQ(result.views.count(), kViews);
  ASSERT_EQ(result.views.height(), 1);
  Bytes out(epi.size());
  result.views.epipolarImage(0, out.data());
  EXPECT_EQ(out, epi);
  EXPECT_EQ(0, std::memcmp(result.views.scanline(0, 0),
                           &epi[std::size_t(3) * kWidth * (kViews - 1)], std::size_t(3) * kWidth));
}

// A PNG that is only its header chunks, declaring a size: enough for the checks made before
// decoding, which must not decode it.
void writePngHeader(const QString& path, quint32 width, quint32 height) {
  const auto chunk = [](const char* type, const QByteArray& data) {
    QByteArray body = QByteArray(type, 4) + data;
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : body) {
      crc ^= uchar(ch);
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    uchar length[4], sum[4];
    qToBigEndian(quint32(data.size()), length);
    qToBigEndian(~crc, sum);
    return QByteArray(reinterpret_cast<const char*>(length), 4) + body +
           QByteArray(reinterpret_cast<const char*>(sum), 4);
  };
  uchar size[8];
  qToBigEndian(width, size);
  qToBigEndian(height, size + 4);
  const QByteArray ihdr =
      QByteArray(reinterpret_cast<const char*>(size), 8) + QByteArray("\x08\x02\x00\x00\x00", 5);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", {}) +
             chunk("IEND", {}));
}

void saveRow(const QString& folder, int views, const char* pattern = "out_00_%02d.png") {
  for (int c = 0; c < views; ++c)
    save(QDir(folder).filePath(QString::asprintf(pattern, c)), render(0, c));
}

// Every bad input gives its one message, and no views come back.
TEST(LightFieldLoader, BadInputGivesOneMessageAndNoViews) {
  struct Case {
    const char* name;
    std::function<QString(const QString& folder)> make;  // returns what to open
    const char* message;
    std::function<bool(int, int, const QString&)> progress = {};
    bool cancelled = false;
  };
  const auto in = [](const QString& folder, const char* name) {
    return QDir(folder).filePath(name);
  };
  const Case cases[] = {
      {"empty folder", [](const QString& f) { return f; }, "holds no images"},
      {"one view",
       [](const QString& f) {
         saveRow(f, 1);
         return f;
       },
       "at least two views"},
      {"mixed sizes",
       [&](const QString& f) {
         saveRow(f, 4);
         save(in(f, "out_00_04.png"), render(0, 4, kWidth + 1), kWidth + 1);
         return f;
       },
       "must be the same size"},
      {"a non-image among the views",
       [&](const QString& f) {
         saveRow(f, 4);
         QFile text(in(f, "out_00_04.png"));
         text.open(QIODevice::WriteOnly);
         text.write("not a picture at all\n");
         return f;
       },
       "\"out_00_04.png\" is not an image"},
      {"a missing view in a grid row",
       [&](const QString& f) {
         saveRow(f, 5, "out_00_%02d.png");
         saveRow(f, 5, "out_01_%02d.png");
         QFile::remove(in(f, "out_01_03.png"));
         return f;
       },
       "row 1, column 3 is missing"},
      {"a view too large",
       [&](const QString& f) {
         saveRow(f, 2);
         writePngHeader(in(f, "out_00_02.png"), 8193, kHeight);
         return f;
       },
       "at most 8192 pixels a side"},
      {"beyond the memory budget",
       [&](const QString& f) {
         for (int c = 0; c < 3; ++c)
           writePngHeader(in(f, QString::asprintf("out_00_%02d.png", c).toLatin1()), 8192, 8192);
         return f;
       },
       "more than the 512 MB"},
      {"more than 64 views",
       [&](const QString& f) {
         saveRow(f, 65);
         return f;
       },
       "at most 64"},
      {"an epipolar image of 65 views",
       [&](const QString& f) {
         save(in(f, "epi.png"), Bytes(std::size_t(3) * 8 * 65, 128), 8, 65);
         return in(f, "epi.png");
       },
       "at most 64"},
      {"a folder of 10,000 files",
       [&](const QString& f) {
         // Empty files: decoding any of them would fail with another message.
         for (int i = 0; i < 10000; ++i)
           QFile(in(f, QString::asprintf("%05d.png", i).toLatin1())).open(QIODevice::WriteOnly);
         return f;
       },
       "more than 4096 files"},
      {"a truncated JPEG",
       [&](const QString& f) {
         saveRow(f, 4, "out_00_%02d.jpg");
         QFile jpeg(in(f, "out_00_02.jpg"));
         jpeg.open(QIODevice::ReadWrite);
         jpeg.resize(jpeg.size() / 2);
         return f;
       },
       "\"out_00_02.jpg\" is cut short"},
      {"a file that vanishes while loading",
       [&](const QString& f) {
         saveRow(f, 4);
         return f;
       },
       "\"out_00_01.png\" could not be read",
       [&](int done, int, const QString& f) {
         if (done == 0) QFile::remove(in(f, "out_00_01.png"));
         return true;
       }},
      {"cancel half way",
       [&](const QString& f) {
         saveRow(f, 8);
         return f;
       },
       "cancelled", [](int done, int total, const QString&) { return done < total / 2; }, true},
      {"no such file", [&](const QString& f) { return in(f, "nothing.png"); }, "does not exist"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = c.make(dir.path());
    Progress progress;
    int calls = 0;
    if (c.progress)
      progress = [&](int done, int total) {
        ++calls;
        return c.progress(done, total, dir.path());
      };
    const Result result = open(path, -1, progress);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.message)))
        << "got: " << result.error.toStdString();
    EXPECT_TRUE(result.views.isEmpty());
    EXPECT_EQ(result.cancelled, c.cancelled);
    if (c.progress) {
      EXPECT_GE(calls, 1);
    }
  }
}

}  // namespace
}  // namespace lightfieldloader

namespace lightfieldloader {
namespace {

// The example set (scripts/make-example-lightfield) opens, and refocusing at each of its planes'
// disparities brings that plane, and no other, closest to the central view's pinhole picture.
TEST(LightFieldLoader, TheExampleSetRefocusesOnEachOfItsPlanes) {
  const Result result = open(QString::fromUtf8(OMBREL_EXAMPLE_LIGHTFIELD));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  const Views& views = result.views;
  ASSERT_EQ(views.count(), 17);
  ASSERT_EQ(views.width(), 256);
  ASSERT_EQ(views.height(), 96);
  // The planes as the script places them, and regions of the central view that see only them.
  struct Region {
    double lambda;
    int y0, y1, u0, u1;
  };
  const Region regions[] = {{0.35, 30, 66, 30, 90}, {0.6, 20, 80, 140, 230}, {1.0, 0, 6, 0, 256}};
  const int n = views.width(), count = views.count();
  const int centre = lightfield::refocus::centreView(count);
  Bytes epi(std::size_t(3) * n * count), photo(std::size_t(3) * n);
  double error[3][3] = {};
  for (int focus = 0; focus < 3; ++focus) {
    const double s = lightfield::refocus::disparityForFraction(regions[focus].lambda);
    for (int r = 0; r < 3; ++r) {
      const Region& region = regions[r];
      double sum = 0;
      for (int y = region.y0; y < region.y1; ++y) {
        views.epipolarImage(y, epi.data());
        lightfield::refocus::refocus(epi.data(), count, n, count / 2, s, photo.data());
        const unsigned char* pinhole = views.scanline(centre, y);
        for (int i = 3 * region.u0; i < 3 * region.u1; ++i) sum += std::abs(photo[i] - pinhole[i]);
      }
      error[focus][r] = sum / (3.0 * (region.y1 - region.y0) * (region.u1 - region.u0));
    }
  }
  for (int p = 0; p < 3; ++p)
    for (int q = 0; q < 3; ++q) {
      if (q == p) continue;
      EXPECT_LT(error[p][p], error[q][p]) << "plane " << p << " focused at plane " << q;
      EXPECT_LT(error[p][p], error[p][q]) << "focus on plane " << p << ", plane " << q;
    }
  for (int p = 0; p < 3; ++p) EXPECT_LT(error[p][p], 12.0) << "plane " << p;
}

}  // namespace
}  // namespace lightfieldloader
