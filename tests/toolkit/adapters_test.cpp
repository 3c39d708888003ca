#include <gtest/gtest.h>

#include <QKeyEvent>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/controls.h"
#include "toolkit/event.h"

using toolkit::Event;

TEST(Event, FromKeyGivesArrowCodesTextAndShiftBit) {
  const struct {
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    QString want;
    unsigned long flags;
  } cases[] = {
      {Qt::Key_Up, Qt::NoModifier, {}, QString(QChar(0xF700)), 0},
      {Qt::Key_Down, Qt::NoModifier, {}, QString(QChar(0xF701)), 0},
      {Qt::Key_Left, Qt::KeypadModifier, {}, QString(QChar(0xF702)), 0},
      {Qt::Key_Right, Qt::ShiftModifier, {}, QString(QChar(0xF703)), 0x20000},
      {Qt::Key_Space, Qt::NoModifier, " ", " ", 0},
      {Qt::Key_A, Qt::ShiftModifier, "A", "A", 0x20000},
      {Qt::Key_A, Qt::ControlModifier, "\x01", "\x01", 0x40000},
  };
  for (const auto& c : cases) {
    const QKeyEvent key(QEvent::KeyPress, c.key, c.mods, c.text);
    const Event e = Event::fromKey(key);
    EXPECT_EQ(e.characters(), c.want) << c.key;
    EXPECT_EQ(e.modifierFlags(), c.flags) << c.key;
  }
}

TEST(Slider, FloatValueIsStepsOverScale) {
  toolkit::Slider slider;
  slider.setRange(-900, 900);
  slider.setValueScale(10);
  for (int v : {0, 15, 123, -7, 900}) {
    slider.setValue(v);
    EXPECT_EQ(slider.floatValue(), static_cast<float>(v) / 10.0f) << v;
  }
  slider.setValueScale(0);  // refused: a zero scale would divide by zero
  EXPECT_EQ(slider.valueScale(), 1);
  EXPECT_EQ(slider.intValue(), 900);
}

TEST(Bitmap, ImageOverPackedRGBSharesTheBufferRowZeroOnTop) {
  // 3 x 2: odd width, so a padded image would show the rows shifted.
  const std::vector<unsigned char> buffer = {1,  2,  3,  4,  5,  6,  7,  8,  9,
                                             10, 11, 12, 13, 14, 15, 16, 17, 18};
  const QImage image = toolkit::imageOverPackedRGB(buffer.data(), 3, 2);
  EXPECT_EQ(image.constBits(), buffer.data());
  EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_EQ(image.pixel(2, 0), qRgb(7, 8, 9));
  EXPECT_EQ(image.pixel(0, 1), qRgb(10, 11, 12));
  EXPECT_EQ(image.pixel(2, 1), qRgb(16, 17, 18));
  EXPECT_TRUE(toolkit::imageOverPackedRGB(nullptr, 3, 2).isNull());
  EXPECT_TRUE(toolkit::imageOverPackedRGB(buffer.data(), 0, 2).isNull());
}

TEST(Bitmap, CopyToPackedRGBDropsRowPaddingAndExtraPixels) {
  for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
    QImage image(5, 3, format);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x, y, 10 * x + y));
    }
    std::vector<unsigned char> strip(3 * 3 * 2, 0xAA);
    toolkit::copyToPackedRGB(image, 3, 2, strip.data());
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        const unsigned char* px = &strip[3 * (y * 3 + x)];
        EXPECT_EQ(px[0], x);
        EXPECT_EQ(px[1], y);
        EXPECT_EQ(px[2], 10 * x + y) << format;
      }
    }
  }
}
