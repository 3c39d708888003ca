#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "render.h"
#include "scene/shape.h"
#include "toolkit/openpanel.h"

using toolkit::Color;
using toolkit::GraphicsContext;

namespace {

// Answers every file request with `path` (or a cancel) while in scope.
class ChooserAnswer {
 public:
  explicit ChooserAnswer(std::optional<QString> path) {
    toolkit::setFileChooser([path] { return path; });
  }
  ~ChooserAnswer() { toolkit::setFileChooser({}); }
};

// A tile whose every pixel has its own colour: red = column, green = row.
QImage tile(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(40 * x, 40 * y, 200));
  }
  return image;
}

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

quint32 crc32(const QByteArray& data) {
  quint32 crc = 0xffffffffu;
  for (char ch : data) {
    crc ^= static_cast<unsigned char>(ch);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void putBigEndian(QByteArray& bytes, int at, quint32 v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xff);
}

// A well-formed PNG whose header declares width x height pixels (valid CRC).
QByteArray pngDeclaring(quint32 width, quint32 height) {
  QByteArray bytes = png(tile(2, 2));
  putBigEndian(bytes, 16, width);
  putBigEndian(bytes, 20, height);
  putBigEndian(bytes, 29, crc32(bytes.mid(12, 17)));  // type + data of IHDR
  return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage paint(const Shape& shape) {
  return renderScene(120, 100, [&](GraphicsContext& c) { shape.drawRect(c, {}); });
}

}  // namespace

TEST(ShapeImage, TilesAreUprightAndMoveWithTheShape) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A name that asks for ratio 2: tiles must still be laid one pixel per unit.
  const QString path = dir.filePath("tile@2x.png");
  ASSERT_TRUE(writeFile(path, png(tile(5, 3))));
  const auto shape = makeShape<Rectangle>(CGRectMake(20, 30, 40, 30));
  {
    ChooserAnswer answer(path);
    ASSERT_TRUE(shape->loadImage());
  }
  ASSERT_TRUE(shape->color().isPattern());
  EXPECT_EQ(shape->image().size(), QSize(5, 3));

  // The phase (origin + (-5, 10)) is the tile's bottom-left corner, row 0 on top.
  const QImage before = paint(*shape);
  for (int y = 30; y < 59; ++y) {
    for (int x = 20; x < 59; ++x) {
      const int col = (((x - 15) % 5) + 5) % 5;
      const int row = 2 - (((y - 40) % 3) + 3) % 3;
      EXPECT_EQ(cell(before, x, y), qRgb(40 * col, 40 * row, 200)) << x << "," << y;
    }
  }

  shape->translateOrigin({7, -3});
  const QImage after = paint(*shape);
  int compared = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (cell(before, x, y) == 0xffffffff) continue;
      ASSERT_EQ(cell(after, x + 7, y - 3), cell(before, x, y)) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 39 * 29);
}

TEST(ShapeImage, CompleteFilesLoadAndTruncatedOnesDoNot) {
  // Regression: JPEG, BMP and XBM decoders return a partly filled image for a
  // truncated file (BMP with uninitialised rows).
  QImage noise(48, 40, QImage::Format_RGB32);
  for (int y = 0; y < noise.height(); ++y) {
    for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, qRgb(x * 5, y * 6, (x * y) % 256));
  }
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* format : {"PNG", "JPEG", "BMP", "PPM", "XPM", "XBM"}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(noise.save(&buffer, format)) << format;
    const QString complete = dir.filePath(QString("complete.") + format);
    const QString truncated = dir.filePath(QString("truncated.") + format);
    ASSERT_TRUE(writeFile(complete, bytes));
    ASSERT_TRUE(writeFile(truncated, bytes.left(bytes.size() * 9 / 10)));

    const auto shape = makeShape<Rectangle>(CGRectMake(0, 0, 10, 10));
    {
      ChooserAnswer answer(truncated);
      EXPECT_FALSE(shape->loadImage()) << format;
    }
    ChooserAnswer answer(complete);
    EXPECT_TRUE(shape->loadImage()) << format;
    EXPECT_EQ(shape->image().size(), noise.size()) << format;
  }
}

TEST(ShapeImage, EveryTypeTheOpenPanelOffersCanFillAShape) {
  const QStringList filters = toolkit::openPanelNameFilters();
  ASSERT_EQ(filters.size(), 2);
  EXPECT_EQ(filters[1], QStringLiteral("All files (*)"));
  const QList<QByteArray> readable = QImageReader::supportedImageFormats();
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  int offered = 0;
  for (auto match = pattern.globalMatch(filters[0]); match.hasNext(); ++offered) {
    const QByteArray suffix = match.next().captured(1).toLatin1();
    EXPECT_TRUE(readable.contains(suffix)) << suffix.constData() << " is offered but not readable";
  }
  EXPECT_EQ(offered, 9);

  // SVG goes through the same double decode as the pixel formats.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString svg = dir.filePath("tile.svg");
  ASSERT_TRUE(writeFile(svg,
                        "<svg xmlns='http://www.w3.org/2000/svg' width='6' height='4'>"
                        "<rect width='6' height='4' fill='#c81e3c'/></svg>\n"));
  const auto shape = makeShape<Rectangle>(CGRectMake(0, 0, 10, 10));
  ChooserAnswer answer(svg);
  EXPECT_TRUE(shape->loadImage());
  EXPECT_EQ(shape->image().size(), QSize(6, 4));
}

TEST(ShapeImage, UnreadableImageFilesLeaveTheShapeAsItWas) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray good = png(tile(5, 3));
  const QString goodPath = dir.filePath("good.png");
  ASSERT_TRUE(writeFile(goodPath, good));

  const struct {
    const char* kind;
    std::function<std::optional<QString>()> make;
  } cases[] = {
      {"cancelled", [] { return std::nullopt; }},
      {"not an image",
       [&] { return writeFile(dir.filePath("a.png"), "plain text\n"), dir.filePath("a.png"); }},
      {"empty", [&] { return writeFile(dir.filePath("e.png"), {}), dir.filePath("e.png"); }},
      {"truncated",
       [&] {
         return writeFile(dir.filePath("t.png"), good.left(good.size() / 2)), dir.filePath("t.png");
       }},
      {"header only",
       [&] { return writeFile(dir.filePath("h.png"), good.left(33)), dir.filePath("h.png"); }},
      {"huge header",
       [&] {
         return writeFile(dir.filePath("big.png"), pngDeclaring(100000, 100000)),
                dir.filePath("big.png");
       }},
      {"directory", [&] { return QDir(dir.path()).mkdir("d.png"), dir.filePath("d.png"); }},
      {"fifo",
       [&] {
         return mkfifo(QFile::encodeName(dir.filePath("f.png")).constData(), 0600),
                dir.filePath("f.png");
       }},
      {"empty path", [] { return QString(); }},
      {"missing", [&] { return dir.filePath("nowhere/none.png"); }},
  };

  // The huge header really is read as 100000 x 100000.
  writeFile(dir.filePath("probe.png"), pngDeclaring(100000, 100000));
  ASSERT_EQ(QImageReader(dir.filePath("probe.png")).size(), QSize(100000, 100000));

  for (bool withImage : {false, true}) {
    const auto shape = makeShape<Triangle>(CGRectMake(10, 10, 60, 50));
    if (withImage) {
      ChooserAnswer answer(goodPath);
      ASSERT_TRUE(shape->loadImage());
    } else {
      shape->setColor(Color::colorWithCalibratedRed(0.2, 0.4, 0.6, 1));
    }
    const Color color = shape->color();
    const qint64 imageKey = shape->image().cacheKey();
    const QImage pixels = paint(*shape);

    for (const auto& c : cases) {
      ChooserAnswer answer(c.make());
      EXPECT_FALSE(shape->loadImage()) << c.kind;
      EXPECT_TRUE(shape->color() == color) << c.kind;
      EXPECT_EQ(shape->image().cacheKey(), imageKey) << c.kind;
      EXPECT_EQ(shape->rect(), CGRectMake(10, 10, 60, 50)) << c.kind;
      EXPECT_TRUE(shape->containsPoint({40, 30})) << c.kind;
      EXPECT_EQ(paint(*shape), pixels) << c.kind;
    }
  }
}

TEST(ShapeImage, FileWithoutReadPermissionLeavesTheShapeAsItWas) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("locked.png");
  ASSERT_TRUE(writeFile(path, png(tile(5, 3))));
  ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
  if (access(QFile::encodeName(path).constData(), R_OK) == 0) {
    GTEST_SKIP() << "this user (root?) can read a file without read permission";
  }
  const auto shape = makeShape<Rectangle>(CGRectMake(10, 10, 30, 30));
  ChooserAnswer answer(path);
  EXPECT_FALSE(shape->loadImage());
  EXPECT_TRUE(shape->color() == Color::grayColor());
  EXPECT_TRUE(shape->image().isNull());
}
