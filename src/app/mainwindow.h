#pragma once

#include <QMainWindow>
#include <memory>

class DrawView;
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

 private:
  void initViews();
  void connectOutlets();
  void connectActions();
  void updateReadouts();

  std::unique_ptr<Ui::MainWindow> ui_;
};
