// View ▸ Camera: the dock's controls drive the photo through the canvas and the
// session, its defaults leave the specified photo alone, and it says and shows
// what a pinhole photo is.
#include "app/camerapanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <vector>

#include "app/pointspreadplot.h"
#include "app/teachingaids.h"
#include "document/builtinscenes.h"
#include "lightfield/lightfield.h"
#include "scene/shape.h"
#include "session/session.h"
#include "support/window_fixture.h"
#include "toolkit/color.h"
#include "toolkit/event.h"

using fixture::ShownWindow;

namespace {

class CameraPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel = window.findChild<CameraPanel*>();
    ASSERT_NE(panel, nullptr);
    focus = shown.find<toolkit::Slider>("focusSlider");
    dof = shown.find<toolkit::Slider>("dofSlider");
    n = canvas().stripWidth();
    ASSERT_GT(n, 0);
  }
  DrawView& canvas() { return shown.canvas(); }
  std::vector<unsigned char> photo() { return {canvas().photoRow(), canvas().photoRow() + 3 * n}; }
  std::vector<unsigned char> shownRays() {
    return {canvas().displayedRays(), canvas().displayedRays() + 3 * n * n};
  }
  // The specified photo and marks for the sliders' state, from the clean rays.
  std::pair<std::vector<unsigned char>, std::vector<unsigned char>> specified() {
    std::vector<unsigned char> out(3 * n);
    std::vector<unsigned char> marked(canvas().cleanRays(), canvas().cleanRays() + 3 * n * n);
    const auto steps = lightfield::optics::focusSteps(focus->floatValue());
    lightfield::takePhoto(canvas().cleanRays(), n, n, out.data(), marked.data(), dof->intValue(),
                          steps.colStep, steps.rowStep);
    return {out, marked};
  }
  void open() {
    panel->toggleAction()->trigger();
    ASSERT_TRUE(fixture::waitFor([this] { return panel->dock()->isVisible(); }));
  }

  ShownWindow shown;
  MainWindow& window = shown.window;
  CameraPanel* panel = nullptr;
  toolkit::Slider* focus = nullptr;
  toolkit::Slider* dof = nullptr;
  int n = 0;
};

}  // namespace

TEST_F(CameraPanelTest, HiddenAtStartInTheViewMenuAndItsDefaultsKeepTheSpecifiedPhoto) {
  QAction* toggle = panel->toggleAction();
  EXPECT_TRUE(window.viewMenu()->actions().contains(toggle));
  EXPECT_EQ(toggle->text(), QStringLiteral("&Camera"));
  EXPECT_TRUE(toggle->isCheckable());
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_FALSE(panel->dock()->isVisible());
  EXPECT_EQ(panel->profileBox()->currentText(), QStringLiteral("Box"));
  EXPECT_FALSE(panel->keepWidthBox()->isChecked());
  EXPECT_FALSE(panel->pinholesBox()->isEnabled());
  EXPECT_EQ(panel->viewpointSlider()->value(), lightfield::centreViewpoint(n));
  EXPECT_EQ(panel->viewpointSlider()->maximum(), n - 1);

  open();
  // Open, moved away and back: every slider state gives the specified photo and marks.
  panel->viewpointSlider()->setValue(10);
  panel->viewpointSlider()->setValue(lightfield::centreViewpoint(n));
  EXPECT_EQ(canvas().cameraChoice(), lightfield::CameraChoice{});
  for (const int degrees : {0, 15, 45, 80, 90}) {
    for (const int d : {0, 3, 10, 40}) {
      focus->setValue(degrees * focus->valueScale());
      dof->setValue(d);
      const auto [want, marks] = specified();
      EXPECT_TRUE(photo() == want) << degrees << " " << d;
      EXPECT_TRUE(shownRays() == marks) << degrees << " " << d;
      EXPECT_EQ(window.session()->photo(), want);
      EXPECT_EQ(window.session()->camera().halfLength, d);
    }
  }
}

TEST_F(CameraPanelTest, APinholeViewpointTakesItsRowAndTheRayViewHighlightsIt) {
  open();
  dof->setValue(0);
  EXPECT_TRUE(panel->readout()->text().contains(CameraPanel::pinholeSentence()));
  for (const int p : {0, 40, lightfield::centreViewpoint(n), n - 1}) {
    panel->viewpointSlider()->setValue(p);
    const unsigned char* row = canvas().cleanRays() + 3 * (n - 1 - p) * n;
    EXPECT_EQ(photo(), std::vector<unsigned char>(row, row + 3 * n)) << p;
    EXPECT_EQ(window.session()->photo(), photo());
    EXPECT_EQ(window.session()->camera().viewpointIn(n), p);
    EXPECT_EQ(shown.renderView().highlightRow(), n - 1 - p);
  }
  // A wider aperture is no longer one row: no highlight, no sentence.
  dof->setValue(5);
  EXPECT_EQ(shown.renderView().highlightRow(), -1);
  EXPECT_FALSE(panel->readout()->text().contains(CameraPanel::pinholeSentence()));
  dof->setValue(0);
  EXPECT_NE(shown.renderView().highlightRow(), -1);
  // Only while the panel is open.
  panel->toggleAction()->trigger();
  ASSERT_TRUE(fixture::waitFor([this] { return !panel->dock()->isVisible(); }));
  EXPECT_EQ(shown.renderView().highlightRow(), -1);
}

TEST_F(CameraPanelTest, AProfileChangeRetakesThePhotoWithThatProfile) {
  open();
  focus->setValue(30 * focus->valueScale());
  dof->setValue(12);
  QSignalSpy taken(&canvas(), &DrawView::photoTaken);
  lightfield::CameraScratch scratch;
  const struct {
    const char* name;
    lightfield::Aperture aperture;
  } profiles[] = {{"Tent", lightfield::Aperture::Tent},
                  {"Gaussian", lightfield::Aperture::Gaussian},
                  {"Two slits", lightfield::Aperture::TwoSlits},
                  {"K pinholes", lightfield::Aperture::Pinholes}};
  for (const auto& profile : profiles) {
    const int before = static_cast<int>(taken.count());
    panel->profileBox()->setCurrentText(QString::fromUtf8(profile.name));
    EXPECT_EQ(taken.count(), before + 1) << profile.name;
    const bool pinholes = profile.aperture == lightfield::Aperture::Pinholes;
    EXPECT_EQ(panel->pinholesBox()->isEnabled(), pinholes);
    if (pinholes) panel->pinholesBox()->setValue(5);
    const lightfield::CameraSettings camera = window.session()->camera();
    EXPECT_EQ(camera.choice.aperture, profile.aperture);
    std::vector<unsigned char> want(3 * n);
    std::vector<unsigned char> marks(canvas().cleanRays(), canvas().cleanRays() + 3 * n * n);
    lightfield::Camera engine = camera.cameraFor(n);
    EXPECT_EQ(engine.pinholes, pinholes ? 5 : lightfield::kMinPinholes);
    lightfield::cameraPhoto(canvas().cleanRays(), n, n, engine, want.data(), marks.data(), scratch);
    EXPECT_EQ(photo(), want) << profile.name;
    EXPECT_TRUE(shownRays() == marks) << profile.name;
    // The plot draws the same camera's point spread.
    EXPECT_FALSE(panel->plot()->spread().empty());
  }
  panel->profileBox()->setCurrentText(QStringLiteral("Box"));
  EXPECT_TRUE(photo() == specified().first);
}

TEST_F(CameraPanelTest, KeepApertureWidthReadsOutTheHalfLengthAndItsCap) {
  open();
  dof->setValue(20);
  focus->setValue(30 * focus->valueScale());
  panel->keepWidthBox()->setChecked(true);
  EXPECT_EQ(window.session()->camera().halfLength, 20);
  EXPECT_TRUE(panel->readout()->text().contains(QStringLiteral("d = 20")))
      << panel->readout()->text().toStdString();
  focus->setValue(0);
  EXPECT_EQ(window.session()->camera().halfLength, n);
  EXPECT_TRUE(window.session()->camera().capped);
  EXPECT_TRUE(panel->readout()->text().contains(QStringLiteral("Capped")));
  panel->keepWidthBox()->setChecked(false);
  EXPECT_EQ(window.session()->camera().halfLength, 20);
  EXPECT_TRUE(photo() == specified().first);
}

// Focused on the Occluder scene's wall through a wide aperture, a photo pixel
// behind the bar sees the wall through part of its aperture: the readout's
// share equals a brute-force count over the samples' own ray-space pixels (the
// first thing each ray meets), and the photo pixel is that weighted mix.
TEST_F(CameraPanelTest, ThePhotoSeesTheWallThroughTheShareOfTheApertureTheReadoutGives) {
  for (const BuiltInScene& scene : builtInScenes())
    if (scene.name == QLatin1String("Occluder")) canvas().replaceShapes(scene.make(0));
  canvas().doRender(nullptr);
  open();
  // The wall's height, 70% of the way up, sharp; a wide aperture.
  focus->setValue(static_cast<int>(
      std::lround(lightfield::optics::focusDegreesForFraction(0.7) * focus->valueScale())));
  dof->setValue(40);
  const QColor wall = canvas().shapes()[0]->color().rgba();
  ASSERT_EQ(panel->focusedShape(), 0);
  for (const auto aperture :
       {lightfield::Aperture::Box, lightfield::Aperture::Tent, lightfield::Aperture::Pinholes}) {
    lightfield::CameraChoice choice;
    choice.aperture = aperture;
    choice.pinholes = 7;
    panel->profileBox()->setCurrentIndex(panel->profileBox()->findData(static_cast<int>(aperture)));
    panel->pinholesBox()->setValue(7);
    const lightfield::Camera camera = window.session()->camera().cameraFor(n);
    int partly = 0;
    for (int i = 100; i < 200; i += 3) {
      std::vector<lightfield::optics::WeightedPixel> samples;
      lightfield::optics::cameraSamples(n, i, camera, samples);
      long long total = 0, onWall = 0, mix[3] = {0, 0, 0};
      for (const auto& s : samples) {
        const unsigned char* ray = canvas().cleanRays() + 3 * (s.row * n + s.column);
        total += s.weight;
        if (QColor(ray[0], ray[1], ray[2]) == wall) onWall += s.weight;
        for (int c = 0; c < 3; ++c) mix[c] += s.weight * ray[c];
      }
      ASSERT_GT(total, 0);
      for (int c = 0; c < 3; ++c) EXPECT_EQ(canvas().photoRow()[3 * i + c], mix[c] / total) << i;
      partly += onWall > 0 && onWall < total;
      const QString text = panel->seeThroughText(i);
      const QString share = QStringLiteral("through %1% of").arg(100.0 * onWall / total, 0, 'f', 0);
      EXPECT_TRUE(text.contains(share)) << i << " " << text.toStdString();
      if (onWall > 0) {
        EXPECT_TRUE(text.contains(QStringLiteral("sees the blue bar")));
      }
      if (onWall < total) {
        EXPECT_TRUE(text.contains(QStringLiteral("the rest meets the orange bar")));
      }
    }
    EXPECT_GT(partly, 5);  // the bar hides part of the aperture for many pixels
  }
  // Hovering the photo puts the words in the panel.
  PhotoView& photoView = shown.photoView();
  QTest::mouseMove(window.windowHandle(), photoView.mapTo(&window, QPoint(130, 10)));
  const int i = static_cast<int>(
      photoView.convertPointFromWindow(toolkit::Event::windowPoint(photoView, QPointF(130, 10))).x *
      n / photoView.bounds().size.width);
  ASSERT_TRUE(fixture::waitFor([&] { return !panel->seeThroughReadout()->text().isEmpty(); }));
  EXPECT_EQ(panel->seeThroughReadout()->text(), panel->seeThroughText(i));
  // The status readout and the linked samples count the pinholes, not the box.
  window.findChild<QAction*>(QStringLiteral("actionLinkViews"))->setChecked(true);
  QTest::mouseMove(window.windowHandle(), photoView.mapTo(&window, QPoint(131, 10)));
  auto* teaching = window.findChild<TeachingAids*>(QStringLiteral("teachingAids"));
  ASSERT_TRUE(fixture::waitFor([&] { return !teaching->overlay().samples.empty(); }));
  const int j = i + 1;
  std::vector<lightfield::optics::WeightedPixel> seven;
  lightfield::optics::cameraSamples(n, j, window.session()->camera().cameraFor(n), seven);
  ASSERT_EQ(teaching->overlay().samples.size(), seven.size());
  for (std::size_t k = 0; k < seven.size(); ++k) {
    EXPECT_EQ(teaching->overlay().samples[k].column, seven[k].column);
    EXPECT_EQ(teaching->overlay().samples[k].row, seven[k].row);
  }
  EXPECT_TRUE(
      shown.find<QLabel>("hoverReadout")
          ->text()
          .contains(QStringLiteral("weighted mean of %1 of its 7 samples").arg(seven.size())))
      << shown.find<QLabel>("hoverReadout")->text().toStdString();
}

namespace {

// The runs of non-white photo pixels: [first, last] each.
std::vector<std::pair<int, int>> inkRuns(const unsigned char* photo, int n) {
  std::vector<std::pair<int, int>> runs;
  for (int i = 0; i < n; ++i) {
    const unsigned char* p = photo + 3 * i;
    if (p[0] > 250 && p[1] > 250 && p[2] > 250) continue;
    if (!runs.empty() && runs.back().second == i - 1) {
      runs.back().second = i;
    } else {
      runs.emplace_back(i, i);
    }
  }
  return runs;
}

double middle(const std::pair<int, int>& run) {
  return 0.5 * (run.first + run.second);
}

}  // namespace

// What the panel writes about a point, measured on photos the window takes of
// a two-unit dot: the parallax readout's shift per unit of viewpoint at three
// heights, and the plot's spot width (the dot adds its own 2 / lambda) for
// the box, the two slits (two spikes) and four pinholes (four ghosts).
TEST_F(CameraPanelTest, TheParallaxReadoutAndThePlotsSpotMatchRenderedPhotos) {
  open();
  const double dotWidth = 2.0;
  auto placeDot = [this, dotWidth](double y) {
    std::vector<std::unique_ptr<Shape>> shapes;
    shapes.push_back(makeShape<Rectangle>(CGRectMake(149, y - 1, dotWidth, 2)));
    shapes.back()->setColor(toolkit::Color::blackColor());
    canvas().replaceShapes(std::move(shapes));
    canvas().doRender(nullptr);
  };
  auto readNumber = [](const QString& text, const QString& before, const QString& after) {
    const int from = text.indexOf(before) + before.size();
    return text.mid(from, text.indexOf(after, from) - from).toDouble();
  };
  const int centre = lightfield::centreViewpoint(n);
  for (const double y : {80.0, 150.0, 220.0}) {
    placeDot(y);
    const double lambda = lightfield::optics::fractionOfHeight(y);
    dof->setValue(0);
    panel->hoverHeight(y);
    const double perUnit = readNumber(panel->parallaxReadout()->text(), QStringLiteral("image "),
                                      QStringLiteral(" photo px left"));
    panel->viewpointSlider()->setValue(centre - 15);
    const auto left = inkRuns(canvas().photoRow(), n);
    panel->viewpointSlider()->setValue(centre + 15);
    const auto right = inkRuns(canvas().photoRow(), n);
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(right.size(), 1u);
    // Truncation moves each image by at most 1 / lambda either way.
    EXPECT_NEAR((middle(left[0]) - middle(right[0])) / 30.0, perUnit, (2 / lambda + 1) / 30.0) << y;
    panel->viewpointSlider()->setValue(centre);
  }

  placeDot(80.0);
  const double lambda = lightfield::optics::fractionOfHeight(80.0);
  focus->setValue(45 * focus->valueScale());
  dof->setValue(20);
  panel->hoverHeight(80.0);
  const struct {
    const char* profile;
    std::size_t images;
  } cases[] = {{"Box", 1}, {"Two slits", 2}, {"K pinholes", 4}};
  for (const auto& c : cases) {
    panel->profileBox()->setCurrentText(QString::fromUtf8(c.profile));
    panel->pinholesBox()->setValue(4);
    const auto& spread = panel->plot()->spread();
    ASSERT_FALSE(spread.empty());
    EXPECT_DOUBLE_EQ(panel->plot()->lambda(), lambda);
    const auto [low, high] = std::minmax_element(
        spread.begin(), spread.end(), [](auto& a, auto& b) { return a.offset < b.offset; });
    const auto runs = inkRuns(canvas().photoRow(), n);
    ASSERT_EQ(runs.size(), c.images) << c.profile;
    const double measured = runs.back().second - runs.front().first + 1;
    EXPECT_NEAR(measured, high->offset - low->offset + dotWidth / lambda, 2 / lambda + 1)
        << c.profile;
    // The spikes and ghosts sit where the optics put them.
    const double spacing = c.images == 2   ? lightfield::optics::slitSpacing(45.0, 20, lambda)
                           : c.images == 4 ? lightfield::optics::ghostSpacing(45.0, 20, 4, lambda)
                                           : 0.0;
    for (std::size_t r = 1; r < runs.size(); ++r)
      EXPECT_NEAR(middle(runs[r]) - middle(runs[r - 1]), spacing, 2 / lambda + 1) << c.profile;
  }
}
