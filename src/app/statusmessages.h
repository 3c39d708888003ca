#pragma once

#include <QObject>
#include <QString>

class DrawView;
class QAbstractButton;
class QStatusBar;

// Brief status-bar messages: how long the Render and Take Photo buttons took,
// and which chosen image file could not be used and why. Found by tests as
// the window's child "statusMessages".
class StatusMessages : public QObject {
 public:
  static constexpr int kConfirmationMs = 3000;
  static constexpr int kProblemMs = 10000;

  StatusMessages(QStatusBar* bar, DrawView* canvas, QAbstractButton* render,
                 QAbstractButton* takePhoto, QObject* parent);

 private:
  void showImageRejected(const QString& path, const QString& reason);

  QStatusBar* bar_;
  // Timings of the last render and photo pass; the buttons' own clicked
  // connections run first, so these hold the click's pass when shown.
  double renderMs_ = 0;
  double photoMs_ = 0;
};
