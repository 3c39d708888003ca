#include "app/application.h"

#include <QApplication>

#include "app/appicon.h"
#include "app/mainwindow.h"
#include "app/ombrelappdelegate.h"

int applicationMain(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ombrel"));
  QApplication::setWindowIcon(applicationIcon());
  // Lets a desktop match the window with the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("ombrel"));
  MainWindow window;
  OmbrelAppDelegate delegate;
  delegate.setWindow(&window);
  delegate.applicationDidFinishLaunching();
  window.show();
  return QApplication::exec();
}
