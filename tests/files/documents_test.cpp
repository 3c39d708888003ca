// The scene as a document in the window: title, Open as one undoable step,
// and the question before unsaved changes to a file's scene are lost.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>

#include "app/camerapanel.h"
#include "document/replacescenecommand.h"
#include "files_fixture.h"
#include "session/session.h"
#include "toolkit/controls.h"

namespace {

using documentdialogs::UnsavedChoice;
using files::DocumentWindow;

// An edit of the scene as every edit is: one step on the undo stack.
void edit(DocumentWindow& w) {
  ShapeList shapes = copyShapes(w.canvas().shapes());
  shapes.push_back(makeShapeOfKind(QStringLiteral("Circle"), CGRectMake(50, 50, 30, 30)));
  w.undo().push(new ReplaceSceneCommand(&w.canvas(), std::move(shapes), QStringLiteral("Edit")));
}

TEST(Documents, FileMenuHoldsNewOpenSaveExportBeforeQuit) {
  DocumentWindow w;
  QStringList names;
  for (QAction* action : w.window.fileMenu()->actions()) {
    if (!action->isSeparator()) names << action->objectName();
  }
  EXPECT_EQ(names, (QStringList{"actionNew", "actionOpen", "actionSave", "actionSaveAs",
                                "actionExport", "actionExportFocalStack", "actionOpenLightField",
                                "actionCloseLightField", "actionQuit"}));
  EXPECT_EQ(w.find<QAction>("actionOpenLightField")->shortcut(), QKeySequence("Ctrl+Shift+O"));
  EXPECT_EQ(w.find<QAction>("actionCloseLightField")->shortcut(), QKeySequence("Ctrl+W"));
  EXPECT_FALSE(w.find<QAction>("actionCloseLightField")->isEnabled());
  EXPECT_EQ(w.find<QAction>("actionNew")->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(w.find<QAction>("actionOpen")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(w.find<QAction>("actionSave")->shortcut(), QKeySequence(QKeySequence::Save));
  // Save As has a key on every desktop, also where the platform names none.
  EXPECT_FALSE(w.find<QAction>("actionSaveAs")->shortcut().isEmpty());
  EXPECT_EQ(w.find<QAction>("actionExport")->shortcut(), QKeySequence("Ctrl+E"));
  EXPECT_EQ(w.find<QAction>("actionCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
  EXPECT_EQ(w.find<QAction>("actionPaste")->shortcut(), QKeySequence(QKeySequence::Paste));
  EXPECT_EQ(w.find<QAction>("actionCopyPicture")->shortcut(), QKeySequence("Ctrl+Alt+C"));
  EXPECT_EQ(w.find<QAction>("actionQuickGuide")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(Documents, TitleNamesTheFileAndMarksUnsavedChanges) {
  files::OpenDir dir;
  DocumentWindow w;
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("Ombrel"));
  edit(w);
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("Ombrel*"));
  w.undo().undo();  // an edit undone is no change
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("Ombrel"));
  const QString first = dir.path("bars.ombrel");
  {
    files::Answers answers([&](documentdialogs::Dialogs& d) {
      d.saveScene = [&](QWidget*, const QString& suggested) {
        EXPECT_EQ(suggested, QStringLiteral("Untitled.ombrel"));
        return std::optional<QString>(first);
      };
    });
    w.find<QAction>("actionSave")->trigger();
  }
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("bars.ombrel — Ombrel"));
  EXPECT_EQ(w.document().filePath(), first);
  EXPECT_TRUE(w.status().contains("Saved “bars.ombrel”")) << w.status().toStdString();
  {
    // Save As starts from the file the scene already has.
    files::Answers answers([&](documentdialogs::Dialogs& d) {
      d.saveScene = [&](QWidget*, const QString& suggested) {
        EXPECT_EQ(suggested, first);
        return std::optional<QString>();
      };
    });
    w.find<QAction>("actionSaveAs")->trigger();
  }
  EXPECT_EQ(w.document().filePath(), first);
  edit(w);
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("bars.ombrel* — Ombrel"));

  DocumentWindow other;
  files::Answers answers([&](documentdialogs::Dialogs& d) {
    d.openScene = [&](QWidget*) { return std::optional<QString>(first); };
  });
  other.find<QAction>("actionOpen")->trigger();
  EXPECT_EQ(fixture::displayedTitle(other.window), QStringLiteral("bars.ombrel — Ombrel"));
  w.undo().undo();
  EXPECT_EQ(other.scene(), w.scene());
}

TEST(Documents, OpenIsOneUndoableStepThatDeselectsAndRendersOnce) {
  files::OpenDir dir;
  const QString path = dir.path("two.ombrel");
  ShapeList two;
  two.push_back(makeShapeOfKind(QStringLiteral("Triangle"), CGRectMake(40, 40, 200, 200)));
  two.push_back(makeShapeOfKind(QStringLiteral("Circle"), CGRectMake(100, 20, 50, 250)));
  ASSERT_FALSE(scenefile::writeSceneFile(path, two).has_value());

  DocumentWindow w;
  w.canvas().selectShape(1);
  const QByteArray start = w.scene();
  const std::vector<unsigned char> startStrip = w.canvas().strip();
  const int renders = w.canvas().renderCount();
  ASSERT_TRUE(w.document().openFile(path));
  EXPECT_EQ(w.canvas().renderCount(), renders + 1);
  EXPECT_EQ(w.canvas().selectedShapeIndex(), -1);
  EXPECT_EQ(w.scene(), scenefile::writeScene(two));
  EXPECT_EQ(w.undo().count(), 1);
  EXPECT_EQ(w.undo().undoText(), QStringLiteral("Open two.ombrel"));
  EXPECT_TRUE(w.undo().isClean());

  // The file follows the history: undone, the untitled scene is back, unchanged.
  w.undo().undo();
  EXPECT_EQ(w.scene(), start);
  EXPECT_TRUE(w.canvas().strip() == startStrip);
  EXPECT_TRUE(w.document().filePath().isEmpty());
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("Ombrel"));
  w.undo().redo();
  EXPECT_EQ(w.scene(), scenefile::writeScene(two));
  EXPECT_EQ(fixture::displayedTitle(w.window), QStringLiteral("two.ombrel — Ombrel"));
}

// Each row plays a teacher's sequence and says what must hold at its end: no
// lesson on disk is overwritten by a scene that is not its own, and nothing
// unsaved goes without a question.
TEST(Documents, NoSequenceLosesALesson) {
  struct Row {
    const char* what;
    // Steps, each one character: o = open the lesson, e = edit, b = Scenes ▸ Blank,
    // n = File ▸ New, s = Save, u = undo, q = quit.
    const char* steps;
    UnsavedChoice answer;  // to every question about unsaved changes
    int questions;         // how many are asked
    bool lessonKept;       // the lesson's file still holds the lesson's shapes
    bool quits;            // the window closed at q
  };
  const Row rows[] = {
      {"Blank, then Save asks for a name", "obs", UnsavedChoice::Cancel, 0, true, false},
      {"Blank after edits asks; Save is refused a name", "oebs", UnsavedChoice::Discard, 1, true,
       false},
      {"an edit undone, the lesson saves as it was", "oeus", UnsavedChoice::Cancel, 0, true, false},
      {"undo of an Open, then Save", "ous", UnsavedChoice::Cancel, 0, true, false},
      {"New, then Save", "ons", UnsavedChoice::Cancel, 0, true, false},
      {"quit with untitled edits, Cancel", "eq", UnsavedChoice::Cancel, 1, true, false},
      {"quit with untitled edits, Discard", "eq", UnsavedChoice::Discard, 1, true, true},
      {"quit with the lesson edited, Cancel", "oeq", UnsavedChoice::Cancel, 1, true, false},
      {"quit with nothing changed", "oq", UnsavedChoice::Cancel, 0, true, true},
      {"Blank after untitled edits, Cancel keeps them", "eb", UnsavedChoice::Cancel, 1, true,
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    files::OpenDir dir;
    const QString lesson = dir.path("lesson.ombrel");
    ShapeList shapes;
    shapes.push_back(makeShapeOfKind(QStringLiteral("Circle"), CGRectMake(90, 120, 40, 40)));
    ASSERT_FALSE(scenefile::writeSceneFile(lesson, shapes).has_value());
    const auto lessonShapes = [&] {
      return scenefile::writeScene(scenefile::readSceneFile(lesson).shapes);
    };
    const QByteArray original = lessonShapes();
    int questions = 0;
    files::Answers answers([&](documentdialogs::Dialogs& d) {
      d.unsavedChanges = [&](QWidget*, const QString&) {
        ++questions;
        return row.answer;
      };
      // A save that asks for a name is refused one.
      d.saveScene = [](QWidget*, const QString&) { return std::optional<QString>(); };
    });
    DocumentWindow w;
    for (const char* c = row.steps; *c != 0; ++c) {
      switch (*c) {
        case 'o':
          ASSERT_TRUE(w.document().openFile(lesson));
          break;
        case 'e':
          edit(w);
          break;
        case 'b':
          w.find<QAction>("actionSceneBlank")->trigger();
          break;
        case 'n':
          w.find<QAction>("actionNew")->trigger();
          break;
        case 's':
          w.find<QAction>("actionSave")->trigger();
          break;
        case 'u':
          w.find<QAction>("actionUndo")->trigger();
          break;
        case 'q':
          w.find<QAction>("actionQuit")->trigger();
          EXPECT_EQ(!w.window.isVisible(), row.quits);
          break;
      }
    }
    EXPECT_EQ(questions, row.questions);
    EXPECT_EQ(lessonShapes() == original, row.lessonKept);
  }
}

// A version 2 lesson keeps the optics and the aids; opening puts them back in
// the same undoable step, and a version 1 file leaves them as they are.
TEST(Documents, LessonsKeepTheOpticsAndAids) {
  files::OpenDir dir;
  const QString path = dir.path("focus.ombrel");
  DocumentWindow w;
  auto* focus = w.find<toolkit::Slider>("focusSlider");
  auto* dof = w.find<toolkit::Slider>("dofSlider");
  focus->setValue(184);
  dof->setValue(7);
  w.find<QAction>("actionShowFocusDepth")->trigger();
  // The camera panel's choices are part of the lesson.
  CameraPanel* panel = w.window.findChild<CameraPanel*>();
  panel->profileBox()->setCurrentText(QStringLiteral("K pinholes"));
  panel->pinholesBox()->setValue(6);
  panel->viewpointSlider()->setValue(40);
  panel->keepWidthBox()->setChecked(true);
  ASSERT_TRUE(w.document().saveTo(path));
  const scenefile::LessonSettings saved = w.document().settings();
  EXPECT_EQ(saved.focusDegrees, 18.4f);
  EXPECT_EQ(saved.halfLength, 7);
  EXPECT_TRUE(saved.showFocusDepth);
  EXPECT_FALSE(saved.linkViews);
  EXPECT_EQ(saved.camera.aperture, lightfield::Aperture::Pinholes);
  EXPECT_EQ(saved.camera.pinholes, 6);
  EXPECT_EQ(saved.camera.viewpoint, 40);
  EXPECT_TRUE(saved.camera.keepWidth);

  DocumentWindow other;
  const scenefile::LessonSettings start = other.document().settings();
  ASSERT_TRUE(other.document().openFile(path));
  EXPECT_EQ(other.document().settings(), saved);
  other.undo().undo();
  EXPECT_EQ(other.document().settings(), start);
  other.undo().redo();
  EXPECT_EQ(other.document().settings(), saved);
  // The photo and the panel follow the opened camera.
  EXPECT_EQ(other.window.session()->camera(), other.canvas().cameraSettings());
  EXPECT_EQ(other.canvas().cameraChoice(), saved.camera);
  CameraPanel* otherPanel = other.window.findChild<CameraPanel*>();
  EXPECT_EQ(otherPanel->profileBox()->currentText(), QStringLiteral("K pinholes"));
  EXPECT_EQ(otherPanel->pinholesBox()->value(), 6);
  EXPECT_EQ(otherPanel->viewpointSlider()->value(), 40);
  EXPECT_TRUE(otherPanel->keepWidthBox()->isChecked());

  // A lesson written before the camera had its fields opens with the specified camera.
  QJsonObject root = QJsonDocument::fromJson(w.lesson()).object();
  QJsonObject lesson = root.value(QStringLiteral("lesson")).toObject();
  for (const char* key : {"viewpoint", "aperture", "pinholes", "keepApertureWidth"})
    lesson.remove(QLatin1String(key));
  root.insert(QStringLiteral("lesson"), lesson);
  const scenefile::ReadResult before =
      scenefile::readScene(QJsonDocument(root).toJson(), QStringLiteral("before.ombrel"));
  ASSERT_TRUE(before.ok()) << before.error.toStdString();
  EXPECT_EQ(before.settings->camera, lightfield::CameraChoice{});
  EXPECT_EQ(before.settings->halfLength, 7);
  lesson.insert(QStringLiteral("aperture"), QStringLiteral("hexagon"));
  root.insert(QStringLiteral("lesson"), lesson);
  EXPECT_TRUE(scenefile::readScene(QJsonDocument(root).toJson(), QStringLiteral("bad.ombrel"))
                  .error.contains(QStringLiteral("aperture")));

  const QString old = dir.path("old.ombrel");
  ASSERT_FALSE(scenefile::writeSceneFile(old, ShapeList{}).has_value());
  ASSERT_TRUE(other.document().openFile(old));
  EXPECT_EQ(other.document().settings(), saved);
  EXPECT_TRUE(other.canvas().shapes().empty());
}

}  // namespace
