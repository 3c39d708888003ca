// Start-up under unusual screen scales and arguments. CTest runs this binary
// several times (see CMakeLists.txt) with QT_SCALE_FACTOR set, or with
// arguments for the toolkit; the OMBREL_EXPECT_* variables say what that run
// must observe, so a setting that silently did not apply fails the run.
#include <gtest/gtest.h>

#include <QStyle>

#include "harness.h"

namespace {

struct Billboard {
  int x, y;
  float red, green, blue;
};
constexpr Billboard kBillboards[] = {
    {70, 100, 1.0f, 0.8f, 0.4f}, {130, 150, 0.4f, 0.97f, 0.4f}, {190, 200, 0.4f, 0.6f, 1.0f}};

// The starting strip, 300 x 280: white, and each 40 x 10 billboard at (x, y)
// covering canvas pixels x .. x + 38 and y .. y + 8 (the outline is inset by
// half a unit and a pixel counts when its centre lies inside).
std::vector<unsigned char> startingStrip() {
  constexpr int n = 300, h = 280, top = 290;
  std::vector<unsigned char> strip(3 * n * h, 255);
  for (const Billboard& b : kBillboards) {
    const QColor c = QColor::fromRgbF(b.red, b.green, b.blue);
    for (int py = b.y; py <= b.y + 8; ++py) {
      for (int px = b.x; px <= b.x + 38; ++px) {
        unsigned char* p = &strip[3 * ((top - 1 - py) * n + px)];
        p[0] = static_cast<unsigned char>(c.red());
        p[1] = static_cast<unsigned char>(c.green());
        p[2] = static_cast<unsigned char>(c.blue());
      }
    }
  }
  return strip;
}

TEST(Startup, WindowRendersTheStartingScene) {
  auto window = reliability::openWindow();
  const DrawView& canvas = *window->drawView();

  ASSERT_EQ(canvas.renderCount(), 1);
  ASSERT_EQ(canvas.stripWidth(), 300);
  ASSERT_EQ(canvas.stripHeight(), 280);
  EXPECT_TRUE(canvas.strip() == startingStrip()) << "the starting strip is not the three bars";
  EXPECT_TRUE(reliability::renderMatchesScene(canvas));
  ASSERT_NE(canvas.photoRow(), nullptr);
}

TEST(Startup, SettingsOfThisRunApplied) {
  auto window = reliability::openWindow();
  if (qEnvironmentVariableIsSet("OMBREL_EXPECT_SCALE")) {
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(),
                     qEnvironmentVariable("OMBREL_EXPECT_SCALE").toDouble());
  } else {
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), 1.0);
  }
  if (qEnvironmentVariableIsSet("OMBREL_EXPECT_STYLE")) {
    EXPECT_EQ(QApplication::style()->name().toLower(),
              qEnvironmentVariable("OMBREL_EXPECT_STYLE").toLower());
  }
  // Arguments that the toolkit does not know stay in its list, unchanged.
  const QStringList arguments = QCoreApplication::arguments();
  for (const QString& expected :
       qEnvironmentVariable("OMBREL_EXPECT_ARGS").split(u' ', Qt::SkipEmptyParts)) {
    EXPECT_TRUE(arguments.contains(expected)) << expected.toStdString() << " not handed over";
  }
}

}  // namespace
