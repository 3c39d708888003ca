// Resident memory held flat over many renders and optics changes.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "harness.h"
#include "toolkit/controls.h"

// AddressSanitizer holds freed blocks back in a quarantine, so resident memory
// grows by design; with the quarantine off, blocks are reused at once as in a
// normal build and a bound on growth means something again. Leak checking
// stays on.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
}
#endif

namespace {

constexpr long kMaxGrowth = 1L << 20;
constexpr int kSettle = 50;

// Runs `step` count times; answers the growth of resident memory after the
// first kSettle steps, by which time the allocators have reached their size.
template <class Step>
long growthAfterSettling(int count, Step step) {
  long settled = 0;
  for (int i = 0; i < count; ++i) {
    if (i == kSettle) settled = reliability::residentBytes();
    step(i);
  }
  return reliability::residentBytes() - settled;
}

TEST(Memory, RendersHoldResidentMemoryFlat) {
  auto window = reliability::openWindow();
  DrawView& canvas = *window->drawView();
  auto* render = reliability::child<QAbstractButton>(*window, "renderButton");
  const QPoint button = reliability::inWindow(*render, render->rect().center());
  const int before = canvas.renderCount();

  const long growth = growthAfterSettling(1000, [&](int) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, button);
    QApplication::processEvents();
  });

  EXPECT_EQ(canvas.renderCount(), before + 1000);
  EXPECT_TRUE(reliability::renderMatchesScene(canvas));
  EXPECT_LT(growth, kMaxGrowth);
  std::printf("1000 renders: resident memory grew by %ld KB after the first %d\n", growth / 1024,
              kSettle);
}

TEST(Memory, OpticsChangesHoldResidentMemoryFlat) {
  auto window = reliability::openWindow();
  auto* focus = reliability::child<toolkit::Slider>(*window, "focusSlider");
  auto* dof = reliability::child<toolkit::Slider>(*window, "dofSlider");

  // Alternate the two sliders over their whole ranges, as a user dragging them would.
  const long growth = growthAfterSettling(10000, [&](int i) {
    toolkit::Slider* slider = i % 2 ? dof : focus;
    const int span = slider->maximum() - slider->minimum() + 1;
    slider->setValue(slider->minimum() + (i * 37) % span);
    if (i % 10 == 0) QApplication::processEvents();
  });

  const DrawView& canvas = *window->drawView();
  ASSERT_NE(canvas.photoRow(), nullptr);
  EXPECT_LT(growth, kMaxGrowth);
  std::printf("10000 optics changes: resident memory grew by %ld KB after the first %d\n",
              growth / 1024, kSettle);
}

}  // namespace
