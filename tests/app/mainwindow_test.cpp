// The main window: what its description holds, how its controls are wired,
// and the first render when it is shown.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/appicon.h"
#include "app/teachingaids.h"
#include "session/session.h"
#include "support/window_fixture.h"

using fixture::ShownWindow;

namespace {

constexpr double kDegreesToRadians = 0.017453292500000002;

// The camera marker's reach to each side of its centre.
double markerReach(const DrawView& canvas) {
  return canvas.camera().location().x - canvas.camera().bezierPath().elements()[0].point.x;
}

double expectedReach(float degrees, int dof) {
  const auto w =
      static_cast<float>(dof * std::sin(static_cast<double>(degrees) * kDegreesToRadians));
  return w >= 1.0f ? w : 1.0;
}

// The session holds exactly what the canvas last made: its clean ray-space
// image with the strip behind it, its photo, and the sliders' settings.
void expectSessionFollowsCanvas(const ShownWindow& shown) {
  const DrawView& canvas = shown.canvas();
  const Session& session = *shown.window.session();
  const lightfield::LightField& field = session.lightField();
  const int n = canvas.stripWidth();
  ASSERT_EQ(field.columns(), n);
  ASSERT_EQ(field.rows(), n);
  EXPECT_EQ(field.source(), lightfield::Source::Canvas);
  EXPECT_TRUE(std::equal(field.pixels(), field.pixels() + 3 * n * n, canvas.cleanRays()));
  EXPECT_EQ(field.strip(), canvas.strip());
  EXPECT_EQ(field.stripHeight(), canvas.stripHeight());
  EXPECT_EQ(field.geometry().lowerLine, canvas.lowerLine().getLocation());
  EXPECT_EQ(field.geometry().upperLine, canvas.upperLine().getLocation());
  ASSERT_EQ(session.photo().size(), 3u * n);
  EXPECT_TRUE(std::equal(session.photo().begin(), session.photo().end(), canvas.photoRow()));
  const auto* focus = shown.window.findChild<toolkit::Slider*>(QStringLiteral("focusSlider"));
  const auto* dof = shown.window.findChild<toolkit::Slider*>(QStringLiteral("dofSlider"));
  EXPECT_EQ(session.camera().focusDegrees, focus->floatValue());
  EXPECT_EQ(session.camera().halfLength, dof->intValue());
}

}  // namespace

TEST(MainWindow, HoldsTheViewsAndControlsWithTheirStartingValues) {
  MainWindow window;
  EXPECT_EQ(fixture::displayedTitle(window), QStringLiteral("Ombrel"));

  auto* group = window.findChild<QButtonGroup*>(QStringLiteral("toolGroup"));
  ASSERT_NE(group, nullptr);
  QStringList titles;
  for (QAbstractButton* b : group->buttons()) titles << b->text();
  EXPECT_EQ(titles, (QStringList{"Pointer", "Rectangle", "Circle", "Triangle"}));
  ASSERT_NE(group->checkedButton(), nullptr);
  EXPECT_EQ(group->checkedButton()->text(), QStringLiteral("Pointer"));
  EXPECT_TRUE(group->exclusive());
  EXPECT_EQ(window.drawView()->selectedTool(), QStringLiteral("Pointer"));

  auto* focus = window.findChild<toolkit::Slider*>(QStringLiteral("focusSlider"));
  auto* dof = window.findChild<toolkit::Slider*>(QStringLiteral("dofSlider"));
  ASSERT_TRUE(focus && dof);
  EXPECT_EQ(focus->minimum() / 10.0, 0.0);
  EXPECT_EQ(focus->maximum() / 10.0, 90.0);
  EXPECT_EQ(focus->valueScale(), 10);
  EXPECT_EQ(focus->singleStep(), 1);  // a tenth of a degree
  EXPECT_EQ(focus->floatValue(), 45.0f);
  EXPECT_EQ(dof->minimum(), 0);
  EXPECT_EQ(dof->maximum(), 50);
  EXPECT_EQ(dof->intValue(), 10);

  auto* axes = window.findChild<QAbstractButton*>(QStringLiteral("axesButton"));
  ASSERT_NE(axes, nullptr);
  EXPECT_TRUE(axes->isChecked());
  EXPECT_TRUE(window.renderView()->showsAxes());

  for (const char* name :
       {"renderButton", "takePhotoButton", "autoRenderButton", "autoPhotoButton"}) {
    EXPECT_NE(window.findChild<QAbstractButton*>(QString::fromLatin1(name)), nullptr) << name;
  }
  EXPECT_NE(window.findChild<QLineEdit*>(QStringLiteral("debugField")), nullptr);
  // Nothing looks switchable that does nothing: these are in the description, out of sight.
  for (const char* name : {"autoRenderButton", "autoPhotoButton", "debugField"}) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_TRUE(widget->isHidden()) << name;
  }

  QStringList labels;
  for (const QLabel* label : window.findChildren<QLabel*>()) labels << label->text();
  for (const char* title : {"Scene", "Ray space", "Photo"}) {
    EXPECT_TRUE(labels.contains(QString::fromLatin1(title))) << title;
  }
}

TEST(MainWindow, MarkerStartsAtTenTimesTheSineOfFortyFiveDegrees) {
  MainWindow window;
  EXPECT_DOUBLE_EQ(markerReach(*window.drawView()), expectedReach(45.0f, 10));
  EXPECT_NEAR(markerReach(*window.drawView()), 10 * std::sqrt(0.5), 1e-5);
}

TEST(MainWindow, EveryControlHasATooltipAndAnAccessibleName) {
  MainWindow window;
  QList<QWidget*> controls;
  for (QWidget* w : window.findChildren<QAbstractButton*>()) {
    if (!w->objectName().startsWith(QLatin1String("qt_")))
      controls << w;  // Qt's own, e.g. the menu bar's
  }
  for (QWidget* w : window.findChildren<QAbstractSlider*>()) controls << w;
  for (QWidget* w : window.findChildren<QLineEdit*>()) {
    if (!w->objectName().startsWith(QLatin1String("qt_"))) controls << w;  // a spin box's own
  }
  controls << window.drawView() << window.renderView() << window.photoView()
           << window.findChild<QLabel*>(QStringLiteral("focusReadout"))
           << window.findChild<QLabel*>(QStringLiteral("dofReadout"));
  EXPECT_GE(controls.size(), 15);
  for (QWidget* w : controls) {
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->toolTip().trimmed().isEmpty()) << w->objectName().toStdString();
    // A screen reader names each of them too: its own text, its label's, or a name of its own.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(accessible, nullptr) << w->objectName().toStdString();
    EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
        << w->objectName().toStdString();
  }
  // The sliders are named by the labels above them.
  for (const auto& [slider, label] :
       {std::pair{"focusSlider", "Focus angle"}, std::pair{"dofSlider", "Depth of field"}}) {
    auto* w = window.findChild<QAbstractSlider*>(QLatin1String(slider));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name),
              QLatin1String(label));
  }
}

TEST(MainWindow, ViewSizesStayFixedWhateverTheWindowSize) {
  ShownWindow shown;
  for (const QSize size : {QSize(1400, 900), QSize(400, 300), QSize(1000, 700)}) {
    shown.window.resize(size);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.canvas().size(), QSize(300, 300));
    EXPECT_EQ(shown.renderView().size(), QSize(300, 300));
    EXPECT_EQ(shown.photoView().width(), 300);
    EXPECT_GE(shown.photoView().height(), 20);
  }
  shown.canvas().doRender(nullptr);
  EXPECT_EQ(shown.canvas().stripWidth(), 300);
  EXPECT_EQ(shown.renderView().image().size(), QSize(300, 300));
}

TEST(MainWindow, ShowingRunsTheFirstRenderExactlyOnce) {
  ShownWindow shown;
  DrawView& canvas = shown.canvas();
  EXPECT_EQ(canvas.renderCount(), 1);
  for (int i = 0; i < 3; ++i) {
    canvas.update();
    canvas.repaint();
    QTest::qWait(10);
  }
  EXPECT_EQ(canvas.renderCount(), 1);
  EXPECT_EQ(shown.renderView().image().constBits(), canvas.displayedRays());
  EXPECT_EQ(shown.photoView().image().constBits(), canvas.photoRow());
  EXPECT_EQ(shown.photoView().image().width(), 300);
  expectSessionFollowsCanvas(shown);
}

TEST(MainWindow, RenderAndTakePhotoButtons) {
  ShownWindow shown;
  DrawView& canvas = shown.canvas();
  const std::uint64_t revision = shown.window.session()->lightField().revision;
  // Each confirmation gives the time of its own pass.
  QSignalSpy renders(&canvas, &DrawView::rendered), photos(&canvas, &DrawView::photoTaken);
  auto ms = [](const QSignalSpy& spy) {
    return QString::number(spy.last().at(0).toDouble(), 'f', 1) + QStringLiteral(" ms");
  };
  QTest::mouseClick(shown.find<QPushButton>("renderButton"), Qt::LeftButton);
  EXPECT_EQ(canvas.renderCount(), 2);
  // Every render is a new image, even of the same scene.
  EXPECT_EQ(shown.window.session()->lightField().revision, revision + 1);
  expectSessionFollowsCanvas(shown);
  const QString rendered = shown.window.statusBar()->currentMessage();
  ASSERT_FALSE(renders.isEmpty());
  EXPECT_EQ(rendered, QStringLiteral("Rendered in ") + ms(renders));

  const unsigned char* clean = canvas.cleanRays();
  const unsigned char* row = canvas.photoRow();
  QTest::mouseClick(shown.find<QPushButton>("takePhotoButton"), Qt::LeftButton);
  EXPECT_EQ(canvas.renderCount(), 2);
  EXPECT_EQ(canvas.cleanRays(), clean);
  EXPECT_NE(canvas.photoRow(), row);
  EXPECT_EQ(shown.photoView().image().constBits(), canvas.photoRow());
  EXPECT_EQ(shown.window.session()->lightField().revision, revision + 1);
  expectSessionFollowsCanvas(shown);
  const QString taken = shown.window.statusBar()->currentMessage();
  ASSERT_FALSE(photos.isEmpty());
  EXPECT_EQ(taken, QStringLiteral("Photo taken in ") + ms(photos));
}

TEST(MainWindow, SlidersResizeTheMarkerAndUpdateTheReadouts) {
  const struct {
    int focusTenths;
    int dof;
  } cases[] = {{300, 10}, {600, 0}, {0, 25}, {900, 50}, {457, 3}};
  ShownWindow shown;
  auto* focus = shown.find<toolkit::Slider>("focusSlider");
  auto* dof = shown.find<toolkit::Slider>("dofSlider");
  auto* focusReadout = shown.find<QLabel>("focusReadout");
  auto* dofReadout = shown.find<QLabel>("dofReadout");
  const unsigned char* clean = shown.canvas().cleanRays();
  for (const auto& c : cases) {
    focus->setValue(c.focusTenths);
    dof->setValue(c.dof);
    const float degrees = c.focusTenths / 10.0f;
    EXPECT_DOUBLE_EQ(markerReach(shown.canvas()), expectedReach(degrees, c.dof)) << degrees;

    const double theta = degrees * M_PI / 180.0;
    const double percent = 100 * std::sin(theta) / (std::sin(theta) + std::cos(theta));
    const QString text = focusReadout->text();
    EXPECT_TRUE(text.contains(QString::number(degrees, 'f', 1) + QChar(0x00b0)))
        << text.toStdString();
    // The depth is named only where the engine's samples make something sharp there.
    std::vector<lightfield::optics::Pixel> samples;
    const TeachingAids::Sharpness sharp =
        TeachingAids::sharpness({degrees, c.dof}, shown.canvas().stripWidth(), samples);
    if (sharp.nothingSharp()) {
      EXPECT_TRUE(text.contains(QStringLiteral("nothing is sharp"))) << text.toStdString();
    } else if (c.dof == 0) {
      EXPECT_TRUE(text.contains(QStringLiteral("every height is sharp"))) << text.toStdString();
    } else {
      EXPECT_TRUE(text.contains(QString::number(percent, 'f', 0) + QLatin1Char('%')))
          << text.toStdString();
    }
    EXPECT_TRUE(dofReadout->text().contains(QString::number(c.dof)))
        << dofReadout->text().toStdString();
    expectSessionFollowsCanvas(shown);
  }
  const struct {
    int dof;
    const char* text;
  } wordings[] = {{0, "pinhole · aperture 0.0, drawn 2"},
                  {1, "1 each side · aperture 1.4, drawn 2"},
                  {2, "2 samples each side · aperture 2.8"}};
  focus->setValue(450);
  for (const auto& w : wordings) {
    dof->setValue(w.dof);
    EXPECT_EQ(dofReadout->text().toStdString(), w.text);
  }
  // Only photo passes: no capture, the clean image kept.
  EXPECT_EQ(shown.canvas().renderCount(), 1);
  EXPECT_EQ(shown.canvas().cleanRays(), clean);
}

TEST(MainWindow, ToolCellsAndAxesToggleReachTheirTargets) {
  ShownWindow shown;
  for (const char* name : {"circleButton", "triangleButton", "rectangleButton", "pointerButton"}) {
    auto* button = shown.find<QPushButton>(name);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(shown.canvas().selectedTool(), button->text()) << name;
  }
  auto* axes = shown.find<QCheckBox>("axesButton");
  for (const bool on : {false, true, false}) {
    QTest::mouseClick(axes, Qt::LeftButton);
    EXPECT_EQ(shown.renderView().showsAxes(), on);
  }
}

TEST(MainWindow, IconComesInEverySizeItShips) {
  const QList<QSize> sizes = applicationIcon().availableSizes();
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  }
}

TEST(MainWindow, FileMenuQuitsWithControlQ) {
  ShownWindow shown;
  QAction* quit = nullptr;
  for (QMenu* menu : shown.window.findChildren<QMenu*>()) {
    if (menu->title().remove(QLatin1Char('&')) != QLatin1String("File")) continue;
    for (QAction* action : menu->actions()) {
      if (action->text().remove(QLatin1Char('&')) == QLatin1String("Quit")) quit = action;
    }
  }
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit->trigger();
  EXPECT_FALSE(shown.window.isVisible());
}
