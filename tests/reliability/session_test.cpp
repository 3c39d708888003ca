// A long random session on the real window. Every event goes through the
// window as a user's would; after each one the scene, the buffers and the
// views must still agree, and every change of the scene must be one undo step
// that undoes and redoes exactly. At the end everything is undone back to the
// start and redone to the end. OMBREL_SESSION_SEED and OMBREL_SESSION_EVENTS
// replay or lengthen a session.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QUndoStack>
#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "app/documentdialogs.h"
#include "app/editactions.h"
#include "harness.h"
#include "support/scene_state.h"
#include "toolkit/controls.h"
#include "toolkit/openpanel.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace {

using reliability::exact;
using reliability::inWindow;

constexpr double kDegreesToRadians = 0.017453292500000002;

unsigned long envNumber(const char* name, unsigned long fallback) {
  bool ok = false;
  const unsigned long value = qEnvironmentVariable(name).toULong(&ok);
  return ok ? value : fallback;
}

// The handle of `slider` in its own pixels, as its style lays it out.
QRect sliderHandle(const QSlider& slider) {
  QStyleOptionSlider option;
  option.initFrom(&slider);
  option.orientation = slider.orientation();
  option.minimum = slider.minimum();
  option.maximum = slider.maximum();
  option.sliderPosition = slider.sliderPosition();
  option.sliderValue = slider.value();
  option.singleStep = slider.singleStep();
  option.pageStep = slider.pageStep();
  option.tickPosition = slider.tickPosition();
  option.tickInterval = slider.tickInterval();
  option.upsideDown = slider.invertedAppearance();
  return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                        &slider);
}

// Qt's messages during the session. Two are expected and dropped: QTest's
// note on a move beyond the window (which it still delivers) and the
// offscreen platform's note on size hints. Anything else is kept.
std::vector<std::string> unexpectedMessages;
QtMessageHandler previousHandler = nullptr;

void keepUnexpected(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // The offscreen platform's notes of what it cannot do (raise(), size hints) are
  // the platform's, not the app's: a menu opened by the session raises its popup.
  if (message.contains(QLatin1String("occurs outside target window")) ||
      message.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  unexpectedMessages.push_back(message.toStdString());
  if (previousHandler != nullptr) previousHandler(type, context, message);
}

bool onOrInside(const QWidget& view, QPoint windowPixel) {
  const QPoint p = windowPixel - inWindow(view, QPoint(0, 0));
  return p.x() >= 0 && p.x() <= view.width() && p.y() >= 0 && p.y() <= view.height();
}

class Session {
 public:
  Session(MainWindow& window, unsigned long seed, const QString& goodImage, const QString& badFile)
      : w_(window), rng_(seed), good_(goodImage), bad_(badFile) {
    canvas_ = w_.drawView();
    rays_ = w_.renderView();
    photo_ = w_.photoView();
    handle_ = w_.windowHandle();
    for (const char* name :
         {"pointerButton", "rectangleButton", "circleButton", "triangleButton"}) {
      tools_.push_back(reliability::child<QAbstractButton>(w_, name));
    }
    focus_ = reliability::child<toolkit::Slider>(w_, "focusSlider");
    dof_ = reliability::child<toolkit::Slider>(w_, "dofSlider");
    render_ = reliability::child<QAbstractButton>(w_, "renderButton");
    takePhoto_ = reliability::child<QAbstractButton>(w_, "takePhotoButton");
    axes_ = reliability::child<QAbstractButton>(w_, "axesButton");
    toolkit::setFileChooser([this] { return answer_; });
    // Unbounded here, so the whole session can be undone.
    stack_ = w_.undoStack();
    stack_->setUndoLimit(0);
    edits_ = w_.findChild<EditActions*>(QStringLiteral("editActions"));
    edits_->setColorChooser([this](const QColor&) -> std::optional<QColor> {
      if (pick(4) == 0) return std::nullopt;
      return QColor(pick(256), pick(256), pick(256));
    });
    edits_->setSeedSource([this] { return static_cast<quint32>(rng_()); });
    startStrip_ = canvas_->strip();
    lastScene_ = fixture::sceneState(*canvas_);
  }
  ~Session() {
    if (down_) QTest::mouseRelease(handle_, Qt::LeftButton, {}, last_);
    toolkit::setFileChooser({});
  }

  // Runs one random event and describes it in `what`.
  void step(std::string& what) {
    std::ostringstream out;
    rendersBefore_ = canvas_->renderCount();
    action_ = false;
    redoing_ = false;
    const int kind = pick(down_ ? 100 : 115);
    if (down_) {
      // While the button is held: drag 45%, release 30%, a key 15%, an
      // editing shortcut 10% (which waits for the release).
      if (kind < 45) {
        drag(out);
      } else if (kind < 75) {
        release(out);
      } else if (kind < 90) {
        key(out);
      } else {
        editAction(out);
      }
      return finish(out, what);
    }
    // Percentages of each event with the button up.
    struct Share {
      int upTo;
      std::function<void()> run;
    };
    const Share shares[] = {
        {30, [&] { press(out); }},
        {42, [&] { hover(out); }},
        {60, [&] { key(out); }},
        {68, [&] { clickTool(out); }},
        {78, [&] { space(out); }},
        {84, [&] { sweepSlider(out); }},
        {90, [&] { click(render_, "render", out); }},
        {96, [&] { click(takePhoto_, "take photo", out); }},
        {100, [&] { click(axes_, "axes toggle", out); }},
        {115, [&] { editAction(out); }},
    };
    for (const Share& share : shares) {
      if (kind < share.upTo) {
        share.run();
        break;
      }
    }
    finish(out, what);
  }

  void finish(const std::ostringstream& out, std::string& what) {
    // A press on the menu bar opens a popup; close it so that no later
    // event lands on a menu item by chance.
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QApplication::processEvents();
    what = out.str();
  }

  // Checks everything that must hold after any event.
  void check() {
    const int selected = canvas_->selectedShapeIndex();
    ASSERT_TRUE(selected == -1 || (selected >= 0 && selected < int(canvas_->shapes().size())))
        << "selection " << selected << " of " << canvas_->shapes().size() << " shapes";
    ASSERT_GT(canvas_->renderCount(), 0) << "the first render never ran";

    const int n = canvas_->stripWidth(), h = canvas_->stripHeight();
    ASSERT_EQ(n, 300);
    ASSERT_EQ(h, 280);
    ASSERT_NE(canvas_->displayedRays(), nullptr);
    ASSERT_NE(canvas_->cleanRays(), nullptr);
    ASSERT_NE(canvas_->photoRow(), nullptr);
    ASSERT_EQ(canvas_->strip().size(), 3u * n * h);
    // The views show the canvas's own blocks, at their full size.
    ASSERT_EQ(rays_->image().size(), QSize(n, n));
    ASSERT_EQ(rays_->image().constBits(), canvas_->displayedRays());
    ASSERT_EQ(photo_->image().size(), QSize(n, 1));
    ASSERT_EQ(photo_->image().constBits(), canvas_->photoRow());

    if (canvas_->renderCount() != renders_) {
      renders_ = canvas_->renderCount();
      ASSERT_TRUE(reliability::renderMatchesScene(*canvas_));
    }
    checkPhoto(n);
    if (hovered_) {
      checkRayOverlay(*hovered_);
      ++hoverChecks_;
    }
    ASSERT_EQ(canvas_->selectedTool(), toolkit::selectedCellTitle(tools_[0]->group()));
    ASSERT_TRUE(unexpectedMessages.empty()) << "Qt said: " << unexpectedMessages.front();
    // A gesture on the canvas becomes a step at its release; a button held
    // anywhere else leaves the editing actions free.
    if (!canvas_->isTracking()) checkHistory();
  }

  // Takes back every step, checking each state on the way, until the scene
  // and its capture are those of the start; then redoes every step to the end.
  void undoAndRedoEverything() {
    if (down_) {
      std::ostringstream out;
      release(out);
      finish(out, lastWhat_);
      check();
    }
    const fixture::SceneState end = fixture::sceneState(*canvas_);
    const std::vector<unsigned char> endStrip = reliability::shapesOnlyStrip(*canvas_);
    const int steps = stack_->index();
    for (int i = 0; i < steps; ++i) {
      action_ = true;
      redoing_ = false;
      rendersBefore_ = canvas_->renderCount();
      QTest::keyClick(handle_, Qt::Key_Z, Qt::ControlModifier);
      ASSERT_NO_FATAL_FAILURE(check()) << "undoing step " << steps - i;
    }
    ASSERT_EQ(stack_->index(), 0);
    ASSERT_EQ(lastScene_.shapes, start_.shapes);
    ASSERT_TRUE(canvas_->strip() == startStrip_) << "capture after undoing everything";
    for (int i = 0; i < steps; ++i) {
      action_ = true;
      rendersBefore_ = canvas_->renderCount();
      redoing_ = true;
      QTest::keyClick(handle_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      ASSERT_NO_FATAL_FAILURE(check()) << "redoing step " << i + 1;
    }
    ASSERT_EQ(fixture::sceneState(*canvas_).shapes, end.shapes);
    ASSERT_TRUE(canvas_->strip() == endStrip) << "capture after redoing everything";
    std::printf("undid and redid %d steps\n", steps);
  }

  // Every change of the scene is one step: a new step (or two, for a drawing
  // gesture that also nudged another shape), a merged nudge, an undo that
  // lands exactly on the state before its step, or a redo that lands exactly
  // on the state after it. An editing action renders once when it changes
  // the history and not at all otherwise.
  void checkHistory() {
    const fixture::SceneState now = fixture::sceneState(*canvas_);
    const int i = stack_->index(), c = stack_->count();
    const bool changed = i != lastIndex_ || c != lastCount_;
    if (i == lastIndex_ && c <= lastCount_ && c == i) {  // no step, or a merged nudge
      if (now.shapes != lastScene_.shapes) {
        ASSERT_GT(i, 0) << "the scene changed without an undo step";
        ASSERT_EQ(stack_->command(i - 1)->id(), 1) << "the scene changed without an undo step";
        ASSERT_EQ(now.shapes.size(), lastScene_.shapes.size()) << "a nudge added or removed shapes";
        truncate(i);
        after_[i] = now;
      } else {
        ASSERT_EQ(c, lastCount_) << "the history changed without a step";
      }
    } else if (i == lastIndex_ + 1 && redoing_) {
      ++redos_;
      if (after_[i]) {
        ASSERT_EQ(now, *after_[i]) << "redo of step " << i;
      }
    } else if (i == lastIndex_ + 1 && c == i) {
      ++pushes_;
      truncate(i);
      before_[i] = lastScene_;
      after_[i] = now;
    } else if (i == lastIndex_ + 2 && c == i) {
      truncate(i);
      before_[i - 1] = lastScene_;
      after_[i - 1].reset();  // the state between the two is never seen
      after_[i] = now;
      ++twoSteps_;
    } else if (i == lastIndex_ - 1) {
      ++undos_;
      if (before_[lastIndex_]) {
        ASSERT_EQ(now, *before_[lastIndex_]) << "undo of step " << lastIndex_;
      }
      if (c < lastCount_) truncate(i);  // nudges that cancelled out
    } else if (i != lastIndex_ || c != lastCount_) {
      FAIL() << "history went from " << lastIndex_ << "/" << lastCount_ << " to " << i << "/" << c;
    }
    if (action_) {
      ASSERT_EQ(canvas_->renderCount() - rendersBefore_, changed ? 1 : 0)
          << "renders after an editing action";
    }
    lastScene_ = now;
    lastIndex_ = i;
    lastCount_ = c;
  }

  void summary(std::FILE* out) const {
    std::fprintf(out,
                 "%d renders, %zu shapes, %d hovers checked, space with a selection: %d cancel, "
                 "%d good image, %d bad file; %d steps (%d double), %d undos, %d redos\n",
                 canvas_->renderCount(), canvas_->shapes().size(), hoverChecks_, chosen_[0],
                 chosen_[1], chosen_[2], pushes_, twoSteps_, undos_, redos_);
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // Keeps the records of steps 1..count, each unknown until set.
  void truncate(int count) {
    before_.resize(count + 1);
    after_.resize(count + 1);
    before_[count].reset();
    after_[count].reset();
  }

  // An Edit or Scenes menu shortcut, or Remove Image Fill from its menu.
  void editAction(std::ostringstream& out) {
    struct Shortcut {
      Qt::Key key;
      Qt::KeyboardModifiers mods;
      const char* name;
    };
    static const Shortcut shortcuts[] = {
        {Qt::Key_Z, Qt::ControlModifier, "undo"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "redo"},
        {Qt::Key_Z, Qt::ControlModifier, "undo"},
        {Qt::Key_Delete, {}, "delete"},
        {Qt::Key_D, Qt::ControlModifier, "duplicate"},
        {Qt::Key_BracketRight, Qt::ControlModifier | Qt::ShiftModifier, "bring to front"},
        {Qt::Key_BracketLeft, Qt::ControlModifier | Qt::ShiftModifier, "send to back"},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, "colour"},
        {Qt::Key_C, Qt::ControlModifier, "copy"},
        {Qt::Key_V, Qt::ControlModifier, "paste"},
        {Qt::Key_unknown, {}, "remove image fill"},
        {Qt::Key_1, Qt::ControlModifier, "scene"},
    };
    const Shortcut& s = shortcuts[pick(int(std::size(shortcuts)))];
    action_ = true;
    redoing_ = std::string(s.name) == "redo";
    out << s.name << " (selection " << canvas_->selectedShapeIndex() << ", step " << stack_->index()
        << "/" << stack_->count() << ")";
    if (s.key == Qt::Key_unknown) {
      w_.findChild<QAction*>(QStringLiteral("actionRemoveImageFill"))->trigger();
    } else if (s.key == Qt::Key_1) {
      // Scenes are rarer than the rest, so edits pile up on each.
      const int scene = pick(3) == 0 ? pick(7) : -1;
      out << " " << scene;
      if (scene != -1) QTest::keyClick(handle_, Qt::Key(Qt::Key_1 + scene), s.mods);
    } else {
      QTest::keyClick(handle_, s.key, s.mods);
    }
  }

  // The photo and the marks come from the clean image and the sliders as
  // they are now: no optics change was missed.
  void checkPhoto(int n) {
    const std::size_t bytes = 3u * n * n;
    std::vector<unsigned char> marks(canvas_->cleanRays(), canvas_->cleanRays() + bytes);
    std::vector<unsigned char> photo(3u * n);
    const auto angle = static_cast<float>(double(focus_->floatValue()) * kDegreesToRadians);
    lightfield::takePhoto(canvas_->cleanRays(), n, n, photo.data(), marks.data(), dof_->intValue(),
                          std::cos(angle), std::sin(angle));
    ASSERT_EQ(0, std::memcmp(photo.data(), canvas_->photoRow(), photo.size()))
        << "photo row is stale for focus " << focus_->floatValue() << " dof " << dof_->intValue();
    ASSERT_EQ(0, std::memcmp(marks.data(), canvas_->displayedRays(), bytes))
        << "displayed ray-space image is not the clean one with this photo's marks";
  }

  // After a hover the canvas shows the single ray over the ray-space view,
  // the bundle over the photo view, and nothing elsewhere (edges count in).
  void checkRayOverlay(QPoint p) {
    if (onOrInside(*rays_, p)) {
      ASSERT_TRUE(canvas_->drawsRay() && !canvas_->drawsRayBundle()) << "no single ray";
    } else if (onOrInside(*photo_, p)) {
      ASSERT_TRUE(canvas_->drawsRay() && canvas_->drawsRayBundle()) << "no ray bundle";
    } else {
      ASSERT_FALSE(canvas_->drawsRay()) << "ray overlay left on outside both views";
    }
  }

  // Anywhere in the window or a little beyond it.
  QPoint anywhere(int margin) {
    return {pick(w_.width() + 2 * margin) - margin, pick(w_.height() + 2 * margin) - margin};
  }

  // Mostly on the canvas, where presses do something: on a shape, on a knob
  // of the selection, on empty canvas, or elsewhere in the window.
  QPoint pressPoint() {
    const int where = pick(10);
    const auto& shapes = canvas_->shapes();
    if (where < 4 && !shapes.empty()) {
      const CGRect r = shapes[pick(int(shapes.size()))]->rect();
      return reliability::canvasPoint(*canvas_, int(r.origin.x + r.size.width / 2),
                                      int(r.origin.y + r.size.height / 2));
    }
    const int selected = canvas_->selectedShapeIndex();
    if (where < 6 && selected != -1) {
      const CGRect r = shapes[selected]->rect();
      return reliability::canvasPoint(
          *canvas_, int(r.origin.x + (pick(2) ? r.size.width : 0)) + pick(5) - 2,
          int(r.origin.y + (pick(2) ? r.size.height : 0)) + pick(5) - 2);
    }
    if (where < 9) return reliability::canvasPoint(*canvas_, pick(301), pick(301));
    return anywhere(0);
  }

  void moved(QPoint p) {
    // A move to the point the mouse is already at is dropped by Qt.
    hovered_.reset();
    last_ = p;
  }

  void press(std::ostringstream& out) {
    const QPoint p = exact(pressPoint());
    out << "press at " << p.x() << "," << p.y();
    QTest::mousePress(handle_, Qt::LeftButton, {}, p);
    down_ = true;
    moved(p);
  }

  void drag(std::ostringstream& out) {
    QPoint p = pick(3) == 0 ? exact(anywhere(60)) : last_ + QPoint(pick(41) - 20, pick(41) - 20);
    if (p == last_) p += QPoint(1, 0);
    out << "drag to " << p.x() << "," << p.y();
    QTest::mouseMove(handle_, exact(p));
    moved(p);
  }

  void release(std::ostringstream& out) {
    const QPoint p = pick(2) ? last_ : exact(anywhere(30));
    out << "release at " << p.x() << "," << p.y();
    QTest::mouseRelease(handle_, Qt::LeftButton, {}, p);
    down_ = false;
    moved(p);
  }

  // Over one of the views: inside, exactly on an edge, just outside; or
  // anywhere in the window, or outside it.
  void hover(std::ostringstream& out) {
    const QWidget* views[] = {canvas_, rays_, photo_};
    const QWidget& view = *views[pick(3)];
    const QPoint o = inWindow(view, QPoint(0, 0));
    const int vw = view.width(), vh = view.height();
    QPoint p;
    switch (pick(5)) {
      case 0:
        p = o + QPoint(pick(vw + 1), pick(vh + 1));
        break;
      case 1:
        p = o + (pick(2) ? QPoint(pick(2) * vw, pick(vh + 1)) : QPoint(pick(vw + 1), pick(2) * vh));
        break;
      case 2:
        p = o + (pick(2) ? QPoint(pick(2) ? -1 : vw + 1, pick(vh + 1))
                         : QPoint(pick(vw + 1), pick(2) ? -1 : vh + 1));
        break;
      case 3:
        p = anywhere(0);
        break;
      default:
        p = pick(2) ? QPoint(-5 - pick(50), pick(w_.height()))
                    : QPoint(w_.width() + 5 + pick(50), pick(w_.height()));
        break;
    }
    p = exact(p);
    out << "hover at " << p.x() << "," << p.y();
    const bool same = p == last_;
    QTest::mouseMove(handle_, p);
    moved(p);
    if (!same) hovered_ = p;
  }

  void key(std::ostringstream& out) {
    struct Key {
      Qt::Key code;
      const char* text;
    };
    static const Key arrows[] = {
        {Qt::Key_Left, ""}, {Qt::Key_Right, ""}, {Qt::Key_Up, ""}, {Qt::Key_Down, ""}};
    // Sent with their text as given: a dead key brings none.
    static const Key others[] = {
        {Qt::Key_A, "a"},        {Qt::Key_Z, "z"},          {Qt::Key_0, "0"},
        {Qt::Key_Minus, "-"},    {Qt::Key_Escape, "\x1b"},  {Qt::Key_Return, "\r"},
        {Qt::Key_Tab, "\t"},     {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, "\x7f"},
        {Qt::Key_Home, ""},      {Qt::Key_PageUp, ""},      {Qt::Key_F2, ""},
        {Qt::Key_Dead_Acute, ""}};
    const bool arrow = pick(4) != 0;
    const Key k = arrow ? arrows[pick(4)] : others[pick(int(std::size(others)))];
    const Qt::KeyboardModifiers mods = pick(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    out << "key " << std::hex << int(k.code) << std::dec << (mods ? " with shift" : "");
    if (arrow) {
      QTest::keyClick(handle_, k.code, mods);
    } else {
      QString text = QString::fromLatin1(k.text);
      if (mods) text = text.toUpper();
      QTest::sendKeyEvent(QTest::Press, handle_, k.code, text, mods);
      QTest::sendKeyEvent(QTest::Release, handle_, k.code, text, mods);
    }
  }

  // The space key with the chooser answering cancel, a good image or a bad file.
  void space(std::ostringstream& out) {
    const int answer = pick(3);
    answer_ = answer == 0 ? std::nullopt : std::optional<QString>(answer == 1 ? good_ : bad_);
    out << "space, chooser answers "
        << (answer == 0   ? "cancel"
            : answer == 1 ? "good image"
                          : "bad file")
        << " (selection " << canvas_->selectedShapeIndex() << ")";
    if (canvas_->selectedShapeIndex() != -1) ++chosen_[answer];
    QTest::keyClick(handle_, Qt::Key_Space);
  }

  void clickAt(QPoint p) {
    QTest::mouseClick(handle_, Qt::LeftButton, {}, exact(p));
    moved(exact(p));
  }

  void click(QAbstractButton* button, const char* name, std::ostringstream& out) {
    out << "click " << name;
    clickAt(inWindow(*button, button->rect().center()));
  }

  void clickTool(std::ostringstream& out) {
    QAbstractButton* tool = tools_[pick(4)];
    out << "tool " << tool->text().toStdString();
    clickAt(inWindow(*tool, tool->rect().center()));
  }

  // Drags a slider's handle past one end, past the other and back.
  void sweepSlider(std::ostringstream& out) {
    toolkit::Slider* slider = pick(2) ? focus_ : dof_;
    out << "sweep " << slider->objectName().toStdString() << " from " << slider->value();
    const QPoint start = inWindow(*slider, sliderHandle(*slider).center());
    const QPoint left = inWindow(*slider, QPoint(-40, slider->height() / 2));
    const QPoint right = inWindow(*slider, QPoint(slider->width() + 40, slider->height() / 2));
    const bool leftFirst = pick(2);
    QTest::mousePress(handle_, Qt::LeftButton, {}, start);
    QTest::mouseMove(handle_, leftFirst ? left : right);
    QApplication::processEvents();
    EXPECT_EQ(slider->value(), leftFirst ? slider->minimum() : slider->maximum()) << out.str();
    QTest::mouseMove(handle_, leftFirst ? right : left);
    QApplication::processEvents();
    EXPECT_EQ(slider->value(), leftFirst ? slider->maximum() : slider->minimum()) << out.str();
    QTest::mouseMove(handle_, start);
    QTest::mouseRelease(handle_, Qt::LeftButton, {}, start);
    moved(start);
  }

  MainWindow& w_;
  std::mt19937 rng_;
  QString good_, bad_;
  DrawView* canvas_;
  RenderView* rays_;
  PhotoView* photo_;
  QWindow* handle_;
  std::vector<QAbstractButton*> tools_;
  toolkit::Slider* focus_;
  toolkit::Slider* dof_;
  QAbstractButton* render_;
  QAbstractButton* takePhoto_;
  QAbstractButton* axes_;
  std::optional<QString> answer_;
  bool down_ = false;
  QPoint last_{-1000, -1000};
  std::optional<QPoint> hovered_;
  int hoverChecks_ = 0;
  int chosen_[3] = {0, 0, 0};
  int renders_ = -1;  // so the first render is checked too
  QUndoStack* stack_;
  EditActions* edits_;
  std::vector<unsigned char> startStrip_;
  fixture::SceneState start_ = fixture::sceneState(*w_.drawView());
  fixture::SceneState lastScene_;
  int lastIndex_ = 0;
  int lastCount_ = 0;
  // The states before and after each step, indexed from 1; empty when unknown.
  std::vector<std::optional<fixture::SceneState>> before_ =
      std::vector<std::optional<fixture::SceneState>>(1);
  std::vector<std::optional<fixture::SceneState>> after_ = before_;
  int pushes_ = 0, undos_ = 0, redos_ = 0, twoSteps_ = 0;
  int rendersBefore_ = 0;
  bool action_ = false;
  bool redoing_ = false;  // the event is a redo, which a push could look like
  std::string lastWhat_;
};

TEST(Session, RandomEventsKeepSceneBuffersAndViewsConsistent) {
  const unsigned long seed = envNumber("OMBREL_SESSION_SEED", 20240611);
  const unsigned long events = envNumber("OMBREL_SESSION_EVENTS", 2000);
  std::printf("session seed %lu, %lu events\n", seed, events);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage tile(7, 5, QImage::Format_RGB32);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) tile.setPixel(x, y, qRgb(40 * x, 50 * y, 200 - 20 * x));
  }
  const QString good = dir.filePath("tile.png");
  ASSERT_TRUE(tile.save(good));
  const QString bad = dir.filePath("notes.png");
  {
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not an image\n");
  }

  // A built-in scene over unsaved changes asks first: let them go, so the scene comes.
  documentdialogs::Dialogs discard;
  discard.unsavedChanges = [](QWidget*, const QString&) {
    return documentdialogs::UnsavedChoice::Discard;
  };
  documentdialogs::setDialogs(discard);
  unexpectedMessages.clear();
  previousHandler = qInstallMessageHandler(keepUnexpected);
  auto window = reliability::openWindow();
  window->activateWindow();  // so shortcuts reach their actions
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Session session(*window, seed, good, bad);
  const auto started = std::chrono::steady_clock::now();
  std::string what = "start-up";
  for (unsigned long i = 0; i < events; ++i) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", event " << i
                                      << "; replay with OMBREL_SESSION_SEED=" << seed
                                      << " OMBREL_SESSION_EVENTS=" << i + 1);
    session.step(what);
    SCOPED_TRACE(what);
    session.check();
    if (::testing::Test::HasFailure()) break;
  }
  if (!::testing::Test::HasFailure()) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", undoing and redoing everything");
    session.undoAndRedoEverything();
  }
  qInstallMessageHandler(previousHandler);
  documentdialogs::setDialogs({});
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  if (::testing::Test::HasFailure()) return;
  std::printf("%lu events in %.1f s: ", events, seconds);
  session.summary(stdout);
}

}  // namespace

// Nothing is written without a request: a random session, with every file,
// picture and help action tried and each dialog answered with Cancel, leaves
// an empty home folder (and the working folder in it) empty.
namespace {

QStringList filesUnder(const QString& root) {
  QStringList found;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) found << it.next();
  return found;
}

TEST(Session, WritesNothingThatWasNotAskedFor) {
  QTemporaryDir home, images;
  ASSERT_TRUE(home.isValid() && images.isValid());
  const QByteArray oldHome = qgetenv("HOME");
  const QString oldDir = QDir::currentPath();
  qputenv("HOME", QFile::encodeName(home.path()));
  for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
    qunsetenv(xdg);
  }
  QDir::setCurrent(home.path());

  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(Qt::darkCyan);
  ASSERT_TRUE(tile.save(images.filePath("tile.png")));
  int asked = 0;
  documentdialogs::Dialogs cancel;
  cancel.openScene = [&](QWidget*) { return ++asked, std::optional<QString>(); };
  cancel.saveScene = [&](QWidget*, const QString&) { return ++asked, std::optional<QString>(); };
  cancel.savePicture = [&](QWidget*, const QString&, bool) {
    return ++asked, std::optional<QString>();
  };
  cancel.pictureChoice = [&](QWidget*, const PictureChoice&) {
    return ++asked, std::optional<documentdialogs::PictureRequest>();
  };
  cancel.unsavedChanges = [&](QWidget*, const QString&) {
    return ++asked, documentdialogs::UnsavedChoice::Cancel;
  };
  documentdialogs::setDialogs(cancel);

  std::mt19937 rng(envNumber("OMBREL_SESSION_SEED", 20240611));
  {
    auto window = reliability::openWindow();
    Session session(*window, rng(), images.filePath("tile.png"), images.filePath("none.png"));
    const char* actions[] = {"actionOpen",       "actionSave",        "actionSaveAs",
                             "actionExport",     "actionCopyPicture", "actionExportFocalStack",
                             "actionQuickGuide", "actionAbout"};
    std::string what;
    for (int i = 0; i < 400 && !::testing::Test::HasFailure(); ++i) {
      session.step(what);
      if (i % 25 == 0) {
        auto* action = window->findChild<QAction*>(QLatin1String(actions[(i / 25) % 8]));
        ASSERT_NE(action, nullptr);
        action->trigger();
        for (QWidget* top : QApplication::topLevelWidgets()) {
          if (top != window.get() && top->isVisible()) top->close();
        }
      }
      QApplication::processEvents();
    }
    // Qt's file dialog, as the image fill and the file actions show it, keeps nothing either.
    auto* dialog = new QFileDialog(window.get(), QStringLiteral("Open Image"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    QApplication::processEvents();
    delete dialog;
    EXPECT_GE(asked, 8);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ombrel[*]"));
  }
  QApplication::processEvents();
  documentdialogs::setDialogs({});
  QDir::setCurrent(oldDir);
  qputenv("HOME", oldHome);
  EXPECT_EQ(filesUnder(home.path()).join(QLatin1Char(' ')).toStdString(), "");
}

}  // namespace
