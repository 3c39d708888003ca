// Scene files, pictures out and help.
#include "app/mainwindow.h"

void MainWindow::installDocuments() {}

bool MainWindow::confirmReplaceScene() {
  return true;
}
