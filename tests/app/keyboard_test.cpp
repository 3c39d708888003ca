// The window without a mouse: keys go to the canvas until Tab or a click
// hands them to a control; the keyboard commands that stand in for the mouse;
// and what a screen reader is told about the views.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QUndoStack>

#include "app/teachingaids.h"
#include "app/viewaccessibility.h"
#include "lightfield/optics.h"
#include "support/window_fixture.h"
#include "toolkit/window.h"

using fixture::ShownWindow;

namespace {

struct Keys : ShownWindow {
  QWindow* handle() const { return window.windowHandle(); }
  void press(Qt::Key key, Qt::KeyboardModifiers mods = {}, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(handle(), key, mods);
  }
  // A click on a widget of the window, at `local` (its centre by default).
  void click(QWidget* widget, std::optional<QPoint> local = std::nullopt) {
    const QPoint p = widget->mapTo(&window, local.value_or(widget->rect().center()));
    QTest::mouseClick(handle(), Qt::LeftButton, {}, p);
  }
  // A click on a slider's handle, which leaves its value as it is.
  void clickHandle(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = option.sliderValue = slider->value();
    const QRect knob = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                       QStyle::SC_SliderHandle, slider);
    click(slider, knob.center());
  }
  bool routedToCanvas() { return !toolkit::Window::of(&window)->controlHasFocus(); }
  CGRect rectOf(int i) const { return canvas().shapes()[static_cast<std::size_t>(i)]->rect(); }
};

TEST(Keyboard, TabVisitsTheControlsInReadingOrderThenTheViews) {
  Keys w;
  // The tools are one stop, as a group of exclusive choices is: the arrow keys pick one.
  ASSERT_TRUE(w.routedToCanvas());
  w.press(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), w.find<QWidget>("pointerButton"));
  for (const char* tool : {"rectangleButton", "circleButton", "triangleButton"}) {
    w.press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), w.find<QWidget>(tool));
    EXPECT_TRUE(w.find<QPushButton>(tool)->isChecked());
  }
  EXPECT_EQ(w.canvas().selectedTool(), QStringLiteral("Triangle"));
  // Escape, and Tab comes back in at the chosen tool.
  w.press(Qt::Key_Escape);
  EXPECT_TRUE(w.routedToCanvas());
  const std::vector<QWidget*> order = {w.find<QWidget>("triangleButton"),
                                       w.find<QWidget>("focusSlider"),
                                       w.find<QWidget>("dofSlider"),
                                       w.find<QWidget>("focusOnSelectionButton"),
                                       w.find<QWidget>("sweepButton"),
                                       w.find<QWidget>("renderButton"),
                                       w.find<QWidget>("takePhotoButton"),
                                       w.find<QWidget>("axesButton"),
                                       w.find<QWidget>("autoRenderButton"),
                                       w.find<QWidget>("autoPhotoButton"),
                                       w.find<QWidget>("focusDepthBox"),
                                       w.find<QWidget>("linkViewsBox"),
                                       &w.canvas(),
                                       &w.renderView(),
                                       &w.photoView()};
  ASSERT_TRUE(w.routedToCanvas());
  for (QWidget* expected : order) {
    // Focus on Selection, with nothing selected, and hidden controls take no focus.
    if (!expected->isEnabled() || !expected->isVisible()) continue;
    w.press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), expected)
        << expected->objectName().toStdString() << " wanted, not "
        << QApplication::focusWidget()->objectName().toStdString();
    const bool isView = dynamic_cast<toolkit::View*>(expected) != nullptr;
    EXPECT_EQ(w.routedToCanvas(), isView) << expected->objectName().toStdString();
  }
  // Backwards from the photo, and from the start straight to the last view.
  w.press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &w.renderView());
  w.press(Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), nullptr);
  w.press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &w.photoView());
  // The focused view shows a ring; no capture does.
  const QColor ring = w.photoView().palette().color(QPalette::Highlight);
  EXPECT_EQ(w.photoView().grab().toImage().pixelColor(1, 1), ring);
  EXPECT_NE(w.photoView().bitmapOfRect(w.photoView().bounds()).pixelColor(1, 1), ring);
  w.press(Qt::Key_Escape);
  EXPECT_NE(w.photoView().grab().toImage().pixelColor(1, 1), ring);
}

TEST(Keyboard, AFocusedSliderTakesItsKeysAndEscapeGivesThemBack) {
  Keys w;
  auto* focus = w.find<toolkit::Slider>("focusSlider");
  auto* dof = w.find<toolkit::Slider>("dofSlider");
  // Select the first billboard, then click the focus slider's handle.
  QTest::mouseClick(w.handle(), Qt::LeftButton, {},
                    w.canvas().mapTo(&w.window, QPoint(80, 300 - 105)));
  ASSERT_EQ(w.canvas().selectedShapeIndex(), 0);
  const CGRect before = w.rectOf(0);
  w.clickHandle(focus);
  ASSERT_EQ(focus->value(), 450);
  EXPECT_FALSE(w.routedToCanvas());
  w.press(Qt::Key_Right, {}, 5);
  EXPECT_EQ(focus->value(), 455);
  w.press(Qt::Key_Right, Qt::ShiftModifier, 5);
  EXPECT_EQ(focus->value(), 460);
  EXPECT_EQ(w.rectOf(0), before) << "the selected shape never saw the keys";
  w.press(Qt::Key_PageUp);
  EXPECT_EQ(focus->value(), 510);
  w.press(Qt::Key_Home);
  EXPECT_EQ(focus->value(), 0);
  EXPECT_EQ(w.canvas().cameraSettings().focusDegrees, 0.0f) << "the photo follows the slider";
  w.press(Qt::Key_End);
  EXPECT_EQ(focus->value(), 900);
  // Tab goes on to the next control; Space presses a button there.
  w.press(Qt::Key_Tab);
  w.press(Qt::Key_Left);
  EXPECT_EQ(dof->value(), 9);
  auto* render = w.find<QPushButton>("renderButton");
  render->setFocus(Qt::TabFocusReason);
  const int renders = w.canvas().renderCount();
  w.press(Qt::Key_Space);
  EXPECT_EQ(w.canvas().renderCount(), renders + 1);

  // Escape: every key goes to the canvas again, as at start.
  w.press(Qt::Key_Escape);
  EXPECT_TRUE(w.routedToCanvas());
  w.press(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(w.rectOf(0).origin.x, before.origin.x + 10);
  EXPECT_EQ(dof->value(), 9);
  // So does a click on a view after a click on a control.
  w.clickHandle(dof);
  ASSERT_FALSE(w.routedToCanvas());
  w.click(&w.renderView());
  EXPECT_TRUE(w.routedToCanvas());
  w.press(Qt::Key_Up);
  EXPECT_EQ(w.rectOf(0).origin.y, before.origin.y + 1);
  EXPECT_EQ(dof->value(), 9);
}

TEST(Keyboard, AFocusedViewTakesTheCanvasKeys) {
  Keys w;
  w.press(Qt::Key_Tab, Qt::ShiftModifier, 3);
  ASSERT_EQ(QApplication::focusWidget(), &w.canvas());
  w.press(Qt::Key_BracketRight, Qt::ControlModifier);
  ASSERT_EQ(w.canvas().selectedShapeIndex(), 0);
  const CGRect before = w.rectOf(0);
  w.press(Qt::Key_Left);
  w.press(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(w.rectOf(0).origin.x, before.origin.x - 1);
  EXPECT_EQ(w.rectOf(0).origin.y, before.origin.y - 10);
}

TEST(Keyboard, ShapesAreSelectedResizedAndDrawnWithoutAMouse) {
  Keys w;
  DrawView& canvas = w.canvas();
  const int n = static_cast<int>(canvas.shapes().size());
  ASSERT_EQ(n, 3);
  // Next and previous wrap around, from no selection to either end.
  for (int expected : {0, 1, 2, 0}) {
    w.press(Qt::Key_BracketRight, Qt::ControlModifier);
    EXPECT_EQ(canvas.selectedShapeIndex(), expected);
  }
  for (int expected : {2, 1}) {
    w.press(Qt::Key_BracketLeft, Qt::ControlModifier);
    EXPECT_EQ(canvas.selectedShapeIndex(), expected);
  }

  // Alt+arrows move the top right corner; the bottom left one stays.
  const CGRect before = w.rectOf(1);
  w.press(Qt::Key_Right, Qt::AltModifier, 3);
  w.press(Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier);
  w.press(Qt::Key_Down, Qt::AltModifier, 2);
  EXPECT_EQ(w.rectOf(1), CGRectMake(before.origin.x, before.origin.y, before.size.width + 3,
                                    before.size.height + 8));
  // A shape never shrinks below one unit, nor grows out of sight.
  w.press(Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier, 10);
  EXPECT_EQ(w.rectOf(1).size.width, 1);
  EXPECT_EQ(w.rectOf(1).origin, before.origin);
  w.press(Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier, 40);
  EXPECT_LE(w.rectOf(1).origin.x + 4, canvas.bounds().size.width);
  EXPECT_EQ(w.window.undoStack()->undoText(), QStringLiteral("Resize"));

  // A shape of each kind, drawn in the middle and selected; undo takes each back.
  QAction* draw = w.find<QAction>("actionDrawShapeInMiddle");
  draw->trigger();
  EXPECT_EQ(static_cast<int>(canvas.shapes().size()), n) << "the Pointer draws nothing";
  const QStringList tools = {"Rectangle", "Circle", "Triangle"};
  for (const QString& tool : tools) {
    w.find<QPushButton>((tool.toLower() + "Button").toLatin1().constData())->setChecked(true);
    canvas.setTool(w.window.findChild<QButtonGroup*>("toolGroup"));
    w.press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(canvas.shapes().back()->kind(), tool);
    EXPECT_EQ(canvas.selectedShapeIndex(), static_cast<int>(canvas.shapes().size()) - 1);
    EXPECT_EQ(canvas.shapes().back()->rect(), CGRectMake(130, 140, 40, 20));
    EXPECT_TRUE(canvas.isStale());
  }
  EXPECT_EQ(static_cast<int>(canvas.shapes().size()), n + 3);
  w.window.undoStack()->undo();
  EXPECT_EQ(static_cast<int>(canvas.shapes().size()), n + 2);
}

TEST(Keyboard, TheKeyboardCursorHoversAndClicksInTheFocusedView) {
  Keys w;
  DrawView& canvas = w.canvas();
  // No view focused: the cursor is in ray space, starting in its middle.
  w.press(Qt::Key_Right, Qt::ControlModifier);
  w.press(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(w.renderView().keyboardCursor().has_value());
  const CGPoint at = *w.renderView().keyboardCursor();
  EXPECT_EQ(at, CGPointMake(151, 160));
  ASSERT_TRUE(canvas.drawsRay());
  EXPECT_FALSE(canvas.drawsRayBundle());
  // The ray the mouse would show over that ray-space pixel.
  EXPECT_EQ(canvas.rayEnd().x, at.x);
  EXPECT_EQ(canvas.rayStart().x, at.y);
  w.find<QAction>("actionClickAtCursor")->trigger();
  EXPECT_EQ(w.find<toolkit::Slider>("focusSlider")->value(), 450) << "ray space has no depth";

  // The photo focused: its cursor hovers a photo pixel and clicks there.
  w.press(Qt::Key_Tab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), &w.photoView());
  w.press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_FALSE(w.renderView().keyboardCursor().has_value());
  ASSERT_TRUE(w.photoView().keyboardCursor().has_value());
  EXPECT_TRUE(canvas.drawsRayBundle());
  const CGPoint p = *w.photoView().keyboardCursor();
  EXPECT_EQ(p.x, 149);
  auto* focus = w.find<toolkit::Slider>("focusSlider");
  // The click at the cursor focuses as the mouse's click on that pixel does:
  // its central ray meets billboard 2.
  w.press(Qt::Key_Return, Qt::ControlModifier);
  const int byKeys = focus->value();
  EXPECT_NE(byKeys, 450);
  focus->setValue(450);
  QTest::mouseClick(w.handle(), Qt::LeftButton, {},
                    w.photoView().mapTo(&w.window, QPoint(static_cast<int>(p.x), 5)));
  EXPECT_EQ(focus->value(), byKeys);
  // The mouse's click on a view gave the keys back: the cursor is in ray space again.
  EXPECT_EQ(QApplication::focusWidget(), nullptr);
  w.press(Qt::Key_Tab, Qt::ShiftModifier);
  // The cursor stays on the view's pixels.
  w.press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 40);
  ASSERT_TRUE(w.photoView().keyboardCursor().has_value());
  EXPECT_EQ(w.photoView().keyboardCursor()->x, 0);
  // The canvas: a click at the cursor focuses at its height.
  w.press(Qt::Key_Tab, Qt::ShiftModifier, 2);
  ASSERT_EQ(QApplication::focusWidget(), &canvas);
  w.press(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, 10);
  ASSERT_TRUE(canvas.keyboardCursor().has_value());
  w.press(Qt::Key_Return, Qt::ControlModifier);
  const double degrees = lightfield::optics::focusDegreesForFraction(
      lightfield::optics::fractionOfHeight(canvas.keyboardCursor()->y));
  EXPECT_EQ(focus->value(), std::lround(degrees * 10));
  // A capture never shows the cursor.
  const QImage capture = canvas.bitmapOfRect(canvas.bounds());
  const QImage screen = canvas.grab().toImage();
  EXPECT_NE(capture.convertToFormat(QImage::Format_RGB32),
            screen.convertToFormat(QImage::Format_RGB32));
  canvas.setKeyboardCursor(std::nullopt);
  QCoreApplication::processEvents();
}

TEST(Accessibility, TheCanvasListsItsShapesAndFollowsEdits) {
  Keys w;
  DrawView& canvas = w.canvas();
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&canvas);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->role(), QAccessible::Canvas);
  EXPECT_FALSE(tree->text(QAccessible::Name).isEmpty());
  ASSERT_EQ(tree->childCount(), 3);
  const double up = 100 * lightfield::optics::fractionOfHeight(105);
  EXPECT_EQ(tree->child(0)->text(QAccessible::Name),
            QStringLiteral("orange rectangle, 70 to 110 across, %1% up").arg(std::lround(up)));
  EXPECT_EQ(tree->child(1)->text(QAccessible::Name).left(15), QStringLiteral("green rectangle"));
  EXPECT_EQ(tree->child(2)->text(QAccessible::Name).left(14), QStringLiteral("blue rectangle"));
  EXPECT_EQ(tree->indexOfChild(tree->child(2)), 2);
  EXPECT_EQ(tree->child(1)->parent(), tree);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(tree->child(i)->state().selected);

  w.press(Qt::Key_BracketRight, Qt::ControlModifier);
  w.press(Qt::Key_BracketRight, Qt::ControlModifier);
  EXPECT_TRUE(tree->child(1)->state().selected);
  EXPECT_FALSE(tree->child(0)->state().selected);
  w.press(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_TRUE(tree->child(1)->text(QAccessible::Name).contains(QLatin1String("140 to 180 across")));
  EXPECT_TRUE(
      tree->text(QAccessible::Description).contains(tree->child(1)->text(QAccessible::Name)));
  // Where the shape sits on screen is where the child says.
  const QRect r = tree->child(1)->rect();
  EXPECT_EQ(r.size(), QSize(40, 10));
  EXPECT_EQ(canvas.mapFromGlobal(r.topLeft()), QPoint(140, 300 - 160));

  w.find<QAction>("actionDelete")->trigger();
  EXPECT_EQ(tree->childCount(), 2);
  EXPECT_EQ(tree->child(1)->text(QAccessible::Name).left(14), QStringLiteral("blue rectangle"));
  w.window.undoStack()->undo();
  EXPECT_EQ(tree->childCount(), 3);

  // Heights read from the plane lines: the lower one is 0% up, the upper 100%.
  const auto low = makeShape<Rectangle>(CGRectMake(0, lightfield::optics::kLowerLine - 5, 10, 10));
  const auto high = makeShape<Rectangle>(CGRectMake(0, lightfield::optics::kUpperLine - 5, 10, 10));
  EXPECT_TRUE(viewaccessibility::describeShape(*low).endsWith(QLatin1String(" 0% up")));
  EXPECT_TRUE(viewaccessibility::describeShape(*high).endsWith(QLatin1String(" 100% up")));
  EXPECT_TRUE(viewaccessibility::describeShape(*low).startsWith(QLatin1String("grey")));
}

TEST(Accessibility, TheResultViewsDescribeWhatIsUnderTheCursor) {
  Keys w;
  QAccessibleInterface* rays = QAccessible::queryAccessibleInterface(&w.renderView());
  QAccessibleInterface* photo = QAccessible::queryAccessibleInterface(&w.photoView());
  ASSERT_NE(rays, nullptr);
  ASSERT_NE(photo, nullptr);
  EXPECT_FALSE(rays->text(QAccessible::Name).isEmpty());
  EXPECT_FALSE(photo->text(QAccessible::Name).isEmpty());
  EXPECT_TRUE(rays->text(QAccessible::Description).contains(QLatin1String("300 by 300")));
  EXPECT_FALSE(rays->text(QAccessible::Description).contains(QLatin1String("cursor")));
  w.press(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, 5);
  // Column 150, row 100: the ray from 150 on the upper line to 100 on the lower line.
  const QString described = rays->text(QAccessible::Description);
  EXPECT_TRUE(described.contains(QLatin1String("from 150 on the upper line to 100 on the lower")))
      << described.toStdString();
  const unsigned char* pixel =
      w.canvas().displayedRays() + 3 * ((w.canvas().stripWidth() - 1 - 100) * 300 + 150);
  EXPECT_TRUE(
      described.endsWith(viewaccessibility::colourName(QColor(pixel[0], pixel[1], pixel[2]))));
  EXPECT_TRUE(photo->text(QAccessible::Description).contains(QLatin1String("300 pixels wide")));
  // The readouts say what they show, as their text does.
  w.find<toolkit::Slider>("focusSlider")->setValue(300);
  for (const char* name : {"focusReadout", "dofReadout"}) {
    auto* readout = w.find<QLabel>(name);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(readout)->text(QAccessible::Description),
              readout->text());
  }
  EXPECT_TRUE(w.find<QLabel>("focusReadout")->text().startsWith(QStringLiteral("30.0°")));
}

}  // namespace
