#include "app/application.h"

#include <QApplication>

#include "app/mainwindow.h"
#include "app/ombrelappdelegate.h"

int applicationMain(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ombrel"));
  MainWindow window;
  OmbrelAppDelegate delegate;
  delegate.setWindow(&window);
  delegate.applicationDidFinishLaunching();
  window.show();
  return QApplication::exec();
}
