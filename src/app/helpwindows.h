#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QMenu;
class QWidget;
class QMessageBox;

// Help ▸ Quick Guide (one page from the resources in a text browser) and
// Help ▸ About Ombrel. Both open beside the window without blocking it.
class HelpWindows : public QObject {
  Q_OBJECT

 public:
  // The guide and About open beside `window`; their actions go in `helpMenu`.
  HelpWindows(QWidget* window, QMenu* helpMenu, QObject* parent);

  QDialog* showQuickGuide();
  QMessageBox* showAbout();

 private:
  QWidget* window_;
  QPointer<QDialog> guide_;
};

// "Ombrel 0.1, built with Qt 6.4.2 (running on Qt 6.4.2)": the About text's facts.
QString aboutText();
