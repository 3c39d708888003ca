#pragma once

class QWidget;

// The application delegate: knows the main window and does nothing at launch.
class OmbrelAppDelegate {
 public:
  QWidget* window() const { return window_; }
  void setWindow(QWidget* window) { window_ = window; }  // not owned
  void applicationDidFinishLaunching() {}

 private:
  QWidget* window_ = nullptr;
};
