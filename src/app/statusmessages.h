#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

class DrawView;
class QAbstractButton;
class StatusService;

// What the canvas's passes tell the status bar: how long the Render and Take
// Photo buttons took, which chosen image file could not be used and why, and,
// while the scene has changed since the last render, a notice that says so
// with the Render button marked as the one to press.
// Found by tests as the window's child "statusMessages".
class StatusMessages : public QObject {
  Q_DECLARE_TR_FUNCTIONS(StatusMessages)

 public:
  struct Parts {
    DrawView* canvas = nullptr;
    QAbstractButton* render = nullptr;
    QAbstractButton* takePhoto = nullptr;
    StatusService* status = nullptr;
  };

  StatusMessages(const Parts& parts, QObject* parent);

  // The notice while the views are behind the scene.
  static QString staleNotice();

 private:
  void showImageRejected(const QString& path, const QString& reason);

  StatusService* status_;
  // Timings of the last render and photo pass; the buttons' own clicked
  // connections run first, so these hold the click's pass when shown.
  double renderMs_ = 0;
  double photoMs_ = 0;
};
