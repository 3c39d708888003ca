// Pictures out: every picture at every scale is the view's pixels in crisp
// blocks, exports are written whole or not at all, the focal stack sheet
// leaves the window's state alone, and Help opens its two windows.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QTextBrowser>
#include <cmath>
#include <cstring>

#include "app/focalstack.h"
#include "files_fixture.h"
#include "lightfield/lightfield.h"

namespace {

using files::DocumentWindow;

constexpr double kDegreesToRadians = 0.017453292500000002;

// Every scale x scale block of `big` is one pixel of `small`.
::testing::AssertionResult crispCopy(const QImage& big, const QImage& small, int scale) {
  if (big.size() != small.size() * scale) {
    return ::testing::AssertionFailure() << "size " << big.width() << "x" << big.height();
  }
  for (int y = 0; y < big.height(); ++y) {
    for (int x = 0; x < big.width(); ++x) {
      if (big.pixel(x, y) != small.pixel(x / scale, y / scale)) {
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " at " << scale << "x";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

QImage rgb32(const unsigned char* packed, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = packed + 3 * (y * w + x);
      image.setPixel(x, y, qRgb(p[0], p[1], p[2]));
    }
  }
  return image;
}

TEST(Pictures, EachPictureIsTheViewsPixelsInCrispBlocks) {
  DocumentWindow w;
  PictureExport& pictures = w.pictures();
  const QImage rays = rgb32(w.canvas().cleanRays(), 300, 300);
  EXPECT_EQ(pictures.picture({PictureKind::RaySpace, 1}), rays);
  const QImage photo = pictures.picture({PictureKind::Photo, 1});
  ASSERT_EQ(photo.size(), w.photoView().size());
  const QImage row = rgb32(w.canvas().photoRow(), 300, 1);
  for (int y = 0; y < photo.height(); ++y) {
    for (int x = 0; x < 300; ++x) ASSERT_EQ(photo.pixel(x, y), row.pixel(x, 0)) << x << "," << y;
  }
  // As shown: every sampling mark (away from the axes) and the red axis.
  const QImage shown = pictures.picture({PictureKind::RaySpaceAsShown, 1});
  ASSERT_EQ(shown.size(), QSize(300, 300));
  const QImage marked = rgb32(w.canvas().displayedRays(), 300, 300);
  int marks = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) {
      if (marked.pixel(x, y) == rays.pixel(x, y) || std::abs(x - 150) < 4 ||
          std::abs(y - 150) < 4) {
        continue;
      }
      ++marks;
      ASSERT_EQ(shown.pixel(x, y), marked.pixel(x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(marks, 100);
  int red = 0;
  for (int x = 0; x < 300; ++x) red += (shown.pixel(x, 149) & 0xffffff) == 0xff0000u;
  EXPECT_GE(red, 280) << "the horizontal axis at y = 150";

  for (PictureKind kind : kAllPictureKinds) {
    const QImage one = pictures.picture({kind, 1});
    ASSERT_FALSE(one.isNull()) << pictureFileStem(kind).toStdString();
    for (int scale : {2, 4}) {
      if (kind == PictureKind::Window) {
        // The window is grabbed afresh; its size and blocks are what count.
        const QImage big = pictures.picture({kind, scale});
        EXPECT_EQ(big.size(), w.window.size() * scale);
        EXPECT_TRUE(crispCopy(big, big.scaled(big.size() / scale), scale));
        continue;
      }
      EXPECT_TRUE(crispCopy(pictures.picture({kind, scale}), one, scale))
          << pictureFileStem(kind).toStdString();
    }
  }
}

TEST(Pictures, TheSceneLeavesOutKnobsAndHoverOverlays) {
  DocumentWindow w;
  const QImage plain = w.pictures().picture({PictureKind::Scene, 1});
  w.canvas().selectShape(0);
  w.canvas().setRay(CGPointMake(100, 200));
  QApplication::processEvents();
  ASSERT_TRUE(w.canvas().drawsRay());
  EXPECT_EQ(w.pictures().picture({PictureKind::Scene, 1}), plain);
  w.canvas().setSensorRay(120);
  EXPECT_EQ(w.pictures().picture({PictureKind::Scene, 1}), plain);
  // The shapes are there as captured: billboard 1 fills x 70..108, y 100..108.
  EXPECT_EQ(plain.pixel(80, 299 - 104) & 0xffffff, qRgb(255, 204, 102) & 0xffffff);
  EXPECT_EQ(plain.pixel(150, 299 - 290) & 0xffffff, 0xff0000u) << "upper plane line";
}

TEST(Pictures, ExportWritesThePngWholeOrNothing) {
  DocumentWindow w;
  files::OpenDir dir;
  const QString path = dir.path("rays.png");
  {
    files::Answers answers([&](documentdialogs::Dialogs& d) {
      d.pictureChoice = [](QWidget*, const PictureChoice& last) {
        EXPECT_EQ(last, (PictureChoice{PictureKind::Scene, 1}));
        return std::optional(documentdialogs::PictureRequest{{PictureKind::RaySpace, 2}});
      };
      d.savePicture = [&](QWidget*, const QString& suggested) {
        EXPECT_EQ(suggested, QStringLiteral("ray-space.png"));
        return std::optional(path);
      };
    });
    w.find<QAction>("actionExport")->trigger();
  }
  const QImage written(path);
  EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
            w.pictures().picture({PictureKind::RaySpace, 2}));
  EXPECT_EQ(written.size(), QSize(600, 600));
  EXPECT_TRUE(w.status().contains("rays.png")) << w.status().toStdString();
  EXPECT_EQ(w.pictures().lastChoice(), (PictureChoice{PictureKind::RaySpace, 2}));

  // Edit ▸ Copy puts the last choice on the clipboard.
  QApplication::clipboard()->clear();
  w.find<QAction>("actionCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            w.pictures().picture({PictureKind::RaySpace, 2}));
  // The dialog's Copy copies the choice just made in it.
  {
    files::Answers answers([&](documentdialogs::Dialogs& d) {
      d.pictureChoice = [](QWidget*, const PictureChoice&) {
        return std::optional(documentdialogs::PictureRequest{{PictureKind::Photo, 1}, true});
      };
    });
    QApplication::clipboard()->clear();
    w.find<QAction>("actionExport")->trigger();
  }
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            w.pictures().picture({PictureKind::Photo, 1}));
  EXPECT_EQ(w.pictures().lastChoice(), (PictureChoice{PictureKind::Photo, 1}));

  const QImage sheet = w.pictures().picture({PictureKind::FocalStackSheet, 1});
  auto failsLeavingNothing = [&](const QString& target, const char* reason) {
    SCOPED_TRACE(reason);
    const QStringList before = dir.entries();
    EXPECT_FALSE(w.pictures().exportTo({PictureKind::FocalStackSheet, 4}, target));
    EXPECT_TRUE(w.status().startsWith(
        QStringLiteral("Could not export “%1”").arg(QFileInfo(target).fileName())))
        << w.status().toStdString();
    EXPECT_TRUE(w.status().contains(QLatin1String(reason))) << w.status().toStdString();
    EXPECT_EQ(dir.entries(), before);
  };
  ASSERT_TRUE(QDir(dir.dir.path()).mkdir("folder.png"));
  failsLeavingNothing(dir.path("folder.png"), "folder");
  {
    files::DiskFullAfter full(2000);
    failsLeavingNothing(dir.path("sheet.png"), "Nothing was written");
  }
  ASSERT_TRUE(QFile::setPermissions(dir.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                        QFileDevice::ReadOther |
                                                        QFileDevice::ExeOther));
  {
    files::Unprivileged nobody;
    failsLeavingNothing(dir.path("sheet.png"), "ermission");
  }
}

TEST(Pictures, FocalStackComesFromTheCleanImageAndTouchesNothingShown) {
  DocumentWindow w;
  const DrawView& canvas = w.canvas();
  const std::size_t bytes = 3 * 300 * 300;
  const std::vector<unsigned char> shown(canvas.displayedRays(), canvas.displayedRays() + bytes);
  const std::vector<unsigned char> photo(canvas.photoRow(), canvas.photoRow() + 900);
  const int renders = canvas.renderCount();

  const std::vector<FocalSlice> slices = focalStack(canvas.cleanRays(), 300, 10);
  ASSERT_EQ(slices.size(), 9u);
  const float degrees[] = {0.0f, 11.3f, 22.5f, 33.8f, 45.0f, 56.3f, 67.5f, 78.8f, 90.0f};
  for (std::size_t i = 0; i < slices.size(); ++i) {
    EXPECT_EQ(slices[i].degrees, degrees[i]);
    std::vector<unsigned char> want(900), marks(bytes);
    const auto angle = static_cast<float>(double(degrees[i]) * kDegreesToRadians);
    lightfield::takePhoto(canvas.cleanRays(), 300, 300, want.data(), marks.data(), 10,
                          std::cos(angle), std::sin(angle));
    EXPECT_EQ(slices[i].photo, want) << degrees[i];
  }
  // The window's own photo is taken at 45 degrees with depth of field 10.
  EXPECT_EQ(slices[4].photo, photo);
  EXPECT_DOUBLE_EQ(slices[0].sharpFraction, 0.0);
  EXPECT_NEAR(slices[4].sharpFraction, 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(slices[8].sharpFraction, 1.0);
  // Each label counts the depth up from the lower line.
  EXPECT_EQ(focalSliceLabel(slices[0], 10, 290),
            QStringLiteral("0.0°  sharp at 0% of the way up (y = 10)"));
  EXPECT_EQ(focalSliceLabel(slices[4], 10, 290),
            QStringLiteral("45.0°  sharp at 50% of the way up (y = 150)"));
  EXPECT_EQ(focalSliceLabel(slices[8], 10, 290),
            QStringLiteral("90.0°  sharp at 100% of the way up (y = 290)"));

  const QImage sheet = w.pictures().picture({PictureKind::FocalStackSheet, 1});
  EXPECT_GE(sheet.width(), 600);
  EXPECT_GE(sheet.height(), 300);
  EXPECT_EQ(0, std::memcmp(canvas.displayedRays(), shown.data(), bytes));
  EXPECT_EQ(0, std::memcmp(canvas.photoRow(), photo.data(), 900));
  EXPECT_EQ(canvas.renderCount(), renders);
}

TEST(Help, QuickGuideAndAboutOpenBesideTheWindow) {
  DocumentWindow w;
  w.find<QAction>("actionQuickGuide")->trigger();
  auto* guide = w.find<QDialog>("quickGuide");
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  EXPECT_FALSE(guide->isModal());
  const QString text = w.find<QTextBrowser>("quickGuideText")->toPlainText();
  for (const char* topic :
       {"three views", "ray-space pixel", "Focus angle", "Depth of field", "What is sharp"}) {
    EXPECT_TRUE(text.contains(QLatin1String(topic), Qt::CaseInsensitive)) << topic;
  }
  w.find<QAction>("actionQuickGuide")->trigger();
  EXPECT_EQ(w.window.findChildren<QDialog*>(QStringLiteral("quickGuide")).size(), 1);

  w.find<QAction>("actionAbout")->trigger();
  auto* about = w.find<QMessageBox>("aboutBox");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->text().contains(QStringLiteral("Ombrel " OMBREL_VERSION)));
  EXPECT_TRUE(about->text().contains(QLatin1String(qVersion())));
  EXPECT_TRUE(
      about->text().contains(QLatin1String("Licensed under the Apache License, Version 2.0")));
  EXPECT_TRUE(
      about->text().contains(QLatin1String("light-field photography"), Qt::CaseInsensitive));
}

}  // namespace
