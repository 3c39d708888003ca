// Pictures out: every picture at every scale is the view's pixels in crisp
// blocks, exports are written whole or not at all, the focal stack sheet
// leaves the window's state alone, and Help opens its two windows.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTimer>
#include <cmath>
#include <cstring>

#include "app/focalstack.h"
#include "app/language.h"
#include "app/teachingaids.h"
#include "canvas/aidoverlay.h"
#include "files_fixture.h"
#include "lightfield/lightfield.h"
#include "session/session.h"

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

// The scale x scale blocks that hold more than one colour: text drawn at the
// picture's scale has many, an upscaled image none.
int mixedBlocks(const QImage& image, int scale) {
  int mixed = 0;
  for (int y = 0; y + scale <= image.height(); y += scale) {
    for (int x = 0; x + scale <= image.width(); x += scale) {
      bool same = true;
      for (int k = 0; k < scale * scale && same; ++k)
        same = image.pixel(x + k % scale, y + k / scale) == image.pixel(x, y);
      mixed += !same;
    }
  }
  return mixed;
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
      if (kind == PictureKind::FocalStackSheet) {
        // Drawn at its scale: the scene and the photos in blocks, the text
        // sharp, so no scale x scale block of the title is all one colour
        // where the letters are.
        const QImage big = pictures.picture({kind, scale});
        ASSERT_EQ(big.size(), one.size() * scale);
        for (const QRect r : {QRect(14, 44, 300, 300), QRect(332, 60, 300, 24)}) {
          EXPECT_TRUE(
              crispCopy(big.copy(QRect(r.topLeft() * scale, r.size() * scale)), one.copy(r), scale))
              << "sheet at " << scale << "x, " << r.x() << "," << r.y();
        }
        EXPECT_GT(mixedBlocks(big.copy(0, 0, big.width(), 40 * scale), scale), 50);
        continue;
      }
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

// Handouts: an annotated export puts the picture unchanged inside a margin
// with a title and the axes' names drawn at its scale, and on the scene the
// focus line and band exactly where the canvas draws them; the scene and the
// sheet are also SVG drawings that render as the pictures do.
TEST(Pictures, AnnotatedExportsAndDrawingsShowWhatTheWindowShows) {
  DocumentWindow w;
  PictureExport& pictures = w.pictures();
  w.find<QAction>("actionShowFocusDepth")->trigger();
  ASSERT_TRUE(w.canvas().aidOverlay().showFocusDepth);
  const AidOverlay& aids = w.canvas().aidOverlay();
  QApplication::processEvents();
  // The plain scene leaves the aid out; the annotated one draws it as the canvas does.
  const QImage plain = pictures.picture({PictureKind::Scene, 1});
  const QImage withFocus = scenePicture(w.canvas(), &aids);
  EXPECT_NE(withFocus, plain);
  EXPECT_EQ(withFocus, w.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32));
  for (PictureKind kind : {PictureKind::Scene, PictureKind::RaySpace, PictureKind::Photo}) {
    for (int scale : {1, 4}) {
      SCOPED_TRACE(pictureFileStem(kind).toStdString() + " at " + std::to_string(scale) + "x");
      const Annotation words = pictures.annotation(kind);
      ASSERT_FALSE(words.title.isEmpty());
      const QImage inner =
          kind == PictureKind::Scene ? crisp(withFocus, scale) : pictures.picture({kind, scale});
      const QImage annotated = pictures.picture({kind, scale, true});
      const QPoint origin = annotatedOrigin(words, scale);
      EXPECT_EQ(annotated.copy(QRect(origin, inner.size())), inner);
      EXPECT_GT(annotated.width(), inner.width());
      EXPECT_GT(annotated.height(), inner.height());
      if (scale == 4) {
        EXPECT_GT(mixedBlocks(annotated.copy(0, 0, annotated.width(), origin.y()), 4), 50);
      }
    }
  }
  EXPECT_TRUE(pictures.annotation(PictureKind::Scene).title.contains(QStringLiteral("45.0°")));
  EXPECT_TRUE(pictures.annotation(PictureKind::Photo).vertical.isEmpty());
  EXPECT_TRUE(pictures.annotation(PictureKind::Window).title.isEmpty());

  files::OpenDir dir;
  ASSERT_TRUE(pictures.exportTo({PictureKind::Scene, 1}, dir.path("scene.svg")));
  QSvgRenderer scene(dir.path("scene.svg"));
  ASSERT_TRUE(scene.isValid());
  EXPECT_EQ(scene.viewBox(), QRect(0, 0, 300, 300));
  QImage drawn(300, 300, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter painter(&drawn);
    scene.render(&painter);
  }
  int differs = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) {
      const QColor a = drawn.pixelColor(x, y), b = plain.pixelColor(x, y);
      differs += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                     std::abs(a.blue() - b.blue()) >
                 90;
    }
  }
  EXPECT_LT(differs, 300 * 300 / 50) << "the drawing renders as the scene (edges aside)";

  // Annotated, the drawing carries its words as text.
  ASSERT_TRUE(pictures.exportTo({PictureKind::Scene, 1, true}, dir.path("annotated.svg")));
  QFile annotatedSvg(dir.path("annotated.svg"));
  ASSERT_TRUE(annotatedSvg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(
      annotatedSvg.readAll().contains(pictures.annotation(PictureKind::Scene).title.toUtf8()));

  ASSERT_TRUE(pictures.exportTo({PictureKind::FocalStackSheet, 1}, dir.path("sheet.SVG")));
  QFile sheet(dir.path("sheet.SVG"));
  ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
  const QByteArray svg = sheet.readAll();
  EXPECT_TRUE(svg.contains("Focal stack: the photo at nine focus angles")) << "text stays text";
  EXPECT_TRUE(svg.contains("sharp at 50% of the way up"));
  EXPECT_TRUE(QSvgRenderer(svg).isValid());

  const QStringList before = dir.entries();
  EXPECT_FALSE(pictures.exportTo({PictureKind::Photo, 1}, dir.path("photo.svg")));
  EXPECT_TRUE(w.status().contains(QStringLiteral("choose a PNG file for the photo")))
      << w.status().toStdString();
  EXPECT_EQ(dir.entries(), before);

  // The real Export dialog: the option is off at first, and its choice is kept.
  files::Answers answers([](documentdialogs::Dialogs& d) { d.pictureChoice = nullptr; });
  bool sawDialog = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != QLatin1String("exportDialog")) return;
    auto* check = dialog->findChild<QCheckBox*>(QStringLiteral("annotatedCheck"));
    sawDialog = check != nullptr && !check->isChecked();
    if (check != nullptr) check->setChecked(true);
    for (auto* button : dialog->findChildren<QPushButton*>()) {
      if (button->text() == QLatin1String("Copy")) button->click();
    }
  });
  poll.start(10);
  w.find<QAction>("actionExport")->trigger();
  poll.stop();
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(pictures.lastChoice().annotated);
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
      d.savePicture = [&](QWidget*, const QString& suggested, bool drawing) {
        EXPECT_EQ(suggested, QStringLiteral("ray-space.png"));
        EXPECT_FALSE(drawing) << "the ray space is offered as a drawing";
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

  // Edit ▸ Copy Picture puts the last choice on the clipboard.
  QApplication::clipboard()->clear();
  w.find<QAction>("actionCopyPicture")->trigger();
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
  // Each label says what the photo keeps sharp, as the focus readout does,
  // and counts the depth in focus up from the lower line: at 0 degrees with
  // an aperture nothing is sharp, though the lower line is in focus.
  EXPECT_EQ(focalSliceLabel(slices[0], 10, 290),
            QStringLiteral("0.0°: nothing is sharp (blur ≥ 20 px) · focused at y = 10"));
  EXPECT_EQ(focalSliceLabel(slices[4], 10, 290),
            QStringLiteral("45.0°, sharp at 50% of the way up · focused at y = 150"));
  for (const FocalSlice& slice : slices) {
    EXPECT_TRUE(focalSliceLabel(slice, 10, 290)
                    .startsWith(TeachingAids::focusReadout({slice.degrees, 10}, 300)));
  }

  const QImage sheet = w.pictures().picture({PictureKind::FocalStackSheet, 1});
  EXPECT_GE(sheet.width(), 600);
  EXPECT_GE(sheet.height(), 300);
  // No label runs into the margin: the longest one widens the sheet instead.
  int inMargin = 0;
  for (int y = 0; y < sheet.height(); ++y) {
    for (int x = sheet.width() - 10; x < sheet.width(); ++x) {
      inMargin += (sheet.pixel(x, y) & 0xffffff) != 0xffffffu;
    }
  }
  EXPECT_EQ(inMargin, 0);
  // The second page: the engine's all-in-focus photo and both depth rows, pixel for pixel.
  const DepthPage page = depthPage(w.window.session()->lightField(), 10);
  ASSERT_EQ(page.allInFocus.size(), 900u);
  FocalStackSheet layout{QSize(300, 300), {}, &slices, 10, 10, 290, &page};
  ASSERT_EQ(sheet.size(), layout.size());
  const std::vector<QRgb>* depthRows[] = {nullptr, &page.fromFocus, &page.fromSlopes};
  int withDepth = 0;
  for (int k = 0; k < 3; ++k) {
    const QRect r = layout.depthRow(k);
    ASSERT_EQ(r.width(), 300);
    for (int i = 0; i < 300; ++i) {
      const QRgb want =
          k == 0 ? fixture::rgb(&page.allInFocus[3 * i]) : (*depthRows[k])[i] & 0xffffff;
      withDepth += k > 0 && want != 0xffffffu;
      ASSERT_EQ(sheet.pixel(r.left() + i, r.center().y()) & 0xffffff, want) << k << "," << i;
    }
  }
  EXPECT_GT(withDepth, 20);
  EXPECT_EQ(0, std::memcmp(canvas.displayedRays(), shown.data(), bytes));
  EXPECT_EQ(0, std::memcmp(canvas.photoRow(), photo.data(), 900));
  EXPECT_EQ(canvas.renderCount(), renders);
}

// Every command in the menus is explained, and every built-in scene has its
// teacher's note: a feature added without a word in the guide fails here.
void expectGuideExplainsEveryCommand(const QMainWindow& window, const QString& guide) {
  static const QRegularExpression mnemonic(QStringLiteral("\\(&\\w\\)"));
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* action : menu->menu()->actions()) {
      QString name =
          action->text().remove(mnemonic).remove(QLatin1Char('&')).remove(QStringLiteral("…"));
      if (action->isSeparator() || name.isEmpty()) continue;
      // The undo history's actions carry the step's name.
      if (action->objectName() == QLatin1String("actionUndo"))
        name = QCoreApplication::translate("QUndoStack", "Undo");
      if (action->objectName() == QLatin1String("actionRedo"))
        name = QCoreApplication::translate("QUndoStack", "Redo");
      EXPECT_TRUE(guide.contains(name.trimmed(), Qt::CaseInsensitive))
          << menu->text().toStdString() << " ▸ " << name.toStdString();
    }
  }
}

TEST(Help, QuickGuideAndAboutOpenBesideTheWindow) {
  DocumentWindow w;
  w.find<QAction>("actionQuickGuide")->trigger();
  auto* guide = w.find<QDialog>("quickGuide");
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  EXPECT_FALSE(guide->isModal());
  const QString text =
      w.find<QTextBrowser>("quickGuideText")->toPlainText().replace(QChar(0xa0), QLatin1Char(' '));
  for (const char* topic : {"three views", "ray-space pixel", "Focus angle", "Depth of field",
                            "What is sharp", "2 · d · sin θ", "nothing is sharp",
                            "first lesson in ten steps", "Teacher notes", "Click on the photo"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(topic), Qt::CaseInsensitive)) << topic;
  }
  expectGuideExplainsEveryCommand(w.window, text);
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

namespace {

// Each language has its own guide, and it names the commands as that language's menus do.
TEST(Help, EachLanguagesGuideExplainsItsOwnMenus) {
  auto& application = *static_cast<QApplication*>(QCoreApplication::instance());
  for (const QString& language : shippedLanguages()) {
    SCOPED_TRACE(language.toStdString());
    installLanguage(application, languageLocale(language));
    {
      DocumentWindow w;
      w.find<QAction>("actionQuickGuide")->trigger();
      const QString text = w.find<QTextBrowser>("quickGuideText")
                               ->toPlainText()
                               .replace(QChar(0xa0), QLatin1Char(' '));
      EXPECT_FALSE(text.contains(QLatin1String("first lesson in ten steps")));
      expectGuideExplainsEveryCommand(w.window, text);
    }
  }
  installLanguage(application, QLocale::c());
}

}  // namespace
