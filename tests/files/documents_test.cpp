// The scene as a document in the window: title, Open as one undoable step,
// and the question before unsaved changes to a file's scene are lost.
#include <QAction>
#include <QMenu>

#include "document/replacescenecommand.h"
#include "files_fixture.h"

namespace {

using documentdialogs::UnsavedChoice;
using files::DocumentWindow;

// An edit of the scene as every edit is: one step on the undo stack.
void edit(DocumentWindow& w) {
  ShapeList shapes = copyShapes(w.canvas().shapes());
  shapes.push_back(makeShapeOfKind(QStringLiteral("Circle"), CGRectMake(50, 50, 30, 30)));
  w.undo().push(new ReplaceSceneCommand(&w.canvas(), std::move(shapes), QStringLiteral("Edit")));
}

TEST(Documents, FileMenuHoldsOpenSaveExportBeforeQuit) {
  DocumentWindow w;
  QStringList names;
  for (QAction* action : w.window.fileMenu()->actions()) {
    if (!action->isSeparator()) names << action->objectName();
  }
  EXPECT_EQ(names, (QStringList{"actionOpen", "actionSave", "actionSaveAs", "actionExport",
                                "actionExportFocalStack", "actionQuit"}));
  EXPECT_EQ(w.find<QAction>("actionOpen")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(w.find<QAction>("actionSave")->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(w.find<QAction>("actionExport")->shortcut(), QKeySequence("Ctrl+E"));
  EXPECT_EQ(w.find<QAction>("actionCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
  EXPECT_EQ(w.find<QAction>("actionQuickGuide")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(Documents, TitleNamesTheFileOnceOpenedOrSaved) {
  files::OpenDir dir;
  DocumentWindow w;
  EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Ombrel"));
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
  EXPECT_EQ(w.window.windowTitle(), QStringLiteral("bars.ombrel — Ombrel"));
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

  DocumentWindow other;
  EXPECT_EQ(other.window.windowTitle(), QStringLiteral("Ombrel"));
  files::Answers answers([&](documentdialogs::Dialogs& d) {
    d.openScene = [&](QWidget*) { return std::optional<QString>(first); };
  });
  other.find<QAction>("actionOpen")->trigger();
  EXPECT_EQ(other.window.windowTitle(), QStringLiteral("bars.ombrel — Ombrel"));
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

  w.undo().undo();
  EXPECT_EQ(w.scene(), start);
  EXPECT_TRUE(w.canvas().strip() == startStrip);
  w.undo().redo();
  EXPECT_EQ(w.scene(), scenefile::writeScene(two));
}

TEST(Documents, OnlyAFilesSceneWithChangesAsksBeforeItIsReplaced) {
  files::OpenDir dir;
  const QString path = dir.path("lesson.ombrel");
  ASSERT_FALSE(scenefile::writeSceneFile(path, ShapeList{}).has_value());
  int asked = 0;
  UnsavedChoice answer = UnsavedChoice::Cancel;
  files::Answers answers([&](documentdialogs::Dialogs& d) {
    d.openScene = [&](QWidget*) { return std::optional<QString>(path); };
    d.unsavedChanges = [&](QWidget*, const QString& name) {
      EXPECT_EQ(name, QStringLiteral("lesson.ombrel"));
      ++asked;
      return answer;
    };
  });

  // The untitled starting scene, edited or not, never asks; nor does a
  // file's scene without changes, or one undone back to the file.
  DocumentWindow w;
  edit(w);
  EXPECT_TRUE(w.window.confirmReplaceScene());
  ASSERT_TRUE(w.document().openFile(path));
  EXPECT_TRUE(w.window.confirmReplaceScene());
  edit(w);
  w.undo().undo();
  EXPECT_TRUE(w.window.confirmReplaceScene());
  EXPECT_EQ(asked, 0);

  // With changes: Cancel keeps everything, Discard lets it go, Save writes first.
  edit(w);
  const QByteArray edited = w.scene();
  answer = UnsavedChoice::Cancel;
  EXPECT_FALSE(w.window.confirmReplaceScene());
  w.find<QAction>("actionOpen")->trigger();
  EXPECT_EQ(w.scene(), edited);
  EXPECT_EQ(asked, 2);
  answer = UnsavedChoice::Discard;
  EXPECT_TRUE(w.window.confirmReplaceScene());
  EXPECT_EQ(scenefile::readSceneFile(path).shapes.size(), 0u);
  answer = UnsavedChoice::Save;
  EXPECT_TRUE(w.window.confirmReplaceScene());
  EXPECT_EQ(files::readFile(path), edited);
  EXPECT_TRUE(w.undo().isClean());
  EXPECT_EQ(asked, 4);

  // A save that fails (a folder now stands where the file was) counts as Cancel.
  edit(w);
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QDir(dir.dir.path()).mkdir("lesson.ombrel"));
  EXPECT_FALSE(w.window.confirmReplaceScene());
  EXPECT_TRUE(w.status().contains("Could not save “lesson.ombrel”")) << w.status().toStdString();
}

TEST(Documents, QuitAsksOnlyForAFilesUnsavedChanges) {
  files::OpenDir dir;
  const QString path = dir.path("lesson.ombrel");
  ASSERT_FALSE(scenefile::writeSceneFile(path, ShapeList{}).has_value());
  int asked = 0;
  UnsavedChoice answer = UnsavedChoice::Cancel;
  files::Answers answers([&](documentdialogs::Dialogs& d) {
    d.unsavedChanges = [&](QWidget*, const QString&) {
      ++asked;
      return answer;
    };
  });

  DocumentWindow untitled;
  edit(untitled);
  untitled.find<QAction>("actionQuit")->trigger();
  EXPECT_FALSE(untitled.window.isVisible());
  EXPECT_EQ(asked, 0);

  DocumentWindow w;
  ASSERT_TRUE(w.document().openFile(path));
  edit(w);
  w.find<QAction>("actionQuit")->trigger();
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_EQ(asked, 1);
  answer = UnsavedChoice::Discard;
  w.find<QAction>("actionQuit")->trigger();
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(scenefile::readSceneFile(path).shapes.size(), 0u);
}

}  // namespace
