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

// The About text: version (the project's, from the build), what Ombrel is, its licence, and
// the Qt it was built with and runs on.
QString aboutText();

// The Quick Guide's resource path in a shipped language ("de"), or the English guide's
// when that language has none.
QString quickGuidePath(const QString& language);
