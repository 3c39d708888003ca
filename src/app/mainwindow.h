#pragma once

#include <QMainWindow>
#include <memory>

class DrawView;
class EditActions;
class LightFieldDocument;
class PhotoView;
class QMenu;
class QUndoStack;
class RenderView;
class SceneDocument;
class Session;
class StatusService;
class TeachingAids;
class UndoHistory;
namespace Ui {
class MainWindow;
}

// Loads the window description, then does what the loader of a window
// description does: gives each view its frame, sets the outlets, connects the
// control actions and wakes every object, in that order. Then it builds the
// window's parts (the session, the status service, the undo history) and
// hands each feature the parts it uses.
class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  DrawView* drawView() const;
  RenderView* renderView() const;
  PhotoView* photoView() const;

  // The menus every addition puts its actions in, in menu-bar order.
  QMenu* fileMenu() const;
  QMenu* editMenu() const;
  QMenu* viewMenu() const;
  QMenu* scenesMenu() const;
  QMenu* helpMenu() const;

  Session* session() const { return session_; }
  SceneDocument* document() const { return document_; }
  LightFieldDocument* lightFieldDocument() const { return lightFields_; }
  StatusService* status() const { return status_; }
  UndoHistory* history() const { return history_; }
  // Every change of the scene is one step on this stack, pushed through history().
  QUndoStack* undoStack() const;
  // Asks before a scene that came from or went to a file is replaced and its
  // changes would be lost (Save / Discard / Cancel); true when it may go.
  bool confirmReplaceScene();

 private:
  void initViews();
  void connectOutlets();
  void connectActions();
  void feedSession();
  void updateReadouts();
  void installFeatures();
  void installLightFields();
  bool lightFieldOpen() const;
  void publishCanvasPhoto();
  void publishCanvasRays();

  std::unique_ptr<Ui::MainWindow> ui_;
  Session* session_ = nullptr;
  StatusService* status_ = nullptr;
  UndoHistory* history_ = nullptr;
  SceneDocument* document_ = nullptr;
  TeachingAids* teachingAids_ = nullptr;
  LightFieldDocument* lightFields_ = nullptr;
};
