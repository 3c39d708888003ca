// Resident memory held flat over many renders, optics changes and edits.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <algorithm>

#include "app/editactions.h"
#include "harness.h"
#include "toolkit/controls.h"
#include "toolkit/openpanel.h"

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

// Fill with a large image read anew each time, nudge, recolour: every fill
// brings 8 MB of new pixels that only the undo history keeps once the colour
// replaces it. The history forgets its oldest steps past its image budget, so
// memory levels off instead of growing with every edit. The history's own
// count of bytes is exact; resident memory is not (the allocator keeps some
// freed 4 MB blocks for reuse), so it is held under one budget: a history that
// kept its fills would grow by 300 edits / 3 x 8 MB = 800 MB.
TEST(Memory, LongUndoHistoryOfLargeImagesHoldsResidentMemoryFlat) {
  constexpr qint64 kBudget = 32 << 20;
  auto window = reliability::openWindow();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto* edits = window->findChild<EditActions*>(QStringLiteral("editActions"));
  ASSERT_NE(edits, nullptr);
  edits->setHistoryBudget(kBudget);
  int colours = 0;
  edits->setColorChooser([&colours](const QColor&) { return QColor(++colours % 256, 40, 200); });
  QTemporaryDir dir;
  QImage large(1000, 1000, QImage::Format_RGB32);  // 4 MB, and 4 MB again as the pattern
  large.fill(qRgb(20, 140, 70));
  const QString path = dir.filePath("large.bmp");
  ASSERT_TRUE(large.save(path));
  toolkit::setFileChooser([&path] { return std::optional<QString>(path); });

  DrawView& canvas = *window->drawView();
  QWindow* handle = window->windowHandle();
  QTest::mouseClick(handle, Qt::LeftButton, {}, reliability::canvasPoint(canvas, 80, 105));
  ASSERT_EQ(canvas.selectedShapeIndex(), 0);

  // 350 = kSettle + 300, so both measurements fall at the same point of the cycle.
  qint64 peak = 0;
  const long growth = growthAfterSettling(350, [&](int i) {
    peak = std::max(peak, edits->historyBytes());
    switch (i % 3) {
      case 0:
        QTest::keyClick(handle, Qt::Key_Space);
        break;
      case 1:
        QTest::keyClick(handle, Qt::Key_Right);
        break;
      default:
        QTest::keyClick(handle, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }
  });
  toolkit::setFileChooser({});

  const QUndoStack& stack = *window->undoStack();
  EXPECT_EQ(stack.count(), EditActions::kUndoLimit);
  EXPECT_LE(peak, kBudget);
  EXPECT_LE(edits->historyBytes(), kBudget);
  EXPECT_GT(edits->historyBytes(), kBudget / 2);
  EXPECT_TRUE(reliability::renderMatchesScene(canvas));
  EXPECT_LT(growth, kBudget);
  std::printf(
      "350 edits (117 fills of 8 MB): history of %d steps keeps %lld KB of images; resident "
      "memory %ld MB, grew by %ld KB after the first %d\n",
      static_cast<int>(stack.count()), static_cast<long long>(edits->historyBytes() / 1024),
      reliability::residentBytes() >> 20, growth / 1024, kSettle);
}

}  // namespace
