// Editing the scene by mouse and keyboard, driven by real events through the
// window, so the routing filter and the canvas's handlers run as in the app.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>
#include <typeinfo>
#include <vector>

#include "support/window_fixture.h"
#include "toolkit/openpanel.h"

namespace {

// Records the area of every paint pass of the widget it watches.
class PaintRecorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
  std::vector<QRect> rects;
};

class EditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // No test may ever open the real dialog.
    toolkit::setFileChooser([this] {
      ++chooserCalls;
      return chooserAnswer;
    });
    // Park the mouse: Qt drops a move to where it already is.
    QTest::mouseMove(handle(), QPoint(1, 1));
    settle();
    canvas = window.drawView();
    ASSERT_EQ(canvas->renderCount(), 1);
    canvas->installEventFilter(&paints);
  }
  void TearDown() override {
    toolkit::setFileChooser([] { return std::optional<QString>(); });
  }

  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  QWindow* handle() { return window.windowHandle(); }
  // Canvas point (y-up) in window pixels.
  QPoint at(double x, double y) {
    return canvas->mapTo(&window, QPoint(static_cast<int>(x), static_cast<int>(300 - y)));
  }
  void press(double x, double y) { QTest::mousePress(handle(), Qt::LeftButton, {}, at(x, y)); }
  void drag(double x, double y) { QTest::mouseMove(handle(), at(x, y)); }
  void release(double x, double y) { QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(x, y)); }
  void click(double x, double y) {
    press(x, y);
    release(x, y);
  }
  void chooseTool(const char* buttonName) {
    auto* button = window.findChild<QAbstractButton*>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(handle(), Qt::LeftButton, {},
                      button->mapTo(&window, button->rect().center()));
  }
  CGRect rectOf(int index) const { return canvas->shapes().at(index)->rect(); }
  // Whether the paint passes since the last clear covered all of `area` (y-down widget pixels).
  bool repainted(const QRect& area) const {
    QRegion painted;
    for (const QRect& r : paints.rects) painted += r;
    return (QRegion(area) - painted).isEmpty();
  }
  // The captured strip's pixel of the canvas cell whose lower-left is (x, y).
  QRgb stripAt(int x, int y) const {
    const unsigned char* p = &canvas->strip()[3 * ((289 - y) * canvas->stripWidth() + x)];
    return qRgb(p[0], p[1], p[2]);
  }

  fixture::ShownWindow shown;
  MainWindow& window = shown.window;
  DrawView* canvas = nullptr;
  PaintRecorder paints;
  int chooserCalls = 0;
  std::optional<QString> chooserAnswer;
};

// Billboard 1's shape bounds (67, 97, 46, 16) in y-down widget pixels.
const QRect kBillboard1Bounds(67, 300 - 113, 46, 16);

void expectRect(CGRect r, double x, double y, double w, double h) {
  EXPECT_EQ(r.origin.x, x);
  EXPECT_EQ(r.origin.y, y);
  EXPECT_EQ(r.size.width, w);
  EXPECT_EQ(r.size.height, h);
}

TEST_F(EditingTest, PointerDragMovesByDistanceSinceLastEventAndRendersOnceAtRelease) {
  press(80, 105);
  EXPECT_EQ(canvas->selectedShapeIndex(), 0);
  drag(90, 100);
  expectRect(rectOf(0), 80, 95, 40, 10);
  drag(95, 100);
  expectRect(rectOf(0), 85, 95, 40, 10);
  EXPECT_EQ(canvas->renderCount(), 1) << "a drag renders nothing while it runs";
  EXPECT_TRUE(canvas->isDirty());
  release(95, 100);
  EXPECT_EQ(canvas->renderCount(), 2);
  EXPECT_FALSE(canvas->isDirty());
  // The render saw the moved billboard: 40 wide at x 85 covers columns 85..123.
  EXPECT_EQ(stripAt(84, 100), qRgb(255, 255, 255));
  EXPECT_NE(stripAt(85, 100), qRgb(255, 255, 255));
}

TEST_F(EditingTest, ClickSelectsTopmostShapeAndStartsNoRender) {
  // A rectangle drawn over part of billboard 1 lies on top of it.
  chooseTool("rectangleButton");
  press(75, 95);
  drag(100, 120);
  release(100, 120);
  chooseTool("pointerButton");
  ASSERT_EQ(canvas->shapes().size(), 4u);

  struct Case {
    double x, y;
    int selected;
  } cases[] = {{80, 105, 3}, {105, 105, 0}, {150, 155, 1}, {85, 115, 3}, {200, 205, 2}};
  for (const Case& c : cases) {
    click(c.x, c.y);
    EXPECT_EQ(canvas->selectedShapeIndex(), c.selected) << c.x << "," << c.y;
  }
  EXPECT_EQ(canvas->renderCount(), 1);
}

TEST_F(EditingTest, PressOnEmptyCanvasDeselectsAndRedrawsOnlyTheOldSelection) {
  click(80, 105);
  settle();
  paints.rects.clear();
  press(20, 200);
  EXPECT_EQ(canvas->selectedShapeIndex(), -1);
  settle();
  EXPECT_EQ(paints.rects, std::vector<QRect>{kBillboard1Bounds});
  release(20, 200);
  EXPECT_EQ(canvas->renderCount(), 1);

  // With nothing selected the same press changes nothing.
  paints.rects.clear();
  click(20, 210);
  settle();
  EXPECT_EQ(canvas->selectedShapeIndex(), -1);
  EXPECT_TRUE(paints.rects.empty());
}

// Every edit repaints what it changed, before and after: a pixel left out keeps
// stale knobs or a trail of the shape, and no later render paints over it.
TEST_F(EditingTest, EditsRepaintTheOldAndTheNewArea) {
  // Shape bounds of the rectangle (x, y, w, h), y-up, in y-down widget pixels.
  const auto bounds = [](int x, int y, int w, int h) {
    return QRect(x - 3, 300 - (y + h + 3), w + 6, h + 6);
  };
  auto* focus = window.findChild<toolkit::Slider*>("focusSlider");
  ASSERT_NE(focus, nullptr);
  const struct Case {
    const char* edit;
    std::function<void()> before, act;
    std::vector<QRect> areas;
  } cases[] = {
      {"select another shape",
       [&] { click(80, 105); },
       [&] { click(150, 155); },
       {kBillboard1Bounds, bounds(130, 150, 40, 10)}},
      {"change the tool",
       [&] { click(80, 105); },
       [&] { chooseTool("circleButton"); },
       {kBillboard1Bounds}},
      {"pointer drag",
       [&] { press(80, 105); },
       [&] { drag(90, 100); },
       {kBillboard1Bounds, bounds(80, 95, 40, 10)}},
      {"shrink a new shape",
       [&] {
         chooseTool("rectangleButton");
         press(20, 20);
         drag(120, 80);
       },
       [&] { drag(40, 30); },
       {bounds(20, 20, 100, 60)}},
      {"change the optics", [] {}, [&] { focus->setValue(300); }, {QRect(0, 0, 300, 300)}},
  };
  for (const Case& c : cases) {
    c.before();
    settle();
    paints.rects.clear();
    c.act();
    settle();
    for (const QRect& area : c.areas) {
      EXPECT_TRUE(repainted(area)) << c.edit << ": " << area.x() << "," << area.y() << " "
                                   << area.width() << "x" << area.height() << " not repainted";
    }
    release(40, 30);
    chooseTool("pointerButton");
    click(20, 290);  // nothing selected for the next case
  }
}

TEST_F(EditingTest, KnobsAnchorTheOppositeCorner) {
  click(80, 105);
  struct Case {
    double x, y, anchorX, anchorY;
  } cases[] = {{70, 100, 110, 110}, {110, 110, 70, 100}, {110, 100, 70, 110},
               {70, 110, 110, 100}, {67, 97, 110, 110},  {72, 112, 110, 100}};
  for (const Case& c : cases) {
    press(c.x, c.y);
    EXPECT_TRUE(canvas->isAnchored()) << c.x << "," << c.y;
    EXPECT_EQ(canvas->anchorPoint().x, c.anchorX) << c.x << "," << c.y;
    EXPECT_EQ(canvas->anchorPoint().y, c.anchorY) << c.x << "," << c.y;
    release(c.x, c.y);
    EXPECT_EQ(canvas->selectedShapeIndex(), 0);
  }
  expectRect(rectOf(0), 70, 100, 40, 10);
  EXPECT_EQ(canvas->renderCount(), 1);
}

TEST_F(EditingTest, KnobDragResizesAndFlipsOverTheAnchor) {
  click(80, 105);
  press(70, 100);
  ASSERT_TRUE(canvas->isAnchored());
  drag(60, 90);
  expectRect(rectOf(0), 60, 90, 50, 20);
  drag(130, 120);
  expectRect(rectOf(0), 110, 110, 20, 10);
  release(130, 120);
  EXPECT_EQ(canvas->selectedShapeIndex(), 0);
  EXPECT_EQ(canvas->renderCount(), 2);
}

TEST_F(EditingTest, KnobTestComesBeforeHitTestOfShapesOnTop) {
  // A rectangle on top that covers billboard 1's origin knob.
  chooseTool("rectangleButton");
  press(60, 90);
  drag(75, 105);
  release(75, 105);
  chooseTool("pointerButton");
  click(90, 105);
  ASSERT_EQ(canvas->selectedShapeIndex(), 0);

  press(70, 100);
  EXPECT_TRUE(canvas->isAnchored());
  EXPECT_EQ(canvas->selectedShapeIndex(), 0);
  drag(65, 95);
  release(65, 95);
  expectRect(rectOf(0), 65, 95, 45, 15);
  expectRect(rectOf(3), 60, 90, 15, 15);
}

TEST_F(EditingTest, DrawingToolsAppendGrayShapeThatTheDragStretches) {
  struct Case {
    const char* button;
    const std::type_info& type;
    double pressX, pressY, dragX, dragY;
    double x, y, w, h;
  } cases[] = {
      {"circleButton", typeid(Circle), 50, 50, 20, 80, 20, 50, 30, 30},
      {"rectangleButton", typeid(Rectangle), 250, 60, 280, 30, 250, 30, 30, 30},
      {"triangleButton", typeid(Triangle), 40, 250, 60, 270, 40, 250, 20, 20},
  };
  for (const Case& c : cases) {
    chooseTool(c.button);
    const std::size_t before = canvas->shapes().size();
    press(c.pressX, c.pressY);
    ASSERT_EQ(canvas->shapes().size(), before + 1) << c.button;
    const Shape& shape = *canvas->shapes().back();
    EXPECT_EQ(typeid(shape), c.type) << c.button;
    EXPECT_TRUE(shape.color() == toolkit::Color::grayColor()) << c.button;
    expectRect(shape.rect(), c.pressX, c.pressY, 0, 0);
    // A zero-size shape contains its own position, so it is selected.
    EXPECT_EQ(canvas->selectedShapeIndex(), static_cast<int>(before)) << c.button;
    drag(c.dragX, c.dragY);
    expectRect(shape.rect(), c.x, c.y, c.w, c.h);
    release(c.dragX, c.dragY);
  }
  EXPECT_EQ(canvas->renderCount(), 1) << "drawing a shape starts no render";
  // The named gray is the toolkit's grey level 0.5, whatever constant the code calls it by.
  canvas->doRender(nullptr);
  EXPECT_EQ(stripAt(265, 45), qRgb(128, 128, 128));

  // A click without a drag draws nothing, reports nothing and gives the
  // selection back; a drag of any size, one unit or along a line, draws.
  int edits = 0, drawn = 0;
  QObject::connect(canvas, &DrawView::edited, canvas, [&] { ++edits; });
  QObject::connect(canvas, &DrawView::shapeDrawn, canvas, [&] { ++drawn; });
  QSignalSpy selections(canvas, &DrawView::selectionChanged);
  for (const int selected : {-1, 1}) {
    canvas->selectShape(selected);
    selections.clear();
    click(150, 40);
    EXPECT_EQ(canvas->shapes().size(), 6u);
    EXPECT_EQ(canvas->selectedShapeIndex(), selected);
    ASSERT_FALSE(selections.isEmpty());
    EXPECT_EQ(selections.last().at(0).toInt(), selected) << "told of the selection given back";
  }
  press(150, 40);
  drag(170, 60);
  drag(150, 40);  // back where it began
  release(150, 40);
  EXPECT_EQ(canvas->shapes().size(), 6u);
  EXPECT_EQ(edits + drawn, 0);
  const struct { double w, h; } drags[] = {{1, 0}, {0, 1}, {30, 0}};
  for (const auto& d : drags) {
    press(150, 40);
    drag(150 + d.w, 40 + d.h);
    release(150 + d.w, 40 + d.h);
    expectRect(canvas->shapes().back()->rect(), 150, 40, d.w, d.h);
  }
  EXPECT_EQ(canvas->shapes().size(), 9u);
  EXPECT_EQ(edits, 3);
  EXPECT_EQ(drawn, 3);
}

TEST_F(EditingTest, DrawingPressOnKnobKeepsSelectionAndStretchesTheNewShape) {
  click(80, 105);
  chooseTool("rectangleButton");
  press(110, 110);
  ASSERT_EQ(canvas->shapes().size(), 4u);
  EXPECT_EQ(canvas->selectedShapeIndex(), 0);
  drag(130, 130);
  expectRect(rectOf(3), 110, 110, 20, 20);
  expectRect(rectOf(0), 70, 100, 40, 10);
  release(130, 130);
  EXPECT_EQ(canvas->renderCount(), 1);
}

// Shapes out of sight (an older file put them there) stand as markers at the
// edge: drawn over the canvas, never captured; a press on one selects its
// shape, which nudges or drags back into sight and loses its marker.
TEST_F(EditingTest, MarkersAtTheEdgeStandForShapesOutOfSight) {
  std::vector<std::unique_ptr<Shape>> shapes;
  shapes.push_back(makeShape<Rectangle>(CGRectMake(-200, 150, 40, 10)));  // far left
  shapes.push_back(makeShape<Triangle>(CGRectMake(100, 313, 40, 20)));    // above the canvas
  shapes.push_back(makeShape<Rectangle>(CGRectMake(120, -112, 40, 10)));  // below it
  shapes.push_back(makeShape<Circle>(CGRectMake(100, 100, 30, 30)));      // in sight
  for (auto& shape : shapes) shape->setColor(toolkit::Color::blackColor());
  canvas->replaceShapes(std::move(shapes));
  canvas->doRender(nullptr);
  settle();
  const CGRect expected[] = {CGRectMake(0, 149, 12, 12), CGRectMake(114, 288, 12, 12),
                             CGRectMake(134, 0, 12, 12)};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(canvas->markerRect(*canvas->shapes()[i]), expected[i]);
  EXPECT_FALSE(canvas->markerRect(*canvas->shapes()[3]));

  // On the screen the left marker is there; the capture has white where it is.
  const QImage screen = canvas->grab().toImage();
  const auto onScreen = [&](int x, int y) { return screen.pixel(x, 299 - y) & 0xffffff; };
  EXPECT_NE(onScreen(5, 155), 0xffffffu);
  EXPECT_EQ(stripAt(5, 155), qRgb(255, 255, 255));
  EXPECT_EQ(canvas->strip(), fixture::shapesAlone(*canvas, canvas->captureRect()));

  // A drawing tool draws over a marker; the Pointer picks its shape.
  chooseTool("rectangleButton");
  click(6, 155);
  EXPECT_EQ(canvas->shapes().size(), 4u);
  EXPECT_EQ(canvas->selectedShapeIndex(), -1);
  chooseTool("pointerButton");
  for (int i : {2, 1, 0}) {
    click(expected[i].origin.x + 6, expected[i].origin.y + 6);
    EXPECT_EQ(canvas->selectedShapeIndex(), i);
  }
  // Each nudge towards the canvas goes all the way; away from it, nowhere.
  QTest::keyClick(handle(), Qt::Key_Left);
  expectRect(rectOf(0), -200, 150, 40, 10);
  for (int i = 0; i < 16; ++i) QTest::keyClick(handle(), Qt::Key_Right, Qt::ShiftModifier);
  expectRect(rectOf(0), -40, 150, 40, 10);
  EXPECT_TRUE(canvas->markerRect(*canvas->shapes()[0]));
  QTest::keyClick(handle(), Qt::Key_Right, Qt::ShiftModifier);
  expectRect(rectOf(0), -30, 150, 40, 10);  // in sight: exactly as asked
  EXPECT_FALSE(canvas->markerRect(*canvas->shapes()[0]));

  // A drag from the marker above brings the triangle down; up, it stays.
  settle();
  EXPECT_NE(canvas->grab().toImage().pixel(120, 299 - 294) & 0xffffff, 0xffffffu);
  press(120, 294);
  EXPECT_EQ(canvas->selectedShapeIndex(), 1);
  drag(120, 299);
  expectRect(rectOf(1), 100, 313, 40, 20);
  settle();
  paints.rects.clear();
  drag(120, 250);
  expectRect(rectOf(1), 100, 264, 40, 20);
  settle();
  EXPECT_TRUE(repainted(QRect(114, 0, 12, 12))) << "the marker's place is repainted";
  release(120, 250);
  EXPECT_FALSE(canvas->markerRect(*canvas->shapes()[1]));
  settle();
  EXPECT_EQ(canvas->grab().toImage().pixel(120, 299 - 294) & 0xffffff, 0xffffffu)
      << "the marker is gone from the screen too";
}

TEST_F(EditingTest, ArrowKeysNudgeTheSelectionAndRenderAtOnce) {
  click(80, 105);
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    double dx, dy;
  } cases[] = {{Qt::Key_Right, Qt::NoModifier, 1, 0},     {Qt::Key_Right, Qt::ShiftModifier, 10, 0},
               {Qt::Key_Up, Qt::NoModifier, 0, 1},        {Qt::Key_Down, Qt::NoModifier, 0, -1},
               {Qt::Key_Left, Qt::ShiftModifier, -10, 0}, {Qt::Key_Up, Qt::ShiftModifier, 0, 10},
               {Qt::Key_Down, Qt::ShiftModifier, 0, -10}, {Qt::Key_Left, Qt::NoModifier, -1, 0}};
  for (const Case& c : cases) {
    const CGRect before = rectOf(0);
    const int renders = canvas->renderCount();
    QTest::keyClick(handle(), c.key, c.modifiers);
    EXPECT_EQ(rectOf(0).origin.x - before.origin.x, c.dx) << c.key << " " << c.modifiers;
    EXPECT_EQ(rectOf(0).origin.y - before.origin.y, c.dy) << c.key << " " << c.modifiers;
    EXPECT_EQ(canvas->renderCount(), renders + 1) << c.key << " " << c.modifiers;
  }
  // The render runs after the move: one step right empties column 70.
  QTest::keyClick(handle(), Qt::Key_Right);
  EXPECT_EQ(stripAt(70, 105), qRgb(255, 255, 255));
  EXPECT_NE(stripAt(109, 105), qRgb(255, 255, 255));
}

TEST_F(EditingTest, OtherKeysRedrawTheSelectionWithoutRendering) {
  click(80, 105);
  settle();
  paints.rects.clear();
  QTest::keyClick(handle(), Qt::Key_A);
  settle();
  expectRect(rectOf(0), 70, 100, 40, 10);
  EXPECT_EQ(canvas->renderCount(), 1);
  EXPECT_EQ(paints.rects, std::vector<QRect>{kBillboard1Bounds});
}

TEST_F(EditingTest, NoKeyActsWithoutSelection) {
  settle();
  paints.rects.clear();
  const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Right, Qt::Key_Up, Qt::Key_A, Qt::Key_Return};
  for (Qt::Key key : keys) {
    QTest::keyClick(handle(), key);
    QTest::keyClick(handle(), key, Qt::ShiftModifier);
  }
  settle();
  EXPECT_EQ(chooserCalls, 0);
  EXPECT_EQ(canvas->renderCount(), 1);
  EXPECT_TRUE(paints.rects.empty());
  expectRect(rectOf(0), 70, 100, 40, 10);
}

TEST_F(EditingTest, SpaceWithCancelledChoiceKeepsTheShapeButRenders) {
  click(80, 105);
  const toolkit::Color colour = canvas->shapes()[0]->color();
  QTest::keyClick(handle(), Qt::Key_Space);
  EXPECT_EQ(chooserCalls, 1);
  EXPECT_TRUE(canvas->shapes()[0]->color() == colour);
  EXPECT_TRUE(canvas->shapes()[0]->image().isNull());
  EXPECT_EQ(canvas->renderCount(), 2);
}

TEST_F(EditingTest, SpaceWithImageFillsTheSelectionWithItsPattern) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(qRgb(200, 30, 60));
  const QString path = dir.filePath("tile.png");
  ASSERT_TRUE(tile.save(path));
  chooserAnswer = path;

  click(80, 105);
  QTest::keyClick(handle(), Qt::Key_Space);
  EXPECT_EQ(chooserCalls, 1);
  EXPECT_TRUE(canvas->shapes()[0]->color().isPattern());
  EXPECT_EQ(canvas->shapes()[0]->image().size(), QSize(4, 4));
  EXPECT_EQ(canvas->renderCount(), 2);
  EXPECT_EQ(stripAt(80, 105), qRgb(200, 30, 60)) << "the render captured the pattern";
}

TEST_F(EditingTest, DeadKeyWithoutCharactersIsIgnored) {
  for (bool selected : {false, true}) {
    if (selected) click(80, 105);
    const int renders = canvas->renderCount();
    QTest::sendKeyEvent(QTest::Press, handle(), Qt::Key_Dead_Acute, QString(), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, handle(), Qt::Key_Dead_Acute, QString(), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Press, handle(), Qt::Key_Dead_Acute, QString(), Qt::ShiftModifier);
    EXPECT_EQ(canvas->renderCount(), renders);
    expectRect(rectOf(0), 70, 100, 40, 10);
  }
  EXPECT_EQ(chooserCalls, 0);
}

}  // namespace
