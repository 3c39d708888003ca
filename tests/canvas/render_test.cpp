// The render pipeline (capture, ray-space image, photo, hand-over to the
// views) and how the result views paint what they are handed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "lightfield/lightfield.h"
#include "support/window_fixture.h"
#include "toolkit/bitmap.h"

using fixture::CanvasRig;
using fixture::rgb;

namespace {

constexpr int kN = 300;
constexpr std::size_t kRayBytes = 3 * kN * kN;

std::vector<unsigned char> copyOf(const unsigned char* p, std::size_t n) {
  return std::vector<unsigned char>(p, p + n);
}

// Pixels where the displayed image differs from the clean one; each of them
// must be a black mark.
std::vector<int> marks(const DrawView& canvas) {
  std::vector<int> at;
  const unsigned char* shown = canvas.displayedRays();
  const unsigned char* clean = canvas.cleanRays();
  for (int i = 0; i < kN * kN; ++i) {
    if (std::memcmp(shown + 3 * i, clean + 3 * i, 3) != 0) {
      EXPECT_EQ(rgb(shown + 3 * i), 0u) << "not a mark at pixel " << i;
      at.push_back(i);
    }
  }
  return at;
}

// The camera marker's corners, to compare outlines.
std::vector<std::pair<double, double>> markerCorners(const DrawView& canvas) {
  std::vector<std::pair<double, double>> corners;
  for (const auto& e : canvas.camera().bezierPath().elements())
    corners.emplace_back(e.point.x, e.point.y);
  return corners;
}

QImage bitmapOf(toolkit::View& view) {
  return view.bitmapOfRect(view.bounds());
}

}  // namespace

TEST(RenderPipeline, CaptureHoldsOnlyTheShapesAndWhite) {
  // Every overlay is on when the render starts: knobs, both plane lines, the
  // marker and, in turn, each kind of ray overlay.
  for (const bool bundle : {false, true}) {
    CanvasRig rig;
    rig.click(CGPointMake(150, 155));
    ASSERT_EQ(rig.canvas.selectedShapeIndex(), 1);
    bundle ? rig.canvas.setSensorRay(120.5) : rig.canvas.setRay(CGPointMake(40, 250));
    rig.canvas.doRender(nullptr);

    const CGRect r = rig.canvas.captureRect();
    EXPECT_EQ(r.origin.x, 0.0);
    EXPECT_EQ(r.origin.y, 10.0);
    EXPECT_EQ(r.size.width, 300.0);
    EXPECT_EQ(r.size.height, 280.0);
    ASSERT_EQ(rig.canvas.stripWidth(), kN);
    ASSERT_EQ(rig.canvas.stripHeight(), 280);
    EXPECT_TRUE(rig.canvas.strip() == fixture::shapesAlone(rig.canvas, r)) << bundle;
    EXPECT_TRUE(rig.canvas.showsAxes());
  }
}

TEST(RenderPipeline, DefaultSceneCapturesThreeBarsAtTheirRows) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  const std::vector<unsigned char>& strip = rig.canvas.strip();
  ASSERT_EQ(strip.size(), 3u * kN * 280);

  // Strip row r is the canvas pixel row y = 289 - r, so each 40 x 10 bar
  // filled at x0..x0+38, y0..y0+8 covers rows 281 - y0 .. 289 - y0.
  int painted = 0;
  for (const auto& shape : rig.canvas.shapes()) {
    const int x0 = static_cast<int>(shape->rect().origin.x);
    const int y0 = static_cast<int>(shape->rect().origin.y);
    const QRgb colour = shape->color().rgba().rgb() & 0xffffff;
    for (int row = 0; row < 280; ++row) {
      for (int x = 0; x < kN; ++x) {
        const int y = 289 - row;
        const bool inBar = x >= x0 && x <= x0 + 38 && y >= y0 && y <= y0 + 8;
        if (inBar) {
          ++painted;
          EXPECT_EQ(rgb(&strip[3 * (row * kN + x)]), colour) << x << "," << y;
        }
      }
    }
  }
  EXPECT_EQ(painted, 3 * 39 * 9);
  int coloured = 0;
  for (std::size_t i = 0; i < strip.size(); i += 3) coloured += rgb(&strip[i]) != 0xffffff;
  EXPECT_EQ(coloured, painted);
}

TEST(RenderPipeline, RaySpaceImageIsProcessImageOfTheStrip) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  std::vector<unsigned char> expected(kRayBytes);
  lightfield::processImage(rig.canvas.strip().data(), 280, kN, expected.data());
  EXPECT_EQ(copyOf(rig.canvas.cleanRays(), kRayBytes), expected);
  EXPECT_FALSE(marks(rig.canvas).empty());
}

TEST(RenderPipeline, PinholePhotoIsTheMiddleRowMarkedEveryTenthColumn) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  for (const double degrees : {0.0, 33.3, 45.0, 90.0}) {
    rig.setOptics(degrees, 0);
    EXPECT_EQ(copyOf(rig.canvas.photoRow(), 3 * kN),
              copyOf(rig.canvas.cleanRays() + 3 * kN * (kN / 2), 3 * kN))
        << degrees;
    std::vector<int> expected;
    for (int col = 0; col < kN; col += 10) expected.push_back((kN / 2) * kN + col);
    EXPECT_EQ(marks(rig.canvas), expected) << degrees;
    // No width at all: the marker keeps its smallest reach of 1.
    EXPECT_EQ(rig.canvas.camera().bezierPath().elements()[0].point.x, 149.0);
  }
}

TEST(RenderPipeline, NegativeDepthOfFieldGivesAWhitePhotoWithoutMarks) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  rig.setOptics(45.0, -3);
  EXPECT_EQ(copyOf(rig.canvas.photoRow(), 3 * kN), std::vector<unsigned char>(3 * kN, 255));
  EXPECT_TRUE(marks(rig.canvas).empty());
}

TEST(RenderPipeline, OpticsChangeMovesOnlyTheMarks) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  const auto clean = copyOf(rig.canvas.cleanRays(), kRayBytes);
  const auto strip = rig.canvas.strip();
  const unsigned char* cleanBlock = rig.canvas.cleanRays();
  const std::vector<int> before = marks(rig.canvas);

  rig.setOptics(30.0, 20);
  EXPECT_EQ(rig.canvas.renderCount(), 1);
  EXPECT_EQ(rig.canvas.cleanRays(), cleanBlock);
  EXPECT_EQ(copyOf(rig.canvas.cleanRays(), kRayBytes), clean);
  EXPECT_EQ(rig.canvas.strip(), strip);
  const std::vector<int> after = marks(rig.canvas);
  EXPECT_FALSE(after.empty());
  EXPECT_NE(after, before);  // the old marks are gone, the new ones are in
}

// Every other test runs at 45 degrees, where sine and cosine agree: here the
// engine must get (cos, sin) of the angle rounded to single precision from double.
TEST(RenderPipeline, PhotoAwayFromFortyFiveDegreesIsExact) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  const auto clean = copyOf(rig.canvas.cleanRays(), kRayBytes);
  rig.setOptics(30.7, 10);
  const auto angle =
      static_cast<float>(static_cast<double>(rig.focus.floatValue()) * 0.017453292500000002);
  std::vector<unsigned char> photo(3 * kN), marked = clean;
  lightfield::takePhoto(clean.data(), kN, kN, photo.data(), marked.data(), 10, std::cos(angle),
                        std::sin(angle));
  EXPECT_TRUE(copyOf(rig.canvas.photoRow(), 3 * kN) == photo) << "the photo differs";
  EXPECT_TRUE(copyOf(rig.canvas.displayedRays(), kRayBytes) == marked) << "the marks differ";
}

TEST(RenderPipeline, CameraMarkerReachIsDepthTimesSineOfFocus) {
  const struct {
    double degrees;
    int dof;
  } cases[] = {{45.0, 10}, {30.0, 20}, {90.0, 50}, {12.3, 7}, {0.0, 10}, {45.0, 1}};
  for (const auto& c : cases) {
    CanvasRig rig;
    rig.setOptics(c.degrees, c.dof);
    const float want = static_cast<float>(
        c.dof * std::sin(static_cast<double>(rig.focus.floatValue()) * 0.017453292500000002));
    const double reach = want >= 1.0f ? want : 1.0;
    const auto& e = rig.canvas.camera().bezierPath().elements();
    EXPECT_DOUBLE_EQ(e[0].point.x, 150.0 - reach) << c.degrees << " " << c.dof;
    EXPECT_DOUBLE_EQ(e[1].point.x, 150.0 + reach) << c.degrees << " " << c.dof;
  }
}

TEST(RenderPipeline, RenderReplacesBothBuffersEvenAtTheSameSize) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  const unsigned char* shown = rig.canvas.displayedRays();
  const unsigned char* clean = rig.canvas.cleanRays();
  const auto contents = copyOf(clean, kRayBytes);
  rig.canvas.doRender(nullptr);
  EXPECT_NE(rig.canvas.displayedRays(), shown);
  EXPECT_NE(rig.canvas.cleanRays(), clean);
  EXPECT_NE(rig.canvas.displayedRays(), rig.canvas.cleanRays());
  EXPECT_EQ(copyOf(rig.canvas.cleanRays(), kRayBytes), contents);
  EXPECT_EQ(rig.renderView.image().constBits(), rig.canvas.displayedRays());
}

TEST(RenderPipeline, ViewsShowTheCanvasMemoryWithoutACopy) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  for (int step = 0; step < 2; ++step) {
    const QImage& rays = rig.renderView.image();
    const QImage& photo = rig.photoView.image();
    EXPECT_EQ(rays.constBits(), rig.canvas.displayedRays());
    EXPECT_EQ(rays.size(), QSize(kN, kN));
    EXPECT_EQ(rays.bytesPerLine(), 3 * kN);
    EXPECT_EQ(photo.constBits(), rig.canvas.photoRow());
    EXPECT_EQ(photo.size(), QSize(kN, 1));
    rig.canvas.takePhoto(nullptr);  // a new photo row, handed over in turn
  }
  // The views paint from that memory: the photo view's first column is photo pixel 0.
  const QImage photo = bitmapOf(rig.photoView);
  EXPECT_EQ(photo.pixel(0, 20) & 0xffffff, rgb(rig.canvas.photoRow()));
}

TEST(RenderPipeline, PhotoPassBeforeTheFirstRenderIsHarmless) {
  CanvasRig rig;  // awakeFromNib has already run one photo pass
  rig.canvas.takePhoto(nullptr);
  rig.setOptics(20.0, 5);
  EXPECT_EQ(rig.canvas.stripWidth(), 0);
  EXPECT_EQ(rig.canvas.stripHeight(), 0);
  EXPECT_EQ(rig.canvas.displayedRays(), nullptr);
  EXPECT_EQ(rig.canvas.cleanRays(), nullptr);
  EXPECT_TRUE(rig.renderView.image().isNull());
  EXPECT_TRUE(rig.photoView.image().isNull());
  const QImage photo = bitmapOf(rig.photoView);
  EXPECT_EQ(photo.pixel(150, 20) & 0xffffff, 0xffffffu);
}

TEST(ResultViews, PaintTheImageStretchedNearestNeighbourRowZeroOnTop) {
  // A 3 x 2 image: row 0 red green blue, row 1 black grey white.
  const unsigned char pixels[] = {255, 0, 0, 0,   255, 0,   0,   0,   255,
                                  0,   0, 0, 128, 128, 128, 255, 255, 255};
  const QRgb colours[2][3] = {{0xff0000, 0x00ff00, 0x0000ff}, {0x000000, 0x808080, 0xffffff}};
  RenderView rays;
  rays.initWithFrame(CGRectMake(0, 0, 300, 300));
  rays.toggleAxes(nullptr);  // no toggle connected: axes off
  PhotoView photo;
  photo.initWithFrame(CGRectMake(0, 0, 300, 40));

  for (ImageView* view : {static_cast<ImageView*>(&rays), static_cast<ImageView*>(&photo)}) {
    view->setImage(toolkit::imageOverPackedRGB(pixels, 3, 2));
    const QImage shot = bitmapOf(*view);
    const int rowHeight = shot.height() / 2;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) {
        ASSERT_EQ(shot.pixel(x, y) & 0xffffff, colours[y / rowHeight][x / 100])
            << x << "," << y << " of " << shot.width() << "x" << shot.height();
      }
    }
    view->setImage(QImage());
    const QImage blank = bitmapOf(*view);
    EXPECT_EQ(blank.pixel(10, 10) & 0xffffff, 0xffffffu);
    EXPECT_EQ(blank.pixel(290, shot.height() - 5) & 0xffffff, 0xffffffu);
  }
}

TEST(ResultViews, RaySpaceAxesCrossAtTheCentreRedAcrossBlackUp) {
  RenderView rays;
  rays.initWithFrame(CGRectMake(0, 0, 300, 300));
  const QImage shot = bitmapOf(rays);
  // Stroked 2 wide along y = 150 and x = 150: pixel rows and columns 149 and 150.
  for (const int y : {149, 150}) {
    EXPECT_EQ(fixture::pixelAt(shot, 40, y), 0xff0000u) << y;
    EXPECT_EQ(fixture::pixelAt(shot, 260, y), 0xff0000u) << y;
  }
  for (const int x : {149, 150}) {
    EXPECT_EQ(fixture::pixelAt(shot, x, 40), 0x000000u) << x;
    EXPECT_EQ(fixture::pixelAt(shot, x, 260), 0x000000u) << x;
  }
  EXPECT_EQ(fixture::pixelAt(shot, 150, 150), 0x000000u);  // the vertical axis is drawn last
  EXPECT_EQ(fixture::pixelAt(shot, 40, 40), 0xffffffu);
  EXPECT_EQ(fixture::pixelAt(shot, 40, 152), 0xffffffu);
}

// The camera panel's choices: the defaults leave the specified photo, marks and
// marker byte for byte in every slider state, and any other choice takes the
// engine's camera photo, whichever way the canvas got there.
TEST(RenderPipeline, CameraChoicesTakeTheCameraPhotoAndTheDefaultsTheSpecifiedOne) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  const auto clean = copyOf(rig.canvas.cleanRays(), kRayBytes);
  lightfield::CameraScratch scratch;
  std::vector<unsigned char> photo(3 * kN), marked;
  lightfield::CameraChoice other;
  other.viewpoint = 120;
  other.aperture = lightfield::Aperture::Tent;
  for (const double degrees : {0.0, 12.3, 45.0, 71.9, 90.0}) {
    for (const int dof : {-2, 0, 1, 10, 50}) {
      rig.setOptics(degrees, dof);
      const auto specifiedMarker = markerCorners(rig.canvas);
      const auto steps = lightfield::optics::focusSteps(rig.focus.floatValue());
      marked = clean;
      lightfield::takePhoto(clean.data(), kN, kN, photo.data(), marked.data(), dof, steps.colStep,
                            steps.rowStep);
      auto expectSpecified = [&](const char* when) {
        EXPECT_TRUE(copyOf(rig.canvas.photoRow(), 3 * kN) == photo) << when << degrees << dof;
        EXPECT_TRUE(copyOf(rig.canvas.displayedRays(), kRayBytes) == marked) << when;
        EXPECT_EQ(markerCorners(rig.canvas), specifiedMarker) << when;
      };
      expectSpecified("defaults ");

      rig.canvas.setCameraChoice(other);
      marked = clean;
      std::vector<unsigned char> camera(3 * kN);
      lightfield::cameraPhoto(clean.data(), kN, kN, rig.canvas.cameraSettings().cameraFor(kN),
                              camera.data(), marked.data(), scratch);
      EXPECT_TRUE(copyOf(rig.canvas.photoRow(), 3 * kN) == camera) << degrees << " " << dof;
      EXPECT_TRUE(copyOf(rig.canvas.displayedRays(), kRayBytes) == marked);
      // The marker moves with the viewpoint: 29 left of the centre's 149.
      EXPECT_EQ(rig.canvas.camera().location().x, 150.0 - 29);

      rig.canvas.setCameraChoice({});
      marked = clean;
      lightfield::takePhoto(clean.data(), kN, kN, photo.data(), marked.data(), dof, steps.colStep,
                            steps.rowStep);
      expectSpecified("back to the defaults ");
    }
  }
}

// A pinhole photo is one row of ray space: the row of the viewpoint's
// lower-line position, counted from the bottom.
TEST(RenderPipeline, PinholePhotoFromAnyViewpointIsThatRowOfRaySpace) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  for (const auto aperture : {lightfield::Aperture::Box, lightfield::Aperture::Gaussian}) {
    for (const int p : {0, 57, 149, 150, 299}) {
      rig.setOptics(33.3, 0);
      lightfield::CameraChoice choice;
      choice.viewpoint = p;
      choice.aperture = aperture;
      rig.canvas.setCameraChoice(choice);
      EXPECT_EQ(copyOf(rig.canvas.photoRow(), 3 * kN),
                copyOf(rig.canvas.cleanRays() + 3 * kN * (kN - 1 - p), 3 * kN))
          << p;
    }
  }
}

// Keep aperture width: the slider sets the width on the lower line, each
// refocus derives d from it, and near 0 degrees d stops at the image's width.
TEST(RenderPipeline, KeptApertureWidthSetsTheHalfLengthFromTheFocus) {
  CanvasRig rig;
  rig.canvas.doRender(nullptr);
  lightfield::CameraChoice choice;
  choice.keepWidth = true;
  rig.canvas.setCameraChoice(choice);
  const auto clean = copyOf(rig.canvas.cleanRays(), kRayBytes);
  std::vector<unsigned char> photo(3 * kN), marked;
  const struct {
    double degrees;
    int width, halfLength;
    bool capped;
  } cases[] = {{30.0, 20, 20, false}, {90.0, 20, 10, false}, {5.0, 20, 115, false},
               {0.1, 20, 300, true},  {0.0, 20, 300, true},  {45.0, 0, 0, false}};
  for (const auto& c : cases) {
    rig.setOptics(c.degrees, c.width);
    const lightfield::CameraSettings camera = rig.canvas.cameraSettings();
    EXPECT_EQ(camera.halfLength, c.halfLength) << c.degrees;
    EXPECT_EQ(camera.capped, c.capped) << c.degrees;
    const auto steps = lightfield::optics::focusSteps(rig.focus.floatValue());
    marked = clean;
    lightfield::takePhoto(clean.data(), kN, kN, photo.data(), marked.data(), c.halfLength,
                          steps.colStep, steps.rowStep);
    EXPECT_TRUE(copyOf(rig.canvas.photoRow(), 3 * kN) == photo) << c.degrees;
    // The marker spans the width unless capped (and at least its smallest reach of 1).
    if (!c.capped && c.width >= 2) {
      const double reach = 150.0 - rig.canvas.camera().bezierPath().elements()[0].point.x;
      EXPECT_NEAR(2 * reach, c.width, 2 * std::sin(c.degrees * 0.0174533) + 1e-9) << c.degrees;
    }
  }

  // Chosen before the first render, as a lesson opened at start does: the render places the
  // marker where the photo's aperture is, and the settings take the strip's width.
  CanvasRig early;
  lightfield::CameraChoice moved;
  moved.viewpoint = 120;
  moved.keepWidth = true;
  early.canvas.setCameraChoice(moved);
  early.setOptics(30.0, 20);
  early.canvas.doRender(nullptr);
  EXPECT_EQ(early.canvas.cameraSettings().halfLength, 20);
  const auto& outline = early.canvas.camera().bezierPath().elements();
  EXPECT_DOUBLE_EQ(early.canvas.camera().location().x,
                   150.0 + 120 - lightfield::centreViewpoint(kN));
  EXPECT_NEAR(outline[1].point.x - outline[0].point.x, 20.0, 1e-4);
}
