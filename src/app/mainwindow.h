#pragma once

#include <QMainWindow>
#include <memory>

class DrawView;
class QMenu;
class QUndoStack;
class RenderView;
class PhotoView;
namespace Ui {
class MainWindow;
}

// Loads the window description, then does what the loader of a window
// description does: gives each view its frame, sets the outlets, connects the
// control actions and wakes every object, in that order.
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
  // Every change of the scene is one step on this stack.
  QUndoStack* undoStack() const { return undoStack_; }
  // Asks before a scene that came from or went to a file is replaced and its
  // changes would be lost (Save / Discard / Cancel); true when it may go.
  bool confirmReplaceScene();

 private:
  void initViews();
  void connectOutlets();
  void connectActions();
  void updateReadouts();

  // Additions beyond the window description, each in a file of its own.
  void installTeachingAids();    // mainwindow_aids.cpp
  void installEditing();         // mainwindow_editing.cpp
  void installDocuments();       // mainwindow_documents.cpp
  void installPresentation();    // mainwindow_presentation.cpp
  void installStatusMessages();  // mainwindow_messages.cpp

  std::unique_ptr<Ui::MainWindow> ui_;
  QUndoStack* undoStack_ = nullptr;
};
