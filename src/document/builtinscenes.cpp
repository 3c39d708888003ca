#include "document/builtinscenes.h"

#include <QColor>
#include <QCoreApplication>
#include <array>
#include <random>

using toolkit::Color;

namespace {

// The plane lines lie at y = 10 and y = 290; depth λ runs from 0 on the lower
// line to 1 on the upper one.
double heightAt(double lambda) {
  return 10 + 280 * lambda;
}

Color rgb(double r, double g, double b) {
  return Color::colorWithCalibratedRed(r, g, b, 1);
}

template <class T>
void add(ShapeList& shapes, CGRect rect, const Color& color) {
  auto shape = makeShape<T>(rect);
  shape->setColor(color);
  shapes.push_back(std::move(shape));
}

const Color kOrange = rgb(1.0, 0.8, 0.4);
const Color kGreen = rgb(0.4, 0.97, 0.4);
const Color kBlue = rgb(0.4, 0.6, 1.0);
const Color kRed = rgb(0.9, 0.2, 0.2);
const Color kPurple = rgb(0.6, 0.3, 0.8);

// The canvas's own starting scene.
ShapeList billboards(quint32) {
  ShapeList s;
  add<Rectangle>(s, CGRectMake(70, 100, 40, 10), kOrange);
  add<Rectangle>(s, CGRectMake(130, 150, 40, 10), kGreen);
  add<Rectangle>(s, CGRectMake(190, 200, 40, 10), kBlue);
  return s;
}

ShapeList twoDots(quint32) {
  ShapeList s;
  add<Circle>(s, CGRectMake(147, heightAt(0.25) - 3, 6, 6), kRed);
  add<Circle>(s, CGRectMake(147, heightAt(0.75) - 3, 6, 6), kBlue);
  return s;
}

ShapeList occluder(quint32) {
  ShapeList s;
  add<Rectangle>(s, CGRectMake(40, heightAt(0.7), 220, 12), kBlue);
  add<Rectangle>(s, CGRectMake(125, heightAt(0.3), 50, 12), kOrange);
  return s;
}

ShapeList picketFence(quint32) {
  ShapeList s;
  for (int i = 0; i < 9; ++i) add<Rectangle>(s, CGRectMake(17 + 30 * i, 90, 8, 10), kGreen);
  return s;
}

ShapeList depthLadder(quint32) {
  const std::array<Color, 5> colours = {kRed, kOrange, kGreen, kBlue, kPurple};
  ShapeList s;
  for (int i = 0; i < 5; ++i) {
    add<Rectangle>(s, CGRectMake(30 + 50 * i, static_cast<int>(heightAt((i + 1) / 6.0)) - 4, 40, 8),
                   colours[i]);
  }
  return s;
}

ShapeList blank(quint32) {
  return {};
}

ShapeList randomScene(quint32 seed) {
  std::mt19937 rng(seed);
  auto between = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  ShapeList s;
  const int count = between(3, 8);
  for (int i = 0; i < count; ++i) {
    const CGRect rect =
        CGRectMake(between(10, 250), between(20, 260), between(8, 50), between(4, 24));
    const QColor c = QColor::fromHsv(between(0, 359), between(120, 255), between(160, 255));
    auto shape =
        makeShapeOfKind(std::array{"Rectangle", "Circle", "Triangle"}[between(0, 2)], rect);
    shape->setColor(rgb(c.redF(), c.greenF(), c.blueF()));
    s.push_back(std::move(shape));
  }
  return s;
}

}  // namespace

std::span<const BuiltInScene> builtInScenes() {
  static const BuiltInScene scenes[] = {
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Billboards")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "Three bars at three depths: each is a band in ray space, its slope set by "
           "its depth.")),
       billboards},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Two Dots")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "Dots at a quarter and three quarters of the way up: two lines of different "
           "slopes in ray space.")),
       twoDots},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Occluder")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "A bar in front of a wider wall: where both lie on a ray, ray space shows the "
           "one nearer the lower line.")),
       occluder},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Picket Fence")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "Bars at one depth: sharp stripes in the photo only when the focus reaches "
           "their depth.")),
       picketFence},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Depth Ladder")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "Five bars at evenly spaced heights: sweep the focus to bring each into focus "
           "in turn.")),
       depthLadder},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Blank")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "An empty scene: white rays and a white photo, ready for shapes of your own.")),
       blank},
      {QString::fromUtf8(QT_TRANSLATE_NOOP("BuiltInScenes", "Random")),
       QString::fromUtf8(QT_TRANSLATE_NOOP(
           "BuiltInScenes",
           "Shapes of random kinds, places and colours: guess their depths from ray "
           "space.")),
       randomScene, true},
  };
  return scenes;
}

QString BuiltInScene::title() const {
  return QCoreApplication::translate("BuiltInScenes", name.toUtf8().constData());
}

QString BuiltInScene::description() const {
  return QCoreApplication::translate("BuiltInScenes", caption.toUtf8().constData());
}
