#pragma once

#include <QObject>
#include <QString>

class DrawView;
class QAbstractButton;
class StatusService;

// What the canvas's passes tell the status bar: how long the Render and Take
// Photo buttons took, and which chosen image file could not be used and why.
// Found by tests as the window's child "statusMessages".
class StatusMessages : public QObject {
 public:
  struct Parts {
    DrawView* canvas = nullptr;
    QAbstractButton* render = nullptr;
    QAbstractButton* takePhoto = nullptr;
    StatusService* status = nullptr;
  };

  StatusMessages(const Parts& parts, QObject* parent);

 private:
  void showImageRejected(const QString& path, const QString& reason);

  StatusService* status_;
  // Timings of the last render and photo pass; the buttons' own clicked
  // connections run first, so these hold the click's pass when shown.
  double renderMs_ = 0;
  double photoMs_ = 0;
};
