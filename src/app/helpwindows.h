#pragma once

#include <QObject>
#include <QPointer>

class MainWindow;
class QDialog;
class QMessageBox;

// Help ▸ Quick Guide (one page from the resources in a text browser) and
// Help ▸ About Ombrel. Both open beside the window without blocking it.
class HelpWindows : public QObject {
  Q_OBJECT

 public:
  explicit HelpWindows(MainWindow* window);

  QDialog* showQuickGuide();
  QMessageBox* showAbout();

 private:
  MainWindow* window_;
  QPointer<QDialog> guide_;
};

// "Ombrel 0.1, built with Qt 6.4.2 (running on Qt 6.4.2)": the About text's facts.
QString aboutText();
