// The whole-scene edits keep the selection on its shape, or −1, under any sequence.
#include <gtest/gtest.h>

#include <random>

#include "../support/window_fixture.h"

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
