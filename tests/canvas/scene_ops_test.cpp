// The whole-scene edits keep the selection on its shape, or −1, under any sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "../support/window_fixture.h"
#include "scene/insight.h"
#include "toolkit/test_printers.h"

namespace {

const Shape* selected(const DrawView& canvas) {
  const int i = canvas.selectedShapeIndex();
  return i == -1 ? nullptr : canvas.shapes()[i].get();
}

TEST(SceneOps, SelectionFollowsItsShapeThroughRandomEdits) {
  fixture::CanvasRig rig;
  DrawView& canvas = rig.canvas;
  std::mt19937 random(7);
  int notices = 0;
  QObject::connect(&canvas, &DrawView::selectionChanged, [&](int) { ++notices; });
  for (int step = 0; step < 2000; ++step) {
    const int n = static_cast<int>(canvas.shapes().size());
    auto pick = [&](int extra) { return static_cast<int>(random() % (n + extra)) - 1; };
    const Shape* before = selected(canvas);
    switch (random() % 5) {
      case 0:
        canvas.insertShape(pick(2), makeShape<Circle>(CGRectMake(step % 250, 50, 20, 20)));
        EXPECT_EQ(selected(canvas), before);
        break;
      case 1: {
        const int index = pick(1);
        const Shape* target = index >= 0 && index < n ? canvas.shapes()[index].get() : nullptr;
        std::unique_ptr<Shape> removed = canvas.removeShape(index);
        EXPECT_EQ(removed.get(), target);
        EXPECT_EQ(selected(canvas), before == target ? nullptr : before);
        break;
      }
      case 2:
        canvas.moveShape(pick(1), pick(1));
        EXPECT_EQ(selected(canvas), before);
        break;
      case 3:
        canvas.selectShape(pick(1));
        break;
      default:
        if (step % 50 == 0) {
          std::vector<std::unique_ptr<Shape>> shapes;
          shapes.push_back(makeShape<Rectangle>(CGRectMake(10, 20, 30, 40)));
          canvas.replaceShapes(std::move(shapes));
          EXPECT_EQ(canvas.selectedShapeIndex(), -1);
        }
    }
    const int index = canvas.selectedShapeIndex();
    ASSERT_TRUE(index >= -1 && index < static_cast<int>(canvas.shapes().size()));
  }
  EXPECT_GT(notices, 0);
}

CGRect rubberBand(CGPoint a, CGPoint b) {
  return CGRectMake(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x),
                    std::abs(a.y - b.y));
}

// Drags, resizes and nudges (with and without Shift) in every direction
// through the canvas's own handlers: no shape ever leaves sight, and every
// step that stays in sight is exactly the step asked for, to the bit.
TEST(SceneOps, GesturesNeverTakeAShapeOutOfSight) {
  fixture::CanvasRig rig;
  DrawView& canvas = rig.canvas;
  const CGRect bounds = canvas.bounds();
  const auto rectOf = [&](int i) { return canvas.shapes()[i]->rect(); };
  int exact = 0, stopped = 0;
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto uniform = [&](int lo, int hi) {
      return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    const auto size = [&] { return uniform(0, 3) == 0 ? uniform(0, 3) : uniform(5, 250); };
    std::vector<std::unique_ptr<Shape>> shapes;
    for (const char* kind : {"Rectangle", "Circle", "Triangle", "Rectangle"}) {
      const CGRect r = CGRectMake(uniform(-100, 350), uniform(-100, 350), size(), size());
      shapes.push_back(makeShapeOfKind(kind, insight::keptPlace(r, bounds)));
    }
    canvas.replaceShapes(std::move(shapes));
    const auto step = [&](int index, CGRect asked, const char* what) {
      const CGRect got = rectOf(index);
      if (insight::isInSight(asked, bounds)) {
        ++exact;
        ASSERT_EQ(got, asked) << what;
      } else {
        ++stopped;
        ASSERT_TRUE(insight::isInSight(got, bounds)) << what << " " << testing::PrintToString(got);
      }
    };
    for (int gesture = 0; gesture < 40; ++gesture) {
      const int n = static_cast<int>(canvas.shapes().size());
      const int index = uniform(0, n - 1);
      canvas.selectShape(index);
      const CGRect r = rectOf(index);
      const int kind = uniform(0, 2);
      if (kind == 2) {
        const bool shift = uniform(0, 1) == 1;
        const double d = shift ? 10 : 1;
        const struct {
          char16_t key;
          double dx, dy;
        } arrows[] = {{toolkit::kUpArrowKey, 0, d},
                      {toolkit::kDownArrowKey, 0, -d},
                      {toolkit::kLeftArrowKey, -d, 0},
                      {toolkit::kRightArrowKey, d, 0}};
        const auto& arrow = arrows[uniform(0, 3)];
        for (int i = uniform(1, 30); i > 0; --i) {
          const CGRect before = rectOf(index);
          canvas.keyDown(
              toolkit::Event({}, QString(QChar(arrow.key)), shift ? toolkit::kShiftKeyMask : 0));
          step(index, NSOffsetRect(before, arrow.dx, arrow.dy), "nudge");
        }
        continue;
      }
      // A drag from inside the shape or a resize from one of its corners.
      const double cx =
          kind == 0 ? r.origin.x + r.size.width / 2 : r.origin.x + r.size.width * uniform(0, 1);
      const double cy =
          kind == 0 ? r.origin.y + r.size.height / 2 : r.origin.y + r.size.height * uniform(0, 1);
      CGPoint last{std::clamp(std::round(cx), 0.0, 299.0), std::clamp(std::round(cy), 0.0, 299.0)};
      canvas.mouseDown(toolkit::Event::mouse(last));
      const int moving = canvas.selectedShapeIndex();
      const bool anchored = canvas.isAnchored();
      const CGPoint anchor = canvas.anchorPoint();
      // Far past the edges too: the mouse leaves the canvas while it drags.
      const double dx = uniform(-40, 40), dy = uniform(-40, 40);
      for (int i = uniform(1, 12); i > 0; --i) {
        const CGPoint p{last.x + dx + uniform(-5, 5), last.y + dy + uniform(-5, 5)};
        const CGRect before = moving == -1 ? CGRect{} : rectOf(moving);
        canvas.mouseDragged(toolkit::Event::mouse(p));
        if (moving != -1) {
          step(moving,
               anchored ? rubberBand(anchor, p) : NSOffsetRect(before, p.x - last.x, p.y - last.y),
               anchored ? "resize" : "drag");
        }
        last = p;
      }
      canvas.mouseUp(toolkit::Event::mouse(last));
      for (int i = 0; i < n; ++i) ASSERT_TRUE(insight::isInSight(rectOf(i), bounds)) << i;
    }
  }
  // Both kinds of step came often.
  EXPECT_GT(exact, 300);
  EXPECT_GT(stopped, 100);
}

TEST(SceneOps, CloneKeepsKindRectColourAndImage) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(qRgb(10, 200, 30));
  for (const char* kind : {"Rectangle", "Circle", "Triangle"}) {
    std::unique_ptr<Shape> shape =
        makeShapeOfKind(QString::fromLatin1(kind), CGRectMake(5, 6, 70, 80));
    shape->setImage(image);
    std::unique_ptr<Shape> copy = shape->clone();
    EXPECT_EQ(copy->kind(), QString::fromLatin1(kind));
    EXPECT_EQ(copy->rect(), shape->rect());
    EXPECT_EQ(copy->image(), shape->image());
    EXPECT_TRUE(copy->bezierPath().containsPoint({40, 40}));
    copy->setImage(QImage());
    EXPECT_TRUE(copy->image().isNull());
    EXPECT_FALSE(shape->image().isNull());
    // Without its fill a shape has the plain colour it had before the fill.
    EXPECT_EQ(copy->color(), toolkit::Color::grayColor());
    shape->setColor(toolkit::Color::redColor());
    shape->setImage(image);
    shape->setImage(image);
    shape->setImage(QImage());
    EXPECT_EQ(shape->color(), toolkit::Color::redColor());
  }
  EXPECT_EQ(makeShapeOfKind(QStringLiteral("Pointer"), CGRectMake(0, 0, 1, 1)), nullptr);
}

}  // namespace
