// Undo, the Edit menu and the Scenes menu on the real window: every step
// undoes and redoes exactly with one render each way, shortcuts reach their
// actions instead of the canvas, and the built-in scenes replace the scene.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <iterator>
#include <set>

#include "app/editactions.h"
#include "app/mainwindow.h"
#include "app/undohistory.h"
#include "document/builtinscenes.h"
#include "document/replacescenecommand.h"
#include "document/scenefile.h"
#include "scene/insight.h"
#include "support/scene_state.h"
#include "support/window_fixture.h"
#include "toolkit/openpanel.h"

namespace {

using fixture::SceneState;
using fixture::sceneState;

// Counts the key presses (other than lone modifiers) that reach the window
// as events, past Qt's shortcuts.
class KeyCounter : public QObject {
 public:
  explicit KeyCounter(QWindow* window) : window_(window) { qApp->installEventFilter(this); }
  ~KeyCounter() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Control && key != Qt::Key_Shift) ++presses;
    return false;
  }
  int presses = 0;

 private:
  QWindow* window_;
};

class EditActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shown.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window));
    edits = shown.window.findChild<EditActions*>(QStringLiteral("editActions"));
    ASSERT_NE(edits, nullptr);
    edits->setColorChooser([this](const QColor& initial) {
      offered = initial;
      return colourAnswer;
    });
    toolkit::setFileChooser([this] { return fileAnswer; });
  }
  void TearDown() override {
    toolkit::setFileChooser([] { return std::optional<QString>(); });
  }

  DrawView& canvas() { return shown.canvas(); }
  QWindow* handle() { return shown.window.windowHandle(); }
  QAction* action(const char* name) { return shown.find<QAction>(name); }
  QUndoStack& stack() { return *shown.window.undoStack(); }
  QPoint at(double x, double y) {
    return canvas().mapTo(&shown.window, QPoint(static_cast<int>(x), static_cast<int>(300 - y)));
  }
  void click(double x, double y) { QTest::mouseClick(handle(), Qt::LeftButton, {}, at(x, y)); }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(handle(), k, mods); }
  void useTool(const char* name) {
    QTest::mouseClick(shown.find<QAbstractButton>(name), Qt::LeftButton);
  }

  // Runs `edit`, then undo and redo; each must render once and land exactly
  // on the state before and after the edit.
  void checkUndoRedo(const char* what, const std::function<void()>& edit) {
    SCOPED_TRACE(what);
    const SceneState before = sceneState(canvas());
    edit();
    const SceneState after = sceneState(canvas());
    ASSERT_NE(before, after);
    const int renders = canvas().renderCount();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(sceneState(canvas()), before);
    EXPECT_EQ(canvas().renderCount(), renders + 1);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sceneState(canvas()), after);
    EXPECT_EQ(canvas().renderCount(), renders + 2);
  }

  fixture::ShownWindow shown;
  EditActions* edits = nullptr;
  std::optional<QColor> colourAnswer;
  QColor offered;
  std::optional<QString> fileAnswer;
};

TEST_F(EditActionsTest, GesturesAndKeysBecomeNamedStepsThatUndoExactly) {
  checkUndoRedo("move", [&] {
    QTest::mousePress(handle(), Qt::LeftButton, {}, at(80, 105));
    for (int x : {85, 90, 100}) QTest::mouseMove(handle(), at(x, 95));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(100, 95));
  });
  EXPECT_EQ(stack().count(), 1);  // one step for the whole drag
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Move"));
  EXPECT_EQ(canvas().shapes()[0]->rect(), CGRectMake(90, 90, 40, 10));

  checkUndoRedo("resize", [&] {
    QTest::mousePress(handle(), Qt::LeftButton, {}, at(90, 90));  // the origin knob
    QTest::mouseMove(handle(), at(60, 80));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(60, 80));
  });
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Resize"));

  checkUndoRedo("nudges", [&] {
    for (int i = 0; i < 3; ++i) key(Qt::Key_Right);
    key(Qt::Key_Up, Qt::ShiftModifier);
  });
  EXPECT_EQ(stack().count(), 3);  // consecutive nudges merged into one step
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Nudge"));
  // A nudge of another shape right after is a step of its own.
  click(150, 155);
  ASSERT_EQ(canvas().selectedShapeIndex(), 1);
  checkUndoRedo("nudge of another shape", [&] { key(Qt::Key_Left); });
  EXPECT_EQ(stack().count(), 4);

  QTemporaryDir dir;
  QImage tile(3, 2, QImage::Format_RGB32);
  tile.fill(qRgb(200, 10, 90));
  fileAnswer = dir.filePath("tile.png");
  ASSERT_TRUE(tile.save(*fileAnswer));
  checkUndoRedo("fill", [&] { key(Qt::Key_Space); });
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Fill"));
  fileAnswer.reset();
  const int steps = stack().count();
  key(Qt::Key_Space);  // cancelled: renders as ever, but no step
  EXPECT_EQ(stack().count(), steps);
  // Nudges that cancel out leave no step.
  key(Qt::Key_Left);
  key(Qt::Key_Right);
  EXPECT_EQ(stack().count(), steps);

  useTool("circleButton");
  checkUndoRedo("draw", [&] {
    QTest::mousePress(handle(), Qt::LeftButton, {}, at(40, 40));
    QTest::mouseMove(handle(), at(60, 70));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(60, 70));
  });
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Draw Circle"));
  EXPECT_EQ(canvas().shapes().back()->kind(), QStringLiteral("Circle"));

  // A click with a drawing tool draws nothing and leaves no step.
  const SceneState drawn = sceneState(canvas());
  const int drawSteps = stack().count();
  click(200, 40);
  EXPECT_EQ(sceneState(canvas()), drawn);
  EXPECT_EQ(stack().count(), drawSteps);
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Draw Circle"));
}

TEST_F(EditActionsTest, EditMenuActionsOnTheSelectionUndoExactly) {
  const char* onSelection[] = {"actionCopy",           "actionDelete",     "actionDuplicate",
                               "actionBringToFront",   "actionSendToBack", "actionColour",
                               "actionRemoveImageFill"};
  for (const char* name : onSelection) EXPECT_FALSE(action(name)->isEnabled()) << name;
  QStringList menu;
  for (QAction* a : shown.window.editMenu()->actions()) {
    if (!a->isSeparator()) menu << a->objectName();
  }
  EXPECT_EQ(menu, (QStringList{"actionUndo", "actionRedo", "actionCopy", "actionPaste",
                               "actionDelete", "actionDuplicate", "actionBringToFront",
                               "actionSendToBack", "actionColour", "actionRemoveImageFill",
                               "actionCopyPicture", "actionSelectNextShape",
                               "actionSelectPreviousShape", "actionDrawShapeInMiddle"}));

  click(150, 155);  // billboard 2, the middle one
  ASSERT_EQ(canvas().selectedShapeIndex(), 1);
  for (const char* name : onSelection) {
    EXPECT_EQ(action(name)->isEnabled(), name != std::string("actionRemoveImageFill")) << name;
  }

  checkUndoRedo("duplicate", [&] { key(Qt::Key_D, Qt::ControlModifier); });
  ASSERT_EQ(canvas().shapes().size(), 4u);
  EXPECT_EQ(canvas().shapes()[3]->rect(), CGRectMake(140, 140, 40, 10));
  EXPECT_EQ(canvas().selectedShapeIndex(), 3);
  EXPECT_FALSE(action("actionBringToFront")->isEnabled());

  checkUndoRedo("send to back",
                [&] { key(Qt::Key_BracketLeft, Qt::ControlModifier | Qt::ShiftModifier); });
  EXPECT_EQ(canvas().selectedShapeIndex(), 0);
  EXPECT_EQ(canvas().shapes()[0]->rect(), CGRectMake(140, 140, 40, 10));

  checkUndoRedo("bring to front",
                [&] { key(Qt::Key_BracketRight, Qt::ControlModifier | Qt::ShiftModifier); });
  EXPECT_EQ(canvas().selectedShapeIndex(), 3);

  const QColor orange = canvas().shapes()[0]->color().rgba();
  click(80, 105);  // billboard 1
  ASSERT_EQ(canvas().selectedShapeIndex(), 0);
  colourAnswer = QColor(10, 20, 250);
  checkUndoRedo("colour", [&] { key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); });
  EXPECT_EQ(offered, orange);
  EXPECT_EQ(canvas().shapes()[0]->color().rgba(), QColor(10, 20, 250));
  colourAnswer.reset();
  const int steps = stack().count();
  key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);  // cancelled
  EXPECT_EQ(stack().count(), steps);

  // The fill goes; the shape gets back the colour it had before the fill.
  QTemporaryDir dir;
  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(qRgb(0, 0, 0));
  fileAnswer = dir.filePath("tile.png");
  ASSERT_TRUE(tile.save(*fileAnswer));
  key(Qt::Key_Space);
  ASSERT_TRUE(action("actionRemoveImageFill")->isEnabled());
  checkUndoRedo("remove image fill", [&] { action("actionRemoveImageFill")->trigger(); });
  EXPECT_FALSE(canvas().shapes()[0]->color().isPattern());
  EXPECT_TRUE(canvas().shapes()[0]->image().isNull());
  EXPECT_EQ(canvas().shapes()[0]->color().rgba(), QColor(10, 20, 250));
  EXPECT_FALSE(action("actionRemoveImageFill")->isEnabled());

  checkUndoRedo("delete with Backspace", [&] { key(Qt::Key_Backspace); });
  EXPECT_EQ(canvas().selectedShapeIndex(), -1);
  EXPECT_EQ(canvas().shapes().size(), 3u);
  for (const char* name : onSelection) EXPECT_FALSE(action(name)->isEnabled()) << name;
}

// Copies of shapes, by Duplicate or through the clipboard, go 10 right and
// 10 down as one step each, and stop where they would leave sight.
TEST_F(EditActionsTest, CopyPasteAndDuplicateAddCopiesInSight) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  EXPECT_FALSE(action("actionPaste")->isEnabled());
  EXPECT_FALSE(action("actionCopy")->isEnabled());
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(stack().count(), 0);

  // A filled billboard 2 goes on the clipboard as a scene file holding it.
  QTemporaryDir dir;
  QImage tile(3, 5, QImage::Format_RGB32);
  tile.fill(qRgb(20, 140, 60));
  tile.setPixel(1, 2, qRgb(250, 0, 0));
  fileAnswer = dir.filePath("tile.png");
  ASSERT_TRUE(tile.save(*fileAnswer));
  click(150, 155);
  key(Qt::Key_Space);
  const int steps = stack().count();
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(stack().count(), steps) << "copying changes nothing";
  const QMimeData* data = clipboard->mimeData();
  ASSERT_NE(data, nullptr);
  const QByteArray json = data->data(QString::fromLatin1(EditActions::kShapesMimeType));
  ShapeList selection;
  selection.push_back(canvas().shapes()[1]->clone());
  EXPECT_EQ(json, scenefile::writeScene(selection));
  EXPECT_EQ(data->text().toUtf8(), json);
  const scenefile::ReadResult copied = scenefile::readScene(json, QStringLiteral("clipboard"));
  ASSERT_TRUE(copied.ok()) << copied.error.toStdString();
  ASSERT_EQ(copied.shapes.size(), 1u);
  EXPECT_EQ(copied.shapes[0]->rect(), CGRectMake(130, 150, 40, 10));
  EXPECT_TRUE(action("actionPaste")->isEnabled());
  EXPECT_EQ(shown.window.statusBar()->currentMessage(), QStringLiteral("Copied the rectangle"));

  // Paste adds it 10 right and 10 down, selected, as one step.
  click(20, 280);  // nothing selected
  checkUndoRedo("paste", [&] { key(Qt::Key_V, Qt::ControlModifier); });
  EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("Undo Paste"));
  ASSERT_EQ(canvas().shapes().size(), 4u);
  const Shape& pasted = *canvas().shapes()[3];
  const Shape& original = *canvas().shapes()[1];
  EXPECT_EQ(canvas().selectedShapeIndex(), 3);
  EXPECT_EQ(pasted.rect(), CGRectMake(140, 140, 40, 10));
  EXPECT_EQ(pasted.kind(), original.kind());
  EXPECT_EQ(pasted.image(), original.image());
  EXPECT_EQ(pasted.color().rgba(), original.color().rgba());
  EXPECT_TRUE(pasted.color().isPattern());
  // The render saw the pasted fill: the tile's red pixel repeats in it.
  EXPECT_EQ(canvas().strip(), fixture::shapesAlone(canvas(), canvas().captureRect()));

  // Copies walk towards the lower right corner and stop in sight there.
  for (int i = 0; i < 40; ++i) {
    const CGRect from = canvas().shapes()[canvas().selectedShapeIndex()]->rect();
    key(Qt::Key_D, Qt::ControlModifier);
    const CGRect copy = canvas().shapes().back()->rect();
    ASSERT_EQ(canvas().selectedShapeIndex(), static_cast<int>(canvas().shapes().size()) - 1);
    ASSERT_TRUE(insight::isInSight(copy, canvas().bounds())) << i;
    const CGRect asked = NSOffsetRect(from, 10, -10);
    if (insight::isInSight(asked, canvas().bounds())) {
      ASSERT_EQ(copy, asked) << i;
    }
  }
  EXPECT_EQ(canvas().shapes().back()->rect(), CGRectMake(296, -6, 40, 10));
  // A paste of the copy in the corner stops there too.
  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(canvas().shapes().back()->rect(), CGRectMake(296, -6, 40, 10));
  EXPECT_EQ(canvas().shapes().size(), 45u);

  // What is no shape does not paste: plain text, or a damaged copy.
  clipboard->setText(QStringLiteral("a rectangle"));
  EXPECT_FALSE(action("actionPaste")->isEnabled());
  auto* damaged = new QMimeData;
  damaged->setData(QString::fromLatin1(EditActions::kShapesMimeType), "{\"format\": 1");
  clipboard->setMimeData(damaged);
  ASSERT_TRUE(action("actionPaste")->isEnabled());
  const SceneState before = sceneState(canvas());
  const int count = stack().count();
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(sceneState(canvas()), before);
  EXPECT_EQ(stack().count(), count);
  EXPECT_TRUE(shown.window.statusBar()->currentMessage().contains(QLatin1String("no shapes")));
}

TEST_F(EditActionsTest, ShortcutKeysReachTheirActionsAndOtherKeysTheCanvas) {
  KeyCounter counter(handle());
  click(80, 105);
  const CGRect start = canvas().shapes()[0]->rect();
  key(Qt::Key_Right);
  EXPECT_EQ(counter.presses, 1);
  EXPECT_EQ(canvas().shapes()[0]->rect(), NSOffsetRect(start, 1, 0));
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(counter.presses, 1);  // taken by Undo
  EXPECT_EQ(canvas().shapes()[0]->rect(), start);
  key(Qt::Key_A);
  EXPECT_EQ(counter.presses, 2);
  key(Qt::Key_Delete);
  EXPECT_EQ(counter.presses, 2);  // taken by Delete
  EXPECT_EQ(canvas().shapes().size(), 2u);
  // With nothing selected Delete is disabled, so the key goes to the canvas,
  // which ignores it.
  const int renders = canvas().renderCount();
  key(Qt::Key_Delete);
  EXPECT_EQ(counter.presses, 3);
  EXPECT_EQ(canvas().shapes().size(), 2u);
  EXPECT_EQ(canvas().renderCount(), renders);
}

TEST_F(EditActionsTest, UndoWaitsWhileTheMouseIsDown) {
  click(80, 105);
  key(Qt::Key_Right);
  useTool("rectangleButton");
  QTest::mousePress(handle(), Qt::LeftButton, {}, at(20, 20));
  QTest::mouseMove(handle(), at(40, 30));
  key(Qt::Key_Z, Qt::ControlModifier);
  key(Qt::Key_Delete);
  EXPECT_EQ(canvas().shapes().size(), 4u);
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(40, 30));
  EXPECT_EQ(stack().count(), 2);
  EXPECT_EQ(canvas().shapes()[3]->rect(), CGRectMake(20, 20, 20, 10));
}

TEST_F(EditActionsTest, BuiltInScenesReplaceTheSceneAsOneStepWithACaption) {
  const SceneState start = sceneState(canvas());
  edits->setSeedSource([] { return 4242u; });
  const std::span<const BuiltInScene> scenes = builtInScenes();
  ASSERT_GE(scenes.size(), 6u);
  const std::size_t kDepths[] = {3, 2, 2, 1, 5, 0};  // of the scenes without a seed
  EXPECT_EQ(shown.window.scenesMenu()->actions().size(), static_cast<qsizetype>(scenes.size()));
  for (std::size_t i = 0; i < scenes.size(); ++i) {
    SCOPED_TRACE(scenes[i].name.toStdString());
    click(80, 105);
    const SceneState before = sceneState(canvas());
    const int renders = canvas().renderCount();
    key(static_cast<Qt::Key>(Qt::Key_1 + i), Qt::ControlModifier);
    EXPECT_EQ(canvas().renderCount(), renders + 1);
    EXPECT_EQ(canvas().selectedShapeIndex(), -1);
    const QString message = shown.window.statusBar()->currentMessage();
    EXPECT_TRUE(message.startsWith(scenes[i].caption)) << message.toStdString();
    EXPECT_EQ(message.contains(QLatin1String("4242")), scenes[i].random);
    // Every shape lies between the plane lines and inside the canvas.
    for (const auto& shape : canvas().shapes()) {
      const CGRect r = shape->rect();
      EXPECT_TRUE(r.origin.x >= 0 && NSMaxX(r) <= 300 && r.origin.y > 10 && NSMaxY(r) < 290);
    }
    // As many depths as the caption speaks of (three bars at three depths, two dots, ...).
    std::set<double> heights;
    for (const auto& shape : canvas().shapes())
      heights.insert(shape->rect().origin.y + shape->rect().size.height / 2);
    if (!scenes[i].random && i < std::size(kDepths)) {
      EXPECT_EQ(heights.size(), kDepths[i]);
    }
    const SceneState chosen = sceneState(canvas());
    EXPECT_EQ(chosen.shapes.size(), scenes[i].make(4242).size());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(sceneState(canvas()), before);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sceneState(canvas()), chosen);
  }
  // The first scene is the starting one.
  key(Qt::Key_1, Qt::ControlModifier);
  SceneState again = sceneState(canvas());
  ASSERT_EQ(again.shapes.size(), start.shapes.size());
  for (std::size_t i = 0; i < start.shapes.size(); ++i) {
    EXPECT_EQ(again.shapes[i].rect, start.shapes[i].rect);
    EXPECT_EQ(again.shapes[i].color.rgba(), start.shapes[i].color.rgba());
  }
  while (stack().canUndo()) key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(sceneState(canvas()).shapes, start.shapes);
}

TEST_F(EditActionsTest, HistoryForgetsOldStepsPastItsImageBudget) {
  edits->setHistoryBudget(3 << 20);
  QTemporaryDir dir;
  QImage big(500, 500, QImage::Format_RGB32);  // 1 MB, and 1 MB again as the pattern
  big.fill(qRgb(30, 60, 90));
  fileAnswer = dir.filePath("big.bmp");
  ASSERT_TRUE(big.save(*fileAnswer));
  click(80, 105);
  for (int i = 0; i < 6; ++i) {
    key(Qt::Key_Space);
    key(Qt::Key_Right);
  }
  EXPECT_LE(edits->historyBytes(), 3 << 20);
  int undone = 0;
  while (action("actionUndo")->isEnabled()) {
    action("actionUndo")->trigger();
    ++undone;
  }
  // Only the newest steps remain, and what is left undoes exactly.
  EXPECT_GT(undone, 1);
  EXPECT_LT(undone, 12);
  EXPECT_TRUE(canvas().shapes()[0]->color().isPattern());
  EXPECT_TRUE(stack().canUndo());
}

// A replaced scene (a file opened, a built-in scene) keeps the scene it
// replaced, images and all: those count against the budget like any step's,
// and a forgotten replacement lets its images go.
TEST_F(EditActionsTest, ReplacedScenesCountAgainstTheImageBudget) {
  edits->setHistoryBudget(3 << 20);
  // Each image's pixels are ours, told when the last copy lets them go, which
  // may be after the test, with the window.
  struct Pixels {
    std::vector<uchar> bytes;
    std::shared_ptr<int> freed;
  };
  const auto freed = std::make_shared<int>(0);
  constexpr int kScenes = 4;
  constexpr int kSide = 512;  // 1 MB, and 1 MB again as the pattern
  for (int i = 0; i < kScenes; ++i) {
    auto* pixels = new Pixels{std::vector<uchar>(4 * kSide * kSide, uchar(40 * i)), freed};
    QImage image(
        pixels->bytes.data(), kSide, kSide, 4 * kSide, QImage::Format_RGB32,
        [](void* info) {
          auto* p = static_cast<Pixels*>(info);
          ++*p->freed;
          delete p;
        },
        pixels);
    ShapeList scene;
    scene.push_back(makeShapeOfKind(QStringLiteral("Rectangle"), CGRectMake(50, 50, 100, 100)));
    scene.back()->setImage(image);
    image = QImage();
    shown.window.history()->push(
        new ReplaceSceneCommand(&canvas(), std::move(scene), QStringLiteral("Scene")));
  }
  // The newest step keeps the scene before the one shown; the older steps
  // are forgotten and the two oldest images freed.
  EXPECT_LE(edits->historyBytes(), 3 << 20);
  EXPECT_EQ(*freed, kScenes - 2);
}

}  // namespace
