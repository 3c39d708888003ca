// The teaching aids in the real window: switches, overlays, readouts, focusing
// on a depth and the sweep, driven by real events offscreen.
#include "app/teachingaids.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <set>
#include <utility>

#include "app/windowzoom.h"
#include "lightfield/optics.h"
#include "support/window_fixture.h"
#include "views/overlaystyle.h"

namespace optics = lightfield::optics;

namespace {

const char* const kAidActions[] = {"actionShowFocusDepth", "actionLinkViews", "actionSweepFocus"};

class TeachingAidsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QTest::mouseMove(handle(), QPoint(1, 1));  // Qt drops a move to where the mouse is
    QCoreApplication::processEvents();
    aids = window.findChild<TeachingAids*>(QStringLiteral("teachingAids"));
    ASSERT_NE(aids, nullptr);
    focus = shown.find<toolkit::Slider>("focusSlider");
  }

  QWindow* handle() { return window.windowHandle(); }
  QAction* action(const char* name) { return shown.find<QAction>(name); }
  // Moves the mouse to the y-up point (x, y) of a view.
  void hover(QWidget* view, double x, double y) {
    QTest::mouseMove(handle(), view->mapTo(&window, QPoint(int(x), view->height() - int(y))));
  }
  QString readout() { return shown.find<QLabel>("hoverReadout")->text(); }
  void setAll(bool on) {
    for (const char* name : {"actionShowFocusDepth", "actionLinkViews", "actionShowSlopes"})
      action(name)->setChecked(on);
  }
  QImage grab(QWidget* view) {
    QCoreApplication::processEvents();
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  void replaceShapes(std::initializer_list<CGRect> rects) {
    std::vector<std::unique_ptr<Shape>> shapes;
    for (CGRect r : rects) shapes.push_back(makeShape<Rectangle>(r));
    canvas().replaceShapes(std::move(shapes));
    canvas().doRender(nullptr);
  }
  DrawView& canvas() { return shown.canvas(); }

  fixture::ShownWindow shown;
  MainWindow& window = shown.window;
  TeachingAids* aids = nullptr;
  toolkit::Slider* focus = nullptr;
};

int countColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == colour;
  return n;
}

}  // namespace

TEST_F(TeachingAidsTest, SwitchesStartOffInTheViewMenuAndFollowTheirBoxes) {
  const QList<QAction*> menu = window.viewMenu()->actions();
  const struct {
    const char* action;
    const char* box;
    QKeySequence key;
  } pairs[] = {{"actionShowFocusDepth", "focusDepthBox", QKeySequence("Ctrl+Shift+F")},
               {"actionLinkViews", "linkViewsBox", QKeySequence("Ctrl+L")},
               {"actionSweepFocus", "sweepButton", QKeySequence("Ctrl+Shift+W")}};
  for (const auto& p : pairs) {
    QAction* a = action(p.action);
    auto* box = shown.find<QAbstractButton>(p.box);
    EXPECT_TRUE(menu.contains(a)) << p.action;
    EXPECT_TRUE(a->isCheckable() && !a->isChecked()) << p.action;
    EXPECT_FALSE(box->isChecked()) << p.box;
    EXPECT_EQ(a->shortcut(), p.key) << p.action;
    box->click();
    EXPECT_TRUE(a->isChecked()) << p.action;
    a->setChecked(false);
    EXPECT_FALSE(box->isChecked()) << p.box;
  }
  EXPECT_FALSE(aids->isSweeping());

  // Focus on Selection follows the selection.
  QAction* onSelection = action("actionFocusOnSelection");
  auto* button = shown.find<QPushButton>("focusOnSelectionButton");
  EXPECT_EQ(onSelection->shortcut(), QKeySequence("Ctrl+F"));
  EXPECT_FALSE(onSelection->isEnabled() || button->isEnabled());
  canvas().selectShape(1);
  EXPECT_TRUE(onSelection->isEnabled() && button->isEnabled());
  canvas().selectShape(-1);
  EXPECT_FALSE(onSelection->isEnabled() || button->isEnabled());
}

TEST_F(TeachingAidsTest, WithEveryAidOffTheViewsLookAsWithoutThem) {
  // A canvas and views wired without any aid, in the same state.
  fixture::CanvasRig bare;
  bare.canvas.doRender(nullptr);
  QWidget* views[] = {&canvas(), &shown.renderView(), &shown.photoView()};
  QWidget* bareViews[] = {&bare.canvas, &bare.renderView, &bare.photoView};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(grab(views[k]), grab(bareViews[k])) << k;

  // Switching every aid and high contrast on and off again, with hovers between, leaves no
  // trace.
  const QImage before[] = {grab(views[0]), grab(views[1]), grab(views[2])};
  const QRect photoPlace = shown.photoView().geometry();
  QAction* highContrast = action("actionHighContrast");
  EXPECT_TRUE(highContrast->isCheckable());
  EXPECT_FALSE(highContrast->isChecked());
  EXPECT_TRUE(window.viewMenu()->actions().contains(highContrast));
  setAll(true);
  highContrast->setChecked(true);
  hover(&canvas(), 120, 150);
  hover(&shown.photoView(), 120, 20);
  hover(&shown.renderView(), 90, 90);
  highContrast->setChecked(false);
  setAll(false);
  hover(&canvas(), 20, 5);  // below the lower line: no overlay of today's either
  for (int k = 0; k < 3; ++k) EXPECT_EQ(grab(views[k]), before[k]) << k;
  // The depth strip under the photo goes with its switch and moves nothing.
  EXPECT_FALSE(shown.find<QWidget>("slopeStrip")->isVisible());
  EXPECT_EQ(shown.photoView().geometry(), photoPlace);

  // After the same edit, still alike.
  canvas().selectShape(0);
  bare.canvas.selectShape(0);
  for (DrawView* c : {&canvas(), &bare.canvas}) {
    c->keyDown(toolkit::Event(CGPoint{}, QString(QChar(0xF703)), 0));
    c->doRender(nullptr);
  }
  for (int k = 0; k < 3; ++k) EXPECT_EQ(grab(views[k]), grab(bareViews[k])) << k;
}

TEST_F(TeachingAidsTest, NoCaptureChangesWithEveryAidOn) {
  canvas().doRender(nullptr);
  const std::vector<unsigned char> strip = canvas().strip();
  const std::vector<unsigned char> clean(canvas().cleanRays(),
                                         canvas().cleanRays() + 3 * 300 * 300);
  const std::vector<unsigned char> shownRays(canvas().displayedRays(),
                                             canvas().displayedRays() + 3 * 300 * 300);
  const std::vector<unsigned char> photo(canvas().photoRow(), canvas().photoRow() + 3 * 300);
  setAll(true);
  for (QWidget* view :
       {static_cast<QWidget*>(&canvas()), static_cast<QWidget*>(&shown.renderView())}) {
    hover(view, 95, 100);  // on the canvas: the line in ray space; in ray space: the ring
    const int renders = canvas().renderCount();
    canvas().doRender(nullptr);
    EXPECT_EQ(canvas().renderCount(), renders + 1);
    EXPECT_EQ(canvas().strip(), strip);
    EXPECT_EQ(std::vector<unsigned char>(canvas().cleanRays(), canvas().cleanRays() + clean.size()),
              clean);
    EXPECT_EQ(std::vector<unsigned char>(canvas().displayedRays(),
                                         canvas().displayedRays() + shownRays.size()),
              shownRays);
    EXPECT_EQ(std::vector<unsigned char>(canvas().photoRow(), canvas().photoRow() + 900), photo);
  }
  EXPECT_TRUE(aids->overlay().showFocusDepth);
  EXPECT_TRUE(aids->overlay().meetingPoint.has_value());
}

TEST_F(TeachingAidsTest, FocusDepthLineFollowsTheSlider) {
  action("actionShowFocusDepth")->setChecked(true);
  for (const auto& [value, y] :
       {std::pair{300, 112.487}, {450, 150.0}, {600, 187.513}, {0, 10.0}}) {
    focus->setValue(value);
    EXPECT_NEAR(aids->overlay().focusY, y, 1e-3) << value;
    // The line stays where the angle puts the focus, even where no band is sharp around it.
    if (aids->overlay().bandLowY <= aids->overlay().bandHighY) {
      EXPECT_LE(aids->overlay().bandLowY, y + 1e-9);
      EXPECT_GE(aids->overlay().bandHighY, y - 1e-9);
    }
    const QImage shot = grab(&canvas());
    // The dashed line's row holds the focus colour; far rows do not.
    const int row = 299 - std::min(299, int(y));
    int dashes = 0;
    for (int x = 0; x < 300; ++x)
      dashes += qGreen(shot.pixel(x, row)) < 60 && qRed(shot.pixel(x, row)) > 120;
    EXPECT_GT(dashes, 60) << value;
  }
  action("actionShowFocusDepth")->setChecked(false);
  EXPECT_FALSE(aids->overlay().showFocusDepth);
}

TEST_F(TeachingAidsTest, HoverDrawsALinkAndReadsOutEachView) {
  action("actionLinkViews")->setChecked(true);
  // A scene point: its line of rays in ray space, exactly the optics' pixels.
  hover(&canvas(), 120, 150);
  std::vector<optics::ColumnRun> runs;
  optics::dualLine(120, optics::fractionOfHeight(150), 300, runs);
  ASSERT_EQ(aids->overlay().dualLine.size(), runs.size());
  const QImage rays = grab(&shown.renderView());
  const QRgb magenta = qRgb(255, 0, 255) & 0xffffff;
  int onLine = 0;
  for (const auto& r : runs) onLine += (r.vHigh - r.vLow + 1);
  EXPECT_EQ(countColour(rays, magenta), onLine);
  EXPECT_TRUE(readout().contains("x = 120, y = 150")) << readout().toStdString();
  EXPECT_TRUE(readout().contains("50%")) << readout().toStdString();
  EXPECT_TRUE(readout().contains("45.0°")) << readout().toStdString();

  // A photo pixel that marks: its samples lie over the black marks.
  hover(&shown.photoView(), 120.5, 20);
  const auto& samples = aids->overlay().samples;
  ASSERT_EQ(samples.size(), 21u);
  // Drawn in cyan where they are: buffer rows count from the top, as the view shows them.
  const QImage sampled = grab(&shown.renderView());
  std::set<std::pair<int, int>> sampledPixels;
  for (const auto& p : samples) {
    sampledPixels.insert({p.column, p.row});
    EXPECT_EQ(fixture::rgb(canvas().displayedRays() + 3 * (p.row * 300 + p.column)), 0u);
    EXPECT_EQ(sampled.pixel(p.column, p.row) & 0xffffff, qRgb(0, 230, 255) & 0xffffff)
        << p.column << ", " << p.row;
  }
  EXPECT_EQ(countColour(sampled, qRgb(0, 230, 255) & 0xffffff),
            static_cast<int>(sampledPixels.size()));
  // In high contrast the same samples, in the dark core colour, each edged by the white halo;
  // the bundle on the canvas is outlined thicker in its own core colour.
  const QImage plainCanvas = grab(&canvas());
  action("actionHighContrast")->setChecked(true);
  const OverlayStyle& hc = highContrastOverlayStyle();
  const QImage contrasted = grab(&shown.renderView());
  for (const auto& [column, row] : sampledPixels) {
    EXPECT_EQ(contrasted.pixel(column, row) & 0xffffff, hc.samples & 0xffffff);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        if (sampledPixels.count({column + dx, row + dy}) != 0) continue;
        EXPECT_EQ(contrasted.pixel(column + dx, row + dy) & 0xffffff, hc.halo & 0xffffff)
            << column + dx << ", " << row + dy;
      }
  }
  EXPECT_EQ(countColour(contrasted, hc.samples & 0xffffff), static_cast<int>(sampledPixels.size()));
  const QImage boldCanvas = grab(&canvas());
  EXPECT_EQ(countColour(plainCanvas, hc.rays & 0xffffff), 0);
  EXPECT_GT(countColour(boldCanvas, hc.rays & 0xffffff), 250);
  action("actionHighContrast")->setChecked(false);
  EXPECT_EQ(grab(&canvas()), plainCanvas);
  EXPECT_TRUE(aids->overlay().dualLine.empty());
  EXPECT_TRUE(readout().startsWith("Photo pixel 120:")) << readout().toStdString();
  EXPECT_TRUE(readout().contains("21 of its 21 samples")) << readout().toStdString();

  // A ray that meets billboard 1 (70..108 x 100..108) straight up at x = 90.
  hover(&shown.renderView(), 90.5, 90.5);
  ASSERT_TRUE(aids->overlay().meetingPoint.has_value());
  EXPECT_EQ(aids->overlay().meetingPoint->x, 90.5);
  EXPECT_EQ(aids->overlay().meetingPoint->y, 100.5);
  // The ring is drawn on the canvas around that point.
  const QImage ring = grab(&canvas()).copy(80, 299 - 110, 21, 21);
  int ringPixels = 0;
  for (int y = 0; y < ring.height(); ++y)
    for (int x = 0; x < ring.width(); ++x) {
      const QRgb c = ring.pixel(x, y);
      ringPixels += qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 120;
    }
  EXPECT_GT(ringPixels, 10);
  EXPECT_TRUE(readout().contains("#ffcc66")) << readout().toStdString();
  hover(&shown.renderView(), 120.5, 285.5);
  EXPECT_FALSE(aids->overlay().meetingPoint.has_value());
  EXPECT_TRUE(readout().contains("white: meets nothing")) << readout().toStdString();

  // Off every view, nothing is drawn or read out.
  QTest::mouseMove(handle(), shown.find<QWidget>("renderButton")->mapTo(&window, QPoint(5, 5)));
  EXPECT_TRUE(aids->overlay().dualLine.empty() && aids->overlay().samples.empty());
  EXPECT_FALSE(aids->overlay().meetingPoint.has_value());
  EXPECT_TRUE(readout().isEmpty());
}

TEST_F(TeachingAidsTest, FocusOnSelectionTurnsTheSliderToTheShapesCentre) {
  canvas().selectShape(1);  // billboard 2 at (130, 150, 40, 10): centre height 155
  const int renders = canvas().renderCount();
  action("actionFocusOnSelection")->trigger();
  const double want = optics::focusDegreesForFraction(optics::fractionOfHeight(155));
  EXPECT_EQ(focus->value(), std::lround(want * 10));
  EXPECT_NEAR(optics::heightOfFraction(optics::focusFraction(focus->floatValue())), 155, 0.3);
  EXPECT_EQ(canvas().renderCount(), renders);  // an optics update, not a capture
  // The camera marker follows, as after a slider move.
  EXPECT_NEAR(canvas().camera().location().x - canvas().camera().bezierPath().elements()[0].point.x,
              10 * std::sin(focus->floatValue() * 0.017453292500000002), 1e-3);
}

TEST_F(TeachingAidsTest, ClickOnThePhotoFocusesOnWhatItsCentralRaySees) {
  // A narrow bar in front of a wide wall. The central ray of pixel i runs from
  // (149, 10) to (i, 290).
  replaceShapes({CGRectMake(140, 60, 20, 10), CGRectMake(60, 200, 180, 10)});
  const struct {
    int pixel;
    double y;  // the height focused on; < 0: nothing changes
  } cases[] = {{150, 60.5}, {60, 200.5}, {0, -1}, {299, -1}};
  // Zoomed, a click lands on the pixel shown under it, not on its widget column.
  auto* zoom = shown.find<WindowZoom>("windowZoom");
  zoom->setScreenArea(QRect(0, 0, 4000, 3000));
  for (const int step : {0, 1, 2}) {
    ASSERT_EQ(zoom->setStep(step), step);
    const double z = zoom->zoom();
    for (const auto& c : cases) {
      focus->setValue(450);
      const QPoint at(static_cast<int>((c.pixel + 0.5) * z), static_cast<int>(20 * z));
      QTest::mouseClick(&shown.photoView(), Qt::LeftButton, {}, at);
      if (c.y < 0) {
        EXPECT_EQ(focus->value(), 450) << c.pixel << " at " << z;
      } else {
        const double want = optics::focusDegreesForFraction(optics::fractionOfHeight(c.y));
        EXPECT_EQ(focus->value(), std::lround(want * 10)) << c.pixel << " at " << z;
      }
    }
  }
}

TEST_F(TeachingAidsTest, SweepMovesTheSliderWithoutCapturingAndStopsOnAPress) {
  focus->setValue(600);
  const int renders = canvas().renderCount();
  auto* button = shown.find<QPushButton>("sweepButton");
  button->click();
  ASSERT_TRUE(aids->isSweeping());
  QPropertyAnimation* sweep = aids->sweep();
  // 60 down to 0, up to 90 and back to 60: 180 degrees at 30 a second.
  EXPECT_EQ(sweep->duration(), 6000);
  const struct {
    int ms, value;
  } frames[] = {{1000, 300}, {2000, 0}, {3000, 300}, {5000, 900}, {5500, 750}};
  for (const auto& f : frames) {
    sweep->setCurrentTime(f.ms);
    EXPECT_EQ(focus->value(), f.value) << f.ms;
  }
  EXPECT_EQ(canvas().renderCount(), renders);
  QTest::mousePress(focus, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(focus, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(aids->isSweeping());
  EXPECT_FALSE(button->isChecked());
  EXPECT_FALSE(action("actionSweepFocus")->isChecked());

  // A press on the canvas stops it too, and so does the button.
  for (QWidget* target : {static_cast<QWidget*>(&canvas()), static_cast<QWidget*>(button)}) {
    action("actionSweepFocus")->setChecked(true);
    ASSERT_TRUE(aids->isSweeping());
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(aids->isSweeping()) << target->objectName().toStdString();
  }
}

TEST_F(TeachingAidsTest, RaySpaceAxesAreLabelledAndItsTooltipIsShort) {
  QStringList labels;
  for (const QLabel* label : window.findChildren<QLabel*>(QStringLiteral("raySpaceAxisLabel")))
    labels << label->text();
  for (const char* text : {"u (upper line) →", "0", "299"})
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  const QStringList lines = shown.renderView().toolTip().split('\n');
  EXPECT_GE(lines.size(), 3);
  for (const QString& line : lines) EXPECT_LE(line.size(), 70) << line.toStdString();
  for (const QLabel* label : window.findChildren<QLabel*>(QStringLiteral("raySpaceAxisLabel"))) {
    const QRect r(label->mapTo(&window, QPoint(0, 0)), label->size());
    const QRect view(shown.renderView().mapTo(&window, QPoint(0, 0)), shown.renderView().size());
    EXPECT_FALSE(r.intersects(view)) << label->text().toStdString();
  }
}

TEST_F(TeachingAidsTest, AMessageTakesTheReadoutsPlaceUntilAHoverAfterItHasBeenRead) {
  QLabel* label = shown.find<QLabel>("hoverReadout");
  window.statusBar()->showMessage(QStringLiteral("Look at the slopes"), 60000);
  QCoreApplication::processEvents();
  EXPECT_FALSE(label->isVisible());  // the message has the whole bar
  hover(&shown.renderView(), 90.5, 90.5);
  EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Look at the slopes"));
  QTest::qWait(2100);
  // Read or not, only a hover of a view brings the readout back: not a move elsewhere, nor
  // a refresh the slider or a render makes.
  QTest::mouseMove(handle(), shown.find<QWidget>("renderButton")->mapTo(&window, QPoint(5, 5)));
  focus->setValue(300);
  canvas().doRender(nullptr);
  EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Look at the slopes"));
  hover(&shown.renderView(), 120.5, 285.5);
  EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
  EXPECT_TRUE(label->isVisible());
  EXPECT_TRUE(readout().contains("white: meets nothing")) << readout().toStdString();
}

TEST_F(TeachingAidsTest, TheBandAndTheReadoutsSayOnlyWhatTheSamplesMake) {
  action("actionShowFocusDepth")->setChecked(true);
  auto* dof = shown.find<toolkit::Slider>("dofSlider");
  const QString focusText = [&] { return shown.find<QLabel>("focusReadout")->text(); }();
  EXPECT_EQ(focusText, QStringLiteral("45.0°, sharp at 50% of the way up"));
  // Pixels of the canvas tinted by the band (its colour over the white background).
  const auto tinted = [&] {
    const QImage shot = grab(&canvas());
    int rows = 0;
    for (int y = 0; y < shot.height(); ++y) {
      const QRgb c = shot.pixel(296, y);
      rows += qRed(c) > 230 && qGreen(c) < 235 && qBlue(c) > qGreen(c) + 15;
    }
    return rows;
  };
  const struct {
    int focus, dof;
    bool sharp;
    const char* text;
  } cases[] = {
      {450, 10, true, "45.0°, sharp at 50% of the way up"},
      {0, 10, false, "0.0°: nothing is sharp (blur ≥ 20 px)"},
      {50, 10, false, "5.0°: nothing is sharp (blur ≥ 9 px)"},
      {200, 10, false, "20.0°: nothing is sharp (blur ≥ 2.5 px)"},
      {900, 10, true, "90.0°, sharp at 100% of the way up"},
      // Truncated samples move the sharp heights off the exact depth: the readout follows them.
      {800, 10, true, "80.0°, sharp at 84% of the way up"},
      {600, 50, false, "60.0°: nothing is sharp (blur > 1 px)"},
      {0, 0, true, "0.0°, a pinhole: every height is sharp"},
      // One height blurred exactly one pixel: a band still drawn, a unit tall.
      {200, 3, true, "20.0°, sharp at 33% of the way up"},
  };
  for (const auto& c : cases) {
    dof->setValue(c.dof);
    focus->setValue(c.focus);
    QLabel* label = shown.find<QLabel>("focusReadout");
    EXPECT_EQ(label->text(), QString::fromUtf8(c.text));
    // Whole in its place: a clipped readout would hide the why.
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
        << c.text;
    const AidOverlay& overlay = aids->overlay();
    EXPECT_EQ(overlay.bandLowY <= overlay.bandHighY, c.sharp) << c.focus << ", " << c.dof;
    // No tint without a band; the dashed line stays where the angle focuses.
    EXPECT_EQ(tinted() > 0, c.sharp) << c.focus << ", " << c.dof;
    EXPECT_NEAR(overlay.focusY, optics::heightOfFraction(optics::focusFraction(c.focus / 10.0)),
                1e-3);
  }
  // The hover readouts make the same claims: a photo pixel edge-on...
  dof->setValue(10);
  focus->setValue(0);
  hover(&shown.photoView(), 120.5, 20);
  EXPECT_TRUE(readout().endsWith(QStringLiteral("; nothing is sharp (blur ≥ 20 px)")))
      << readout().toStdString();
  // ...and a scene height whose angle focuses on it without making it sharp, or makes it sharp.
  focus->setValue(450);
  for (const auto& [y, sharp] : {std::pair{30, false}, {150, true}, {250, true}, {228, false}}) {
    hover(&canvas(), 120, y);
    const double lambda = optics::fractionOfHeight(y);
    const auto degrees =
        static_cast<float>(std::round(optics::focusDegreesForFraction(lambda) * 10) / 10);
    std::vector<optics::Pixel> samples;
    const optics::FocusSteps steps = optics::focusSteps(degrees);
    optics::photoSamples(300, 150, 10, steps.colStep, steps.rowStep, samples);
    const double blur = optics::sampledBlur(samples, 300, lambda);
    EXPECT_EQ(blur <= 1.0, sharp) << y;
    const QString angle = QString::number(degrees, 'f', 1) + QStringLiteral("° ");
    // Just over a pixel is not rounded down to a "1.0" that reads as sharp.
    const QString over = blur < 1.05 ? QStringLiteral("more than one photo pixel")
                                     : QStringLiteral("%1 photo pixels").arg(blur, 0, 'f', 1);
    EXPECT_TRUE(readout().contains(sharp ? angle + QStringLiteral("makes it sharp")
                                         : angle +
                                               QStringLiteral("focuses on it, yet it blurs "
                                                              "over ") +
                                               over))
        << readout().toStdString();
    if (y == 228) {
      EXPECT_LT(blur, 1.05);
    }
  }
}

TEST_F(TeachingAidsTest, TheApertureReadoutGivesTheMarkersWidth) {
  auto* dof = shown.find<toolkit::Slider>("dofSlider");
  QLabel* readoutLabel = shown.find<QLabel>("dofReadout");
  EXPECT_EQ(readoutLabel->text(), QStringLiteral("10 samples each side · aperture 14.1"));
  const auto markerWidth = [&] {
    const auto& path = canvas().camera().bezierPath().elements();
    return path[1].point.x - path[0].point.x;
  };
  const auto number = [](const QString& text, const QString& after) {
    const auto at = text.indexOf(after);
    EXPECT_GE(at, 0) << text.toStdString();
    QString digits;
    for (const QChar ch : text.mid(at + after.size())) {
      if (!ch.isDigit() && ch != QLatin1Char('.')) break;
      digits += ch;
    }
    return digits.toDouble();
  };
  for (const int d : {10, 3, 1, 0, 50}) {
    for (const int value : {0, 50, 184, 450, 900}) {
      // Either slider moves the readout.
      (value % 2 ? dof : focus)->setValue(value % 2 ? d : value);
      (value % 2 ? focus : dof)->setValue(value % 2 ? value : d);
      const QString text = readoutLabel->text();
      EXPECT_LE(readoutLabel->fontMetrics().horizontalAdvance(text),
                readoutLabel->contentsRect().width())
          << text.toStdString();
      const double aperture = 2.0 * d * std::sin(value / 10.0 * optics::kDegreesToRadians);
      EXPECT_NEAR(number(text, QStringLiteral("aperture ")), aperture, 0.05) << text.toStdString();
      // Where the marker cannot be drawn that narrow, the readout says how wide it is drawn.
      const double drawn = markerWidth();
      if (std::abs(drawn - aperture) < 0.05) {
        EXPECT_FALSE(text.contains(QStringLiteral("drawn"))) << text.toStdString();
      } else {
        EXPECT_NEAR(number(text, QStringLiteral("drawn ")), drawn, 0.05) << text.toStdString();
      }
    }
  }
  // The landmarks seen on the canvas with d = 10.
  dof->setValue(10);
  for (const auto& [value, drawn] : {std::pair{0, 2.0}, {184, 6.3}, {450, 14.1}, {900, 20.0}}) {
    focus->setValue(value);
    EXPECT_NEAR(markerWidth(), drawn, 0.05) << value;
  }
}

TEST_F(TeachingAidsTest, DuringADragTheReadoutAndTheLinkFollowTheMouse) {
  action("actionLinkViews")->setChecked(true);
  // Billboard 2 spans 130..170 x 150..160; press on it and drag it up and across.
  QWidget* view = &canvas();
  const auto at = [&](double x, double y) {
    return view->mapTo(&window, QPoint(int(x), view->height() - int(y)));
  };
  QTest::mousePress(handle(), Qt::LeftButton, {}, at(140, 155));
  std::vector<optics::ColumnRun> runs;
  for (const auto& [x, y] : {std::pair{150, 170}, {180, 200}, {200, 240}}) {
    QTest::mouseMove(handle(), at(x, y));
    EXPECT_TRUE(readout().contains(QStringLiteral("x = %1, y = %2").arg(x).arg(y)))
        << readout().toStdString();
    optics::dualLine(x, optics::fractionOfHeight(y), 300, runs);
    ASSERT_EQ(aids->overlay().dualLine.size(), runs.size()) << x << ", " << y;
    EXPECT_EQ(aids->overlay().dualLine.front().u, runs.front().u);
    EXPECT_EQ(aids->overlay().dualLine.front().vLow, runs.front().vLow);
  }
  // The drag really moved the shape: the canvas had it, not the aids.
  EXPECT_EQ(canvas().shapes()[1]->rect().origin.y, 235);
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(200, 240));
}

TEST_F(TeachingAidsTest, WhileAnAidDrawsTheViewsShowNoTooltip) {
  QWidget* views[] = {&canvas(), &shown.renderView(), &shown.photoView()};
  const auto ask = [&](QWidget* view) {
    const QPoint local(view->width() / 2, view->height() / 2);
    QHelpEvent help(QEvent::ToolTip, local, view->mapToGlobal(local));
    QCoreApplication::sendEvent(view, &help);
  };
  const auto hidden = [] { return fixture::waitFor([] { return !QToolTip::isVisible(); }); };
  // With every aid off, the tooltips are as they were.
  for (QWidget* view : views) {
    ask(view);
    EXPECT_TRUE(QToolTip::isVisible()) << view->objectName().toStdString();
    EXPECT_EQ(QToolTip::text(), view->toolTip());
  }
  for (const char* aid : {"actionShowFocusDepth", "actionLinkViews", "actionShowSlopes"}) {
    // One already up goes when an aid comes on, and no view brings one back.
    ask(&canvas());
    ASSERT_TRUE(QToolTip::isVisible());
    action(aid)->setChecked(true);
    EXPECT_TRUE(hidden()) << aid;
    for (QWidget* view : views) {
      ask(view);
      EXPECT_TRUE(hidden()) << aid << " " << view->objectName().toStdString();
    }
    action(aid)->setChecked(false);
  }
  // Off again, the tooltips come back.
  ask(&shown.renderView());
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), shown.renderView().toolTip());
}
