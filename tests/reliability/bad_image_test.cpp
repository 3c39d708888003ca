// Image files that cannot be used, chosen for a billboard through the real
// window: the billboard stays exactly as it was, the app keeps rendering and
// no large block of memory is taken.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <optional>
#include <random>

#include "harness.h"
#include "toolkit/openpanel.h"

namespace {

constexpr long kMaxGrowth = 5L << 20;

quint32 crc32(const char* data, int size) {
  quint32 crc = 0xFFFFFFFFu;
  for (int i = 0; i < size; ++i) {
    crc ^= static_cast<unsigned char>(data[i]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A PNG of noise, so that it does not compress to almost nothing.
QByteArray noisePng(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  std::mt19937 rng(7);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) image.setPixel(x, y, rng() | 0xFF000000u);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// The same PNG with its header claiming width x height, checksum fixed.
QByteArray withDeclaredSize(QByteArray png, quint32 width, quint32 height) {
  // Signature (8), IHDR length (4), "IHDR" (4), width, height, ...; CRC after 13 data bytes.
  qToBigEndian(width, png.data() + 16);
  qToBigEndian(height, png.data() + 20);
  qToBigEndian(crc32(png.constData() + 12, 17), png.data() + 29);
  return png;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct BadFile {
  const char* name;
  // What the status bar says is wrong with it.
  const char* reason;
  // Makes the file in `dir` and answers its path.
  std::function<QString(const QDir& dir)> make;
};

const BadFile kBadFiles[] = {
    {"NotAnImage", "not an image",
     [](const QDir& d) {
       writeFile(d.filePath("notes.png"), "plain text, saved with the wrong name\n");
       return d.filePath("notes.png");
     }},
    {"ZeroBytes", "not an image",
     [](const QDir& d) {
       writeFile(d.filePath("empty.png"), {});
       return d.filePath("empty.png");
     }},
    {"TruncatedPng", "not an image",
     [](const QDir& d) {
       const QByteArray png = noisePng(64);
       writeFile(d.filePath("half.png"), png.left(png.size() / 2));
       return d.filePath("half.png");
     }},
    {"Directory", "cannot be read",
     [](const QDir& d) {
       d.mkdir("folder.png");
       return d.filePath("folder.png");
     }},
    {"Unreadable", "cannot be read",
     [](const QDir& d) {
       writeFile(d.filePath("locked.png"), noisePng(16));
       QFile::setPermissions(d.filePath("locked.png"), {});
       return d.filePath("locked.png");
     }},
    {"HugeHeader", "too large",
     [](const QDir& d) {
       writeFile(d.filePath("huge.png"), withDeclaredSize(noisePng(16), 100000, 100000));
       return d.filePath("huge.png");
     }},
    {"Vanished", "cannot be read",
     [](const QDir& d) {
       writeFile(d.filePath("gone.png"), noisePng(16));
       QFile::remove(d.filePath("gone.png"));
       return d.filePath("gone.png");
     }},
};

// Whether the identity in force for file access can open `path`.
bool canOpenAsReader(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
  if (fd >= 0) ::close(fd);
  return fd >= 0;
}

// While alive, and when this process is root (to whom a mode of 000 means
// nothing), file access in this thread is checked as the unprivileged user
// "nobody", so that a file's permissions apply.
struct ReaderIdentity {
  explicit ReaderIdentity(bool drop) : dropped(drop && geteuid() == 0) {
    if (dropped) setfsuid(65534);
  }
  ~ReaderIdentity() {
    if (dropped) setfsuid(0);
  }
  bool dropped;
};

class BadImageFile : public ::testing::TestWithParam<BadFile> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // Others may search the folder, so a file's own mode decides who reads it.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ExeGroup | QFile::ExeOther);
    window_ = reliability::openWindow();
    canvas_ = window_->drawView();
  }
  void TearDown() override { toolkit::setFileChooser({}); }

  // Selects billboard 1 and presses space with the chooser answering `path`.
  void chooseForBillboard(const QString& path, bool asUnprivilegedReader = false) {
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {},
                      reliability::canvasPoint(*canvas_, 90, 105));
    ASSERT_EQ(canvas_->selectedShapeIndex(), 0);
    toolkit::setFileChooser([path] { return std::optional<QString>(path); });
    const ReaderIdentity reader(asUnprivilegedReader);
    QTest::keyClick(window_->windowHandle(), Qt::Key_Space);
    QApplication::processEvents();
  }

  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;
  DrawView* canvas_ = nullptr;
};

TEST_P(BadImageFile, LeavesBillboardUnchangedAndKeepsRendering) {
  const BadFile& bad = GetParam();
  const QString path = bad.make(QDir(dir_.path()));
  const bool unreadable = QLatin1String(bad.name) == QLatin1String("Unreadable");
  if (unreadable) {
    const ReaderIdentity reader(true);
    if (canOpenAsReader(path)) {
      GTEST_SKIP() << "this process can read a file of mode 000 even as an unprivileged "
                      "reader, so an unreadable file cannot be made here";
    }
  }

  const Shape& billboard = *canvas_->shapes()[0];
  const CGRect rect = billboard.rect();
  const toolkit::Color color = billboard.color();
  const QImage image = billboard.image();
  const int renders = canvas_->renderCount();
  const long before = reliability::residentBytes();

  chooseForBillboard(path, unreadable);

  EXPECT_TRUE(billboard.rect() == rect) << "the rectangle changed";
  EXPECT_TRUE(billboard.color() == color) << "the fill changed";
  EXPECT_EQ(billboard.image().cacheKey(), image.cacheKey());
  EXPECT_TRUE(billboard.image().isNull());
  EXPECT_EQ(canvas_->selectedShapeIndex(), 0);
  EXPECT_EQ(canvas_->renderCount(), renders + 1);
  EXPECT_TRUE(reliability::renderMatchesScene(*canvas_));
  // Said, not shown in a box: the file's name and why it was refused.
  const QString message = window_->statusBar()->currentMessage();
  EXPECT_TRUE(message.contains(QFileInfo(path).fileName())) << message.toStdString();
  EXPECT_TRUE(message.endsWith(QLatin1String(bad.reason))) << message.toStdString();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  const long growth = reliability::residentBytes() - before;
  EXPECT_LT(growth, kMaxGrowth);
  std::printf("%s: resident memory grew by %ld KB\n", bad.name, growth / 1024);
}

INSTANTIATE_TEST_SUITE_P(Files, BadImageFile, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& info) {
                           return std::string(info.param.name);
                         });

// The same road with a sound file does change the fill, so the cases above
// reach the loader and are refused there.
TEST_F(BadImageFile, SoundFileFillsBillboard) {
  const QString path = QDir(dir_.path()).filePath("tile.png");
  ASSERT_TRUE(writeFile(path, noisePng(16)));
  const int renders = canvas_->renderCount();
  chooseForBillboard(path);
  const Shape& billboard = *canvas_->shapes()[0];
  EXPECT_TRUE(billboard.color().isPattern());
  EXPECT_EQ(billboard.image().size(), QSize(16, 16));
  EXPECT_TRUE(window_->statusBar()->currentMessage().isEmpty());
  EXPECT_EQ(canvas_->renderCount(), renders + 1);
  EXPECT_TRUE(reliability::renderMatchesScene(*canvas_));
}

}  // namespace
